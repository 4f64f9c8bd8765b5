#include "frmLearnDreamInterpretationMain.h"

#include "toolkit/AnswerKeys.h"
#include "toolkit/Controls.h"
#include "toolkit/LinkLabel.h"
#include "toolkit/Look.h"
#include "toolkit/MsgBox.h"
#include "toolkit/ReportView.h"
#include "toolkit/frmReviewMissed.h"
#include "toolkit/modHelp.h"
#include "toolkit/modRTB.h"
#include "progress/ProgressRecorder.h"
#include "quiz/QuizReport.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTextCursor>
#include <QVBoxLayout>

namespace {

const QString kCaption = QStringLiteral("Vessa Learn Dream Interpretation");
const QString kSelectOption = QStringLiteral("Please select an option");
const QString kChooseFromBelow = QStringLiteral("Select one option from the given choices below.");
const QString kTestLetters =
    QStringLiteral("Select the options which you would like to take the test in.");
const QString kNoQuestions = QStringLiteral(
    "No dream symbols could be read for the letters you chose, so there are no questions to ask.");

// A question or a choice shows at most this much of a text. The shipped
// symbols are far shorter; a damaged table can hold a megabyte in one field,
// which would take seconds to lay out on every question.
constexpr qsizetype kLongestShownText = 4000;

QString questionText(const QString &text)
{
    return text.size() <= kLongestShownText ? text : text.left(kLongestShownText) + QChar(0x2026);
}

QFont resized(const QWidget *widget, double points, bool bold)
{
    QFont font = widget->font();
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QPushButton *makeButton(const QString &name, const QString &caption, QWidget *parent)
{
    QPushButton *button = Controls::Button(name, caption, parent, 110);
    // Return presses the button that has the focus, as in a dialog.
    button->setAutoDefault(true);
    return button;
}

QRadioButton *makeRadio(const QString &name, const QString &caption, QWidget *parent)
{
    auto *radio = new QRadioButton(caption, parent);
    radio->setObjectName(name);
    return radio;
}

// Unticks every button of an exclusive group, which Qt does not do by itself.
void clearGroup(QButtonGroup *group)
{
    group->setExclusive(false);
    for (QAbstractButton *button : group->buttons())
        button->setChecked(false);
    group->setExclusive(true);
}

QHBoxLayout *buttonRow(std::initializer_list<QWidget *> left, std::initializer_list<QWidget *> right)
{
    auto *row = new QHBoxLayout;
    for (QWidget *w : left)
        row->addWidget(w);
    row->addStretch(1);
    for (QWidget *w : right)
        row->addWidget(w);
    return row;
}

} // namespace

frmLearnDreamInterpretationMain::frmLearnDreamInterpretationMain(ModuleHost &host, std::shared_ptr<Progress::Recorder> recorder,
                                                                  QWidget *parent)
    : ModuleWindow(QStringLiteral("frmLearnDreamInterpretationMain"), host, parent), recorder_(std::move(recorder)),
      session_(DreamDatabase::ProgramDatabasePath(host.Locations()))
{
    setWindowTitle(kCaption);
    setFont(Look::Verdana(9));

    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction *exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, [this] { CloseModule(); });
    AddHelpMenus(menuBar(), this);

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(8, 8, 8, 4);
    stack_ = new QStackedWidget(central);
    stack_->setObjectName(QStringLiteral("fraOptions"));
    // Added in frame index order, so a frame's index is its page.
    stack_->addWidget(buildStartFrame());
    stack_->addWidget(buildTestOptionsFrame());
    stack_->addWidget(buildLearnFrame());
    stack_->addWidget(buildLetterFrame());
    stack_->addWidget(buildQuestionFrame(KeywordQuestion, byKeyword_,
                                         QStringLiteral("Test By Keyword"), "optChoiceForKeyword",
                                         "lblKeyword", "lblQuestionNoForKeyword",
                                         "cmdNextQuestionForKeyword", 6));
    stack_->addWidget(buildResultFrame());
    stack_->addWidget(buildQuestionFrame(DescQuestion, byDesc_,
                                         QStringLiteral("Test By Interpretation"),
                                         "optChoiceForDesc", "lblDesc", "lblQuestionNoForDesc",
                                         "cmdNextQuestionForDesc", 7));
    layout->addWidget(stack_, 1);
    layout->addWidget(PublisherLinks::Strip(central, QStringLiteral("lblForum")));
    setCentralWidget(central);

    // Fits the module area of the main window on a 1366 x 768 screen.
    setMinimumSize(880, 520);
    resize(900, 540);

    clearChoices();
    clearLetterBoxes();
    showScreen(Start, optMain[0]);
}

QGroupBox *frmLearnDreamInterpretationMain::newFrame(Screen screen, const QString &title)
{
    auto *frame = new QGroupBox(title, stack_);
    frame->setObjectName(Controls::Indexed("fraOption", screen));
    fraOption[size_t(screen)] = frame;
    return frame;
}

QWidget *frmLearnDreamInterpretationMain::buildStartFrame()
{
    QGroupBox *frame = newFrame(Start, QString());
    auto *outer = new QHBoxLayout(frame);
    outer->setContentsMargins(20, 16, 24, 16);
    outer->setSpacing(20);

    auto *picture = new QLabel(frame);
    picture->setPixmap(
        Look::Picture(QStringLiteral(":/dream_interpretation/module.svg"), QSize(120, 120)));
    picture->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    outer->addWidget(picture, 0, Qt::AlignTop);

    auto *v = new QVBoxLayout;
    v->setSpacing(12);
    outer->addLayout(v, 1);
    const QString texts[4] = {
        QStringLiteral("Vessa Learn Dream Interpretation helps you understand your dreams better "
                       "and know their significance. This will not only help you interpret your "
                       "dreams but also help you interpret others' dreams."),
        QStringLiteral("This software is a great tool for beginners and novices who are new to the "
                       "fascinating world of dream interpretation."),
        QStringLiteral("You can learn the different meanings of different dream symbols and their "
                       "effect on your lives. You can then take a test to know how much you have "
                       "learnt."),
        QStringLiteral("Select one option below and click on the button to continue.")};
    for (int i = 0; i < 4; ++i) {
        QLabel *label = Controls::Label(Controls::Indexed("lblCaption", i), texts[i], frame);
        if (i == 0) {
            label->setFont(resized(label, 11, true));
            Look::SetTextColour(label, Look::HeadingGreen);
        }
        v->addWidget(label);
    }

    mainGroup_ = new QButtonGroup(frame);
    optMain[0] = makeRadio(Controls::Indexed("optMain", 0),
                           QStringLiteral("&Learn Dream Interpretation"), frame);
    optMain[1] = makeRadio(Controls::Indexed("optMain", 1),
                           QStringLiteral("&Test Dream Interpretation"), frame);
    auto *choices = new QVBoxLayout;
    choices->setContentsMargins(16, 4, 0, 4);
    for (int i = 0; i < 2; ++i) {
        optMain[size_t(i)]->setFont(resized(optMain[size_t(i)], 10, true));
        mainGroup_->addButton(optMain[size_t(i)], i);
        choices->addWidget(optMain[size_t(i)]);
    }
    v->addLayout(choices);

    cmdNext =
        makeButton(QStringLiteral("cmdNext"), QStringLiteral("&Click Here To Proceed"), frame);
    cmdNext->setMinimumWidth(200);
    v->addLayout(buttonRow({cmdNext}, {}));
    v->addStretch(1);

    connect(cmdNext, &QPushButton::clicked, this, [this] { cmdNext_Click(); });
    return frame;
}

QWidget *frmLearnDreamInterpretationMain::buildTestOptionsFrame()
{
    QGroupBox *frame = newFrame(TestOptions, QStringLiteral("Test Options"));
    auto *v = new QVBoxLayout(frame);
    v->setContentsMargins(24, 16, 24, 16);
    v->setSpacing(12);
    v->addWidget(Controls::Label(
        Controls::Indexed("lblCaption", 4),
        QStringLiteral("Select one of the following options and click on Next to continue."),
        frame));

    optionGroup_ = new QButtonGroup(frame);
    optOption[0] =
        makeRadio(Controls::Indexed("optOption", 0), QStringLiteral("Test By &Keyword"), frame);
    optOption[1] = makeRadio(Controls::Indexed("optOption", 1),
                             QStringLiteral("Test By &Interpretation"), frame);
    for (int i = 0; i < 2; ++i) {
        optOption[size_t(i)]->setFont(resized(optOption[size_t(i)], 10, true));
        optionGroup_->addButton(optOption[size_t(i)], i);
        v->addWidget(optOption[size_t(i)]);
    }
    v->addStretch(1);

    QPushButton *back = makeButton(QStringLiteral("cmdBack2"), QStringLiteral("&Back"), frame);
    cmdNext2 = makeButton(QStringLiteral("cmdNext2"), QStringLiteral("&Next"), frame);
    v->addLayout(buttonRow({}, {back, cmdNext2}));

    connect(back, &QPushButton::clicked, this, [this] { cmdBack2_Click(); });
    connect(cmdNext2, &QPushButton::clicked, this, [this] { cmdNext2_Click(); });
    return frame;
}

QWidget *frmLearnDreamInterpretationMain::buildLearnFrame()
{
    QGroupBox *frame = newFrame(Learn, QStringLiteral("Learn"));
    auto *v = new QVBoxLayout(frame);
    v->setContentsMargins(24, 16, 24, 16);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(24);
    grid->setVerticalSpacing(6);

    QLabel *letter = Controls::Label(Controls::Indexed("lblLearnSubject", 0), QString(), frame, false);
    letter->setFont(resized(letter, 44, true));
    letter->setAlignment(Qt::AlignCenter);
    letter->setFrameShape(QFrame::StyledPanel);
    letter->setFixedSize(120, 120);
    Look::SetTextColour(letter, Look::AccentBrown);

    QLabel *keywordHeading = Controls::Label(QStringLiteral("lblKeywordHeading"),
                                       QStringLiteral("Keyword"), frame, false);
    keywordHeading->setFont(resized(keywordHeading, 9, true));
    QLabel *keyword = Controls::Label(Controls::Indexed("lblLearnSubject", 1), QString(), frame);
    keyword->setFont(resized(keyword, 16, true));
    Look::SetTextColour(keyword, Look::ValuePurple);
    QLabel *meaningHeading = Controls::Label(QStringLiteral("lblInterpretationHeading"),
                                       QStringLiteral("Interpretation"), frame, false);
    meaningHeading->setFont(resized(meaningHeading, 9, true));
    QLabel *meaning = Controls::Label(Controls::Indexed("lblLearnSubject", 2), QString(), frame);
    meaning->setFont(resized(meaning, 11, false));
    meaning->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    meaning->setFrameShape(QFrame::StyledPanel);
    meaning->setMargin(8);
    meaning->setMinimumHeight(150);

    grid->addWidget(letter, 0, 0, 4, 1, Qt::AlignTop);
    grid->addWidget(keywordHeading, 0, 1);
    grid->addWidget(keyword, 1, 1);
    meaningHeading->setContentsMargins(0, 10, 0, 0);
    grid->addWidget(meaningHeading, 2, 1);
    grid->addWidget(meaning, 3, 1);
    grid->setColumnStretch(1, 1);
    v->addLayout(grid);
    v->addStretch(1);

    lblLearnSubject = {letter, keyword, meaning};
    QPushButton *back = makeButton(QStringLiteral("cmdBackLearn"), QStringLiteral("&Back"), frame);
    cmdNextLearn = makeButton(QStringLiteral("cmdNextLearn"), QStringLiteral("&Next"), frame);
    QPushButton *toMain =
        makeButton(QStringLiteral("cmdBackToMain"), QStringLiteral("Back To &Main"), frame);
    v->addLayout(buttonRow({back, cmdNextLearn}, {toMain}));
    QWidget::setTabOrder(cmdNextLearn, back);
    QWidget::setTabOrder(back, toMain);

    connect(back, &QPushButton::clicked, this, [this] { cmdBackLearn_Click(); });
    connect(cmdNextLearn, &QPushButton::clicked, this, [this] { cmdNextLearn_Click(); });
    connect(toMain, &QPushButton::clicked, this, [this] { cmdBackToMain_Click(); });
    return frame;
}

QWidget *frmLearnDreamInterpretationMain::buildLetterFrame()
{
    QGroupBox *frame = newFrame(Letters, QStringLiteral("Learn"));
    auto *v = new QVBoxLayout(frame);
    v->setContentsMargins(24, 16, 24, 16);
    v->setSpacing(14);
    lblLetterInstruction = Controls::Label(Controls::Indexed("lblCaption", 5), QString(), frame);
    v->addWidget(lblLetterInstruction);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(12);
    for (int i = 0; i < 26; ++i) {
        auto *box = new QCheckBox(QString(QChar(u'A' + i)), frame);
        box->setObjectName(Controls::Indexed("chkSubject", i));
        box->setFont(resized(box, 12, true));
        chkSubject[size_t(i)] = box;
        grid->addWidget(box, i / 13, i % 13);
    }
    v->addLayout(grid);

    // A letter box is ticked by typing its letter (keyPressEvent), so it needs no access key.
    for (QCheckBox *box : chkSubject)
        AnswerKeys::MarkChosenByKey(box);
    chkForAll = new QCheckBox(QStringLiteral("Enable &All Options"), frame);
    chkForAll->setObjectName(QStringLiteral("chkForAll"));
    v->addWidget(chkForAll);
    v->addStretch(1);

    QPushButton *back = makeButton(QStringLiteral("cmdBack3"), QStringLiteral("&Back"), frame);
    QPushButton *next = makeButton(QStringLiteral("cmdNext3"), QStringLiteral("&Next"), frame);
    v->addLayout(buttonRow({}, {back, next}));

    connect(chkForAll, &QCheckBox::toggled, this, [this](bool on) { chkForAll_Click(on); });
    connect(back, &QPushButton::clicked, this, [this] { cmdBack3_Click(); });
    connect(next, &QPushButton::clicked, this, [this] { cmdNext3_Click(); });
    return frame;
}

QWidget *frmLearnDreamInterpretationMain::buildQuestionFrame(
    Screen screen, QuestionScreen &parts, const QString &title, const char *choiceName,
    const char *subjectName, const char *progressName, const char *nextName, int instructionIndex)
{
    QGroupBox *frame = newFrame(screen, title);
    auto *v = new QVBoxLayout(frame);
    v->setContentsMargins(20, 12, 20, 12);
    v->setSpacing(8);

    parts.instruction = Controls::Label(Controls::Indexed("lblCaption", instructionIndex), QString(), frame);
    v->addWidget(parts.instruction);
    parts.subject = Controls::Label(QString::fromLatin1(subjectName), QString(), frame);
    if (screen == KeywordQuestion) {
        parts.subject->setFont(resized(parts.subject, 16, true));
        Look::SetTextColour(parts.subject, Look::ValuePurple);
    } else {
        parts.subject->setFont(resized(parts.subject, 10.5, false));
        parts.subject->setFrameShape(QFrame::StyledPanel);
        parts.subject->setMargin(6);
    }
    v->addWidget(parts.subject);
    v->addSpacing(6);

    parts.group = new QButtonGroup(frame);
    for (int i = 0; i < 5; ++i) {
        auto *row = new QWidget(frame);
        auto *h = new QHBoxLayout(row);
        h->setContentsMargins(0, 0, 0, 0);
        h->setSpacing(6);
        QRadioButton *radio = makeRadio(Controls::Indexed(choiceName, i), QString(), row);
        // The option's text is the label beside the button, which wraps.
        QLabel *text = Controls::Label(Controls::Indexed(choiceName, i).replace(0, 3, QStringLiteral("lbl")),
                                 QString(), row);
        text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        text->installEventFilter(this);
        h->addWidget(radio, 0, Qt::AlignTop);
        h->addWidget(text, 1);
        parts.group->addButton(radio, i);
        parts.option[size_t(i)] = radio;
        parts.optionText[size_t(i)] = text;
        parts.row[size_t(i)] = row;
        v->addWidget(row);
        v->addSpacing(4);
    }
    v->addStretch(1);

    parts.progress = Controls::Label(QString::fromLatin1(progressName), QString(), frame, false);
    parts.progress->setFont(resized(parts.progress, 9, true));
    parts.next = makeButton(QString::fromLatin1(nextName), QStringLiteral("&Next Question"), frame);
    v->addLayout(buttonRow({parts.progress}, {parts.next}));

    QPushButton *next = parts.next;
    for (QRadioButton *radio : parts.option)
        connect(radio, &QRadioButton::clicked, next, [next] { next->setFocus(); });
    connect(next, &QPushButton::clicked, this, [this] { cmdNextQuestion_Click(); });
    AnswerKeys::Install(frame, QList<QAbstractButton *>(parts.option.begin(), parts.option.end()),
                        next);
    return frame;
}

QWidget *frmLearnDreamInterpretationMain::buildResultFrame()
{
    QGroupBox *frame = newFrame(Results, QStringLiteral("Test Results"));
    auto *v = new QVBoxLayout(frame);
    v->setContentsMargins(16, 12, 16, 12);

    lblScore_ = Quiz::MakeGlanceLabel(frame);
    v->addWidget(lblScore_);
    RTBTestResult = new ReportView(QStringLiteral("RTBTestResult"), frame, QStringLiteral("Verdana"), 10);
    v->addWidget(RTBTestResult, 1);
    // The print buffer: the report between two publisher lines, never shown.
    RTB1 = new ReportView(QStringLiteral("RTB1"), frame, QStringLiteral("Verdana"), 10);
    RTB1->hide();

    QPushButton *print =
        makeButton(QStringLiteral("cmdPrint"), QStringLiteral("&Print Test Results"), frame);
    cmdGoToMain = makeButton(QStringLiteral("cmdGoToMain"), QStringLiteral("&Main Screen"), frame);
    cmdReviewMissed = makeButton(QStringLiteral("cmdReviewMissed"),
                                 QStringLiteral("&Review Missed Answers"), frame);
    v->addLayout(buttonRow({print, cmdReviewMissed}, {cmdGoToMain}));
    connect(cmdReviewMissed, &QPushButton::clicked, this,
            [this] { OpenReviewMissed(this, session_.Test->Outcome().MissedItems()); });

    connect(print, &QPushButton::clicked, this, [this] { cmdPrint_Click(); });
    connect(cmdGoToMain, &QPushButton::clicked, this, [this] { cmdGoToMain_Click(); });
    return frame;
}

bool frmLearnDreamInterpretationMain::eventFilter(QObject *watched, QEvent *event)
{
    // A click on an option's text chooses the option, as a click on its button does.
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        for (QuestionScreen *parts : {&byKeyword_, &byDesc_})
            for (size_t i = 0; i < parts->optionText.size(); ++i)
                if (watched == parts->optionText[i]) {
                    parts->option[i]->click();
                    return true;
                }
    }
    return ModuleWindow::eventFilter(watched, event);
}

void frmLearnDreamInterpretationMain::keyPressEvent(QKeyEvent *event)
{
    // On the letter screen, typing a letter ticks or clears its box.
    const int key = event->key();
    if (stack_->currentIndex() == Letters && key >= Qt::Key_A && key <= Qt::Key_Z &&
        !(event->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier))) {
        QCheckBox *box = chkSubject[size_t(key - Qt::Key_A)];
        box->click();
        box->setFocus();
        return;
    }
    ModuleWindow::keyPressEvent(event);
}

void frmLearnDreamInterpretationMain::showScreen(Screen screen, QWidget *focus)
{
    stack_->setCurrentIndex(screen);
    if (focus)
        focus->setFocus();
}

void frmLearnDreamInterpretationMain::clearChoices()
{
    clearGroup(mainGroup_);
    clearGroup(optionGroup_);
}

void frmLearnDreamInterpretationMain::clearLetterBoxes()
{
    for (QCheckBox *box : chkSubject)
        box->setChecked(false);
    chkForAll->setChecked(false);
    chkForAll_Click(false);
}

frmLearnDreamInterpretationMain::QuestionScreen &
frmLearnDreamInterpretationMain::activeQuestionScreen()
{
    return session_.DreamTestByKeyword ? byKeyword_ : byDesc_;
}

void frmLearnDreamInterpretationMain::cmdNext_Click()
{
    session_.DreamLearnMode = false;
    if (optMain[0]->isChecked()) {
        session_.DreamLearnMode = true;
        session_.DreamPosition = 0;
        fraOption[Learn]->setTitle(QStringLiteral("Learn"));
        fraOption[Letters]->setTitle(QStringLiteral("Learn"));
        lblLetterInstruction->setText(
            QStringLiteral("Select the options which you would like to memorize."));
        showScreen(Letters, chkSubject[0]);
    } else if (optMain[1]->isChecked()) {
        showScreen(TestOptions, optOption[0]);
    } else {
        ShowMessage(this, kSelectOption, QMessageBox::Critical);
    }
}

void frmLearnDreamInterpretationMain::cmdNext2_Click()
{
    const bool byKeyword = optOption[0]->isChecked();
    if (!byKeyword && !optOption[1]->isChecked()) {
        ShowMessage(this, kSelectOption, QMessageBox::Critical);
        return;
    }
    session_.DreamTestByKeyword = byKeyword;
    session_.DreamPosition = 0;
    const QString title =
        byKeyword ? QStringLiteral("Test By Keyword") : QStringLiteral("Test By Interpretation");
    activeQuestionScreen().instruction->setText(kChooseFromBelow);
    fraOption[byKeyword ? KeywordQuestion : DescQuestion]->setTitle(title);
    fraOption[Letters]->setTitle(title);
    lblLetterInstruction->setText(kTestLetters);
    showScreen(Letters, chkSubject[0]);
}

void frmLearnDreamInterpretationMain::cmdBack2_Click()
{
    clearChoices();
    showScreen(Start, optMain[0]);
}

void frmLearnDreamInterpretationMain::chkForAll_Click(bool ticked)
{
    chkForAll->setText(ticked ? QStringLiteral("Disable &All Options")
                              : QStringLiteral("Enable &All Options"));
    for (QCheckBox *box : chkSubject)
        box->setChecked(ticked);
}

void frmLearnDreamInterpretationMain::cmdBack3_Click()
{
    // "Enable All Options" is cleared with the boxes, so its caption matches them next time.
    clearLetterBoxes();
    clearChoices();
    showScreen(Start, optMain[0]);
}

void frmLearnDreamInterpretationMain::cmdNext3_Click()
{
    session_.DreamLetters.clear();
    for (QCheckBox *box : chkSubject)
        if (box->isChecked())
            session_.DreamLetters << box->text();
    clearLetterBoxes();
    if (session_.DreamLetters.isEmpty()) {
        ShowMessage(this, QStringLiteral("Please select at least an option"),
                    QMessageBox::Critical);
        return;
    }
    if (session_.DreamLearnMode) {
        session_.BuildLearnList();
        reportUnreadableDatabase();
        // With nothing to learn the screen shows nothing rather than an
        // entry of an earlier choice of letters.
        if (session_.LearnList.isEmpty())
            for (QLabel *label : lblLearnSubject)
                label->clear();
        ShowLearnEntry();
        showScreen(Learn, cmdNextLearn);
        return;
    }
    if (session_.DrawDreamQuestions() == 0) {
        if (!reportUnreadableDatabase())
            ShowMessage(this, kNoQuestions, QMessageBox::Information);
        return;
    }
    const bool byKeyword = session_.DreamTestByKeyword;
    AskQuestion();
    showScreen(byKeyword ? KeywordQuestion : DescQuestion, activeQuestionScreen().option[0]);
}

void frmLearnDreamInterpretationMain::ShowLearnEntry()
{
    const std::optional<DreamSymbol> symbol = session_.ShowLearnEntry();
    if (!symbol)
        return; // the labels keep what they show
    lblLearnSubject[0]->setText(symbol->keyword.left(1));
    lblLearnSubject[1]->setText(symbol->keyword);
    lblLearnSubject[2]->setText(symbol->description);
}

void frmLearnDreamInterpretationMain::cmdNextLearn_Click()
{
    if (session_.NextLearnEntry() == DreamLearnStep::AtLast)
        ShowMessage(this, QStringLiteral("You are at the last record"), QMessageBox::Critical);
    else
        ShowLearnEntry();
}

void frmLearnDreamInterpretationMain::cmdBackLearn_Click()
{
    if (session_.PreviousLearnEntry() == DreamLearnStep::AtFirst)
        ShowMessage(this, QStringLiteral("You are at first record"), QMessageBox::Critical);
    else
        ShowLearnEntry();
}

void frmLearnDreamInterpretationMain::cmdBackToMain_Click()
{
    clearLetterBoxes();
    clearChoices();
    showScreen(Start, optMain[0]);
}

void frmLearnDreamInterpretationMain::AskQuestion()
{
    QuestionScreen &parts = activeQuestionScreen();
    const Quiz::Question &question = session_.AskQuestion();
    parts.subject->setText(questionText(question.subject));
    // A table with too few symbols leaves some options without a text; they are not offered.
    for (size_t i = 0; i < parts.row.size(); ++i) {
        parts.optionText[i]->setText(questionText(question.choices.value(qsizetype(i))));
        parts.row[i]->setVisible(qsizetype(i) < question.choices.size());
    }
    parts.progress->setText(question.Progress());
}

void frmLearnDreamInterpretationMain::cmdNextQuestion_Click()
{
    // Only the question on show can be answered (the test may have ended).
    if (stack_->currentIndex() != KeywordQuestion && stack_->currentIndex() != DescQuestion)
        return;
    QuestionScreen &parts = activeQuestionScreen();
    const int chosen = parts.group->checkedId();
    if (chosen < 0) {
        ShowMessage(this, kSelectOption, QMessageBox::Critical);
        return;
    }
    clearGroup(parts.group);
    if (session_.RecordAnswer(chosen)) {
        BuildDreamReport();
        showScreen(Results, cmdGoToMain);
        return;
    }
    AskQuestion();
    parts.option[0]->setFocus();
}

void frmLearnDreamInterpretationMain::BuildDreamReport()
{
    const DreamReport report = session_.BuildDreamReport();
    RTB::Empty(RTBTestResult);
    RTB::SetBold(RTBTestResult, true);
    RTB::Append(RTBTestResult, report.title + QStringLiteral("\r\n\r\n"));
    RTB::SetBold(RTBTestResult, false);
    RTB::Append(RTBTestResult, report.body);
    if (session_.Test) {
        Quiz::MarkWrongAnswers(RTBTestResult, session_.Test->Outcome(),
                               QStringLiteral("Your Answer: "), QStringLiteral("Correct Answer: "));
        lblScore_->setText(Quiz::GlanceText(session_.Test->Outcome()));
    }
    // Show the report from its title rather than wherever writing left the view.
    RTBTestResult->moveCursor(QTextCursor::Start);
    RTBTestResult->ensureCursorVisible();
    // Only a test that reached its result goes into the progress record.
    recorder_->RecordFinishedTest(session_.Test->Outcome().Record(), this);
}

// Through the print dialog, as the other modules print: a learner without a
// printer still prints to a PDF file. A failing printer is reported.
void frmLearnDreamInterpretationMain::cmdPrint_Click() { PrintTo(nullptr); }

Printing::Outcome frmLearnDreamInterpretationMain::PrintTo(QPrinter *printer)
{
    return Printing::PrintResult(RTB1, RTBTestResult->toPlainText(), this, printer);
}

void frmLearnDreamInterpretationMain::cmdGoToMain_Click()
{
    clearChoices();
    showScreen(Start, optMain[0]);
}

bool frmLearnDreamInterpretationMain::reportUnreadableDatabase()
{
    if (databaseProblemShown_)
        return false;
    const QString problem = session_.Data.Problem();
    if (problem.isEmpty())
        return false;
    // A missing file is reported where it is looked for, with the folders
    // looked in (once a run, so not again if the window found it missing).
    const QString path = session_.Data.DreamConnection ? session_.Data.DreamConnection->Path()
                                                        : DreamDatabase::ProgramDatabasePath(Locations());
    if (!QFileInfo::exists(path)) {
        databaseProblemShown_ = true;
        DreamDatabase::ProgramDatabasePath(Locations());
        return true;
    }
    databaseProblemShown_ = true;
    // The screens carry on with whatever can be read; without this the user
    // would see an empty list and not know why.
    ShowMessage(this,
                QStringLiteral("The dream symbol database cannot be read, so dream symbols may be "
                               "missing or incomplete.\r\n") +
                    QDir::toNativeSeparators(path) +
                    QStringLiteral(": ") + problem + u'.',
                QMessageBox::Warning);
    return true;
}
