#include "frmLearnPalmistryMain.h"

#include "modLearnPalmistry.h"
#include "modPalmistryGoals.h"
#include "toolkit/AnswerKeys.h"
#include "toolkit/AppInfo.h"
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
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QShortcut>
#include <QStackedWidget>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

const QString kCaption = QStringLiteral("Vessa Learn Palmistry");

// Frames by their index in fraOption.
constexpr int kMemorize = 0;
constexpr int kTestOptions = 1;
constexpr int kGoal = 2;
constexpr int kQuestion = 3;
constexpr int kResult = 4;
constexpr int kStart = 5;

// Pictures are drawn half as large again as their nominal size, and every
// picture box is as large as the largest picture, so the text beside it does
// not move from entry to entry.
constexpr double kPictureScale = 1.5;
const QSize kPictureBox(int(154 * kPictureScale) + 8, int(180 * kPictureScale) + 8);

QFont scaledFont(const QWidget *widget, double factor, bool bold)
{
    QFont font = widget->font();
    font.setPointSizeF(font.pointSizeF() * factor);
    font.setBold(bold);
    return font;
}

QLabel *makePictureBox(const QString &name, QWidget *parent)
{
    auto *picture = new QLabel(parent);
    picture->setObjectName(name);
    picture->setFixedSize(kPictureBox);
    picture->setAlignment(Qt::AlignCenter);
    return picture;
}

// Shows an entry's picture; a picture that cannot be drawn leaves the one before in place.
void showPicture(QLabel *box, int entry)
{
    const QSize size = PalmPictureSize(PalmPictureNumber(entry)) * kPictureScale;
    const QPixmap picture = Look::Picture(PalmPicturePath(entry), size);
    if (!picture.isNull())
        box->setPixmap(picture);
}

// Labels break lines at "\n"; the content joins paragraphs with CR LF.
QString displayText(const QString &text)
{
    return QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// Unticks every button of an exclusive group (an exclusive group keeps one ticked otherwise).
void clearGroup(QButtonGroup *group)
{
    group->setExclusive(false);
    for (QAbstractButton *button : group->buttons())
        button->setChecked(false);
    group->setExclusive(true);
}

// Text beside an option button that wraps to any length; a click on it
// selects the button, as a click on a button's own caption would.
class OptionText : public QLabel {
public:
    OptionText(const QString &name, QAbstractButton *button, QWidget *parent)
        : QLabel(parent), button_(button)
    {
        setObjectName(name);
        setTextFormat(Qt::PlainText);
        setWordWrap(true);
        setAlignment(Qt::AlignLeft | Qt::AlignTop);
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        QLabel::mouseReleaseEvent(event);
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
            button_->setChecked(true);
            button_->setFocus();
        }
    }

private:
    QAbstractButton *button_;
};

// Return and Enter press `button` while any control of `frame` has the focus.
void defaultButton(QWidget *frame, QPushButton *button)
{
    for (const int key : {int(Qt::Key_Return), int(Qt::Key_Enter)}) {
        auto *shortcut = new QShortcut(QKeySequence(key), frame);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        QObject::connect(shortcut, &QShortcut::activated, button, &QPushButton::click);
    }
}

// A scroll area without a frame whose content keeps the area's width, so that
// word-wrapped text only ever scrolls downwards, and only when it must.
QScrollArea *makeTextScroller(QWidget *content, QWidget *parent)
{
    auto *scroller = new QScrollArea(parent);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroller->setWidget(content);
    content->setAutoFillBackground(false);
    scroller->viewport()->setAutoFillBackground(false);
    return scroller;
}

} // namespace

frmLearnPalmistryMain::frmLearnPalmistryMain(ModuleHost &host, std::shared_ptr<Progress::Recorder> recorder,
                                              QWidget *parent)
    : ModuleWindow(QStringLiteral("frmLearnPalmistryMain"), host, parent), recorder_(std::move(recorder))
{
    setWindowTitle(kCaption);
    setFont(QFont(QStringLiteral("Verdana"), 9));

    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction *exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, [this] { CloseModule(); });
    AddHelpMenus(menuBar(), this);

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(8, 6, 8, 4);
    stack_ = new QStackedWidget(central);
    fraOption[kMemorize] = buildMemorizeFrame();
    fraOption[kTestOptions] = buildTestOptionsFrame();
    fraOption[kGoal] = buildGoalFrame();
    fraOption[kQuestion] = buildQuestionFrame();
    fraOption[kResult] = buildResultFrame();
    fraOption[kStart] = buildStartFrame();
    for (QGroupBox *frame : fraOption)
        stack_->addWidget(frame);
    layout->addWidget(stack_, 1);

    // The banners: the forum on the left, the full-brand offer on the right.
    auto *banners = new QHBoxLayout;
    banners->setSpacing(24);
    banners->addWidget(PublisherLinks::ForumBanner(QStringLiteral("Label14"), central), 1);
    banners->addWidget(PublisherLinks::FullBrand(QStringLiteral("Label7"), central), 1);
    layout->addLayout(banners);
    setCentralWidget(central);

    // Fits the module area of the main window on a 1366 x 768 screen; on a
    // narrower screen the window narrows with it (the answers then wrap more).
    setMinimumSize(900, 520);
    resize(qBound(900, AppInfo::ScreenWidthPixels() - 40, 1040), 548);

    LoadGoals();
    LoadPalmistryContent();
    ShowEntry();
    showFrame(kStart);
}

QGroupBox *frmLearnPalmistryMain::makeFrame(int index, const QString &caption)
{
    auto *frame = new QGroupBox(caption, stack_);
    frame->setObjectName(Controls::Indexed("fraOption", index));
    return frame;
}

QGroupBox *frmLearnPalmistryMain::buildStartFrame()
{
    QGroupBox *frame = makeFrame(kStart, QString());
    auto *columns = new QHBoxLayout(frame);
    columns->setContentsMargins(28, 20, 28, 20);
    columns->setSpacing(28);

    auto *v = new QVBoxLayout;
    v->setSpacing(12);
    QLabel *intro = Controls::Label(Controls::Indexed("lblCaption", 2),
                              QStringLiteral("Vessa Free Learn Palmistry helps you learn the basics "
                                             "of palm reading and the interpretation of the "
                                             "different lines on your hands. "),
                              frame);
    intro->setFont(scaledFont(intro, 1.25, true));
    Look::SetTextColour(intro, Look::HeadingGreen);
    v->addWidget(intro);
    v->addWidget(Controls::Label(Controls::Indexed("lblCaption", 3),
                           QStringLiteral("This software is a great tool for beginners and novices "
                                          "who are new to the fascinating world of palmistry."),
                           frame));
    v->addSpacing(8);
    v->addWidget(Controls::Label(Controls::Indexed("lblCaption", 4),
                           QStringLiteral("Select one of the three options to start the learning "
                                          "process."),
                           frame));

    static const std::array<const char *, 3> captions = {"&Memorize Palmistry",
                                                         "&Test Myself on Palmistry", "Set &Goals"};
    optionGroup_ = new QButtonGroup(frame);
    for (int i = 0; i < 3; ++i) {
        auto *option = new QRadioButton(QString::fromLatin1(captions[std::size_t(i)]), frame);
        option->setObjectName(Controls::Indexed("optOption", i));
        option->setFont(scaledFont(option, 1.0, true));
        optionGroup_->addButton(option, i);
        optOption[std::size_t(i)] = option;
        v->addWidget(option);
    }
    v->addSpacing(8);
    cmdProceed = Controls::Button(QStringLiteral("cmdProceed"), QStringLiteral("&Click Here To Proceed"), frame);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdProceed);
    buttons->addStretch(1);
    v->addLayout(buttons);
    v->addStretch(1);
    columns->addLayout(v, 1);

    // A palm with its life line, as a picture for the module's opening screen.
    QLabel *picture = makePictureBox(QStringLiteral("picStart"), frame);
    showPicture(picture, 14);
    columns->addWidget(picture, 0, Qt::AlignTop);

    connect(cmdProceed, &QPushButton::clicked, this, [this] { cmdProceed_Click(); });
    defaultButton(frame, cmdProceed);
    return frame;
}

QGroupBox *frmLearnPalmistryMain::buildMemorizeFrame()
{
    QGroupBox *frame = makeFrame(kMemorize, QStringLiteral("Memorize Palmistry"));
    auto *v = new QVBoxLayout(frame);
    v->setContentsMargins(16, 10, 16, 10);

    auto *columns = new QHBoxLayout;
    columns->setSpacing(20);
    picMemorize = makePictureBox(QStringLiteral("picMemorize"), frame);
    columns->addWidget(picMemorize, 0, Qt::AlignTop);

    auto *texts = new QWidget;
    auto *t = new QVBoxLayout(texts);
    t->setContentsMargins(0, 0, 6, 0);
    t->setSpacing(6);
    lblDesc[0] = Controls::Label(Controls::Indexed("lblDesc", 0), QString(), texts);
    lblDesc[0]->setFont(scaledFont(lblDesc[0], 1.3, true));
    Look::SetTextColour(lblDesc[0], Look::AccentBrown);
    t->addWidget(lblDesc[0]);
    t->addSpacing(4);
    QLabel *shapeHeading = Controls::Label(Controls::Indexed("lblCaption", 1), QStringLiteral("Shape / Location"), texts);
    QLabel *significanceHeading = Controls::Label(Controls::Indexed("lblCaption", 0), QStringLiteral("Significance"), texts);
    for (QLabel *heading : {shapeHeading, significanceHeading}) {
        heading->setFont(scaledFont(heading, 1.0, true));
        Look::SetTextColour(heading, Look::HeadingGreen);
    }
    lblDesc[2] = Controls::Label(Controls::Indexed("lblDesc", 2), QString(), texts);
    lblDesc[1] = Controls::Label(Controls::Indexed("lblDesc", 1), QString(), texts);
    t->addWidget(shapeHeading);
    t->addWidget(lblDesc[2]);
    t->addSpacing(6);
    t->addWidget(significanceHeading);
    t->addWidget(lblDesc[1]);
    t->addStretch(1);
    memorizeScroller_ = makeTextScroller(texts, frame);
    columns->addWidget(memorizeScroller_, 1);
    v->addLayout(columns, 1);

    cmdBack = Controls::Button(QStringLiteral("cmdBack"), QStringLiteral("&Back"), frame);
    cmdNext = Controls::Button(QStringLiteral("cmdNext"), QStringLiteral("&Next"), frame);
    cmdBackToMain[0] = Controls::Button(Controls::Indexed("cmdBackToMain", 0), QStringLiteral("Back To &Main"), frame);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdBack);
    buttons->addWidget(cmdNext);
    buttons->addStretch(1);
    buttons->addWidget(cmdBackToMain[0]);
    v->addLayout(buttons);

    connect(cmdBack, &QPushButton::clicked, this, [this] { cmdBack_Click(); });
    connect(cmdNext, &QPushButton::clicked, this, [this] { cmdNext_Click(); });
    connect(cmdBackToMain[0], &QPushButton::clicked, this, [this] { cmdBackToMain_Click(); });
    defaultButton(frame, cmdNext);
    QWidget::setTabOrder(cmdNext, cmdBack);
    QWidget::setTabOrder(cmdBack, cmdBackToMain[0]);
    return frame;
}

QGroupBox *frmLearnPalmistryMain::buildTestOptionsFrame()
{
    QGroupBox *frame = makeFrame(kTestOptions, QStringLiteral("Test Options"));
    auto *v = new QVBoxLayout(frame);
    v->setContentsMargins(28, 16, 28, 16);
    v->setSpacing(10);

    QLabel *ready =
        Controls::Label(Controls::Indexed("lblCaption", 5), QStringLiteral("Now prepare yourself for the test!"), frame);
    ready->setFont(scaledFont(ready, 1.25, true));
    Look::SetTextColour(ready, Look::HeadingGreen);
    v->addWidget(ready);
    v->addWidget(Controls::Label(Controls::Indexed("lblCaption", 6),
                           QStringLiteral("Select one option below and click on the button to "
                                          "continue."),
                           frame));
    v->addSpacing(6);

    static const std::array<const char *, 3> captions = {
        "Test By &Name of Line / Shape", "Test By &Significance", "Test By &Location / Shape"};
    static const std::array<const char *, 3> explanations = {
        "See the Image and Choose the Name of the Line / Shape from the given options.",
        "See the Image and Choose the Appropriate Significance of the Line / Shape from the given "
        "options.",
        "See the Image and Choose the Appropriate Location / Shape from the given options."};
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(20);
    grid->setVerticalSpacing(12);
    testOptionGroup_ = new QButtonGroup(frame);
    for (int i = 0; i < 3; ++i) {
        auto *option = new QRadioButton(QString::fromLatin1(captions[std::size_t(i)]), frame);
        option->setObjectName(Controls::Indexed("optTestOption", i));
        option->setFont(scaledFont(option, 1.0, true));
        testOptionGroup_->addButton(option, i);
        optTestOption[std::size_t(i)] = option;
        auto *explanation = new OptionText(Controls::Indexed("lblCaption", 7 + i), option, frame);
        explanation->setText(QString::fromLatin1(explanations[std::size_t(i)]));
        grid->addWidget(option, i, 0, Qt::AlignTop);
        grid->addWidget(explanation, i, 1);
    }
    grid->setColumnStretch(1, 1);
    v->addLayout(grid);
    v->addSpacing(10);

    cmdTestOptionNext = Controls::Button(QStringLiteral("cmdTestOptionNext"),
                                   QStringLiteral("&Click Here To Start The Test"), frame);
    cmdBackToMain[2] = Controls::Button(Controls::Indexed("cmdBackToMain", 2), QStringLiteral("Back To &Main"), frame);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdTestOptionNext);
    buttons->addStretch(1);
    buttons->addWidget(cmdBackToMain[2]);
    v->addLayout(buttons);
    v->addStretch(1);

    connect(cmdTestOptionNext, &QPushButton::clicked, this, [this] { cmdTestOptionNext_Click(); });
    connect(cmdBackToMain[2], &QPushButton::clicked, this, [this] { cmdBackToMain_Click(); });
    defaultButton(frame, cmdTestOptionNext);
    return frame;
}

QGroupBox *frmLearnPalmistryMain::buildQuestionFrame()
{
    QGroupBox *frame = makeFrame(kQuestion, QStringLiteral("Test"));
    auto *columns = new QHBoxLayout(frame);
    columns->setContentsMargins(16, 10, 16, 10);
    columns->setSpacing(20);

    // Left: where the test stands, the picture, the title and the way on.
    auto *left = new QVBoxLayout;
    left->setSpacing(8);
    lblQuestionNo = Controls::Label(QStringLiteral("lblQuestionNo"), QString(), frame);
    lblQuestionNo->setFont(scaledFont(lblQuestionNo, 1.0, true));
    picTest = makePictureBox(QStringLiteral("picTest"), frame);
    lblName = Controls::Label(QStringLiteral("lblName"), QString(), frame);
    lblName->setFont(scaledFont(lblName, 1.15, true));
    Look::SetTextColour(lblName, Look::AccentBrown);
    lblName->setFixedWidth(kPictureBox.width());
    cmdNextQuestion = Controls::Button(QStringLiteral("cmdNextQuestion"), QStringLiteral("&Next Question"), frame);
    left->addWidget(lblQuestionNo);
    left->addWidget(picTest);
    left->addWidget(lblName);
    left->addStretch(1);
    left->addWidget(cmdNextQuestion, 0, Qt::AlignLeft);
    columns->addLayout(left);

    // Right: the five answers, each an option button with its text beside it.
    auto *answers = new QWidget;
    auto *grid = new QGridLayout(answers);
    grid->setContentsMargins(0, 0, 6, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(10);
    answerGroup_ = new QButtonGroup(frame);
    for (int i = 0; i < PalmAnswerButtons; ++i) {
        auto *option = new QRadioButton(answers);
        option->setObjectName(Controls::Indexed("Option1", i));
        answerGroup_->addButton(option, i);
        Option1[std::size_t(i)] = option;
        auto *text = new OptionText(Controls::Indexed("lblOption1", i), option, answers);
        answerText_[std::size_t(i)] = text;
        grid->addWidget(option, i, 0, Qt::AlignTop);
        grid->addWidget(text, i, 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(PalmAnswerButtons, 1);
    answerScroller_ = makeTextScroller(answers, frame);
    columns->addWidget(answerScroller_, 1);

    connect(cmdNextQuestion, &QPushButton::clicked, this, [this] { cmdNextQuestion_Click(); });
    defaultButton(frame, cmdNextQuestion);
    AnswerKeys::Install(frame, QList<QAbstractButton *>(Option1.begin(), Option1.end()),
                        cmdNextQuestion);
    return frame;
}

QGroupBox *frmLearnPalmistryMain::buildResultFrame()
{
    QGroupBox *frame = makeFrame(kResult, QStringLiteral("Test Result"));
    auto *v = new QVBoxLayout(frame);
    v->setContentsMargins(12, 10, 12, 10);

    lblScore_ = Quiz::MakeGlanceLabel(frame);
    v->addWidget(lblScore_);
    rtbResult_ = new ReportView(QStringLiteral("RTB"), frame);
    v->addWidget(rtbResult_, 1);
    // The printout is put together here; it is never shown.
    rtbPrint_ = new QTextEdit(frame);
    rtbPrint_->setObjectName(QStringLiteral("RTB1"));
    RTB::MakeDisplay(rtbPrint_, QStringLiteral("Verdana"), 9);
    rtbPrint_->hide();

    cmdPrint = Controls::Button(QStringLiteral("cmdPrint"), QStringLiteral("&Print Test Results"), frame);
    cmdStartTest = Controls::Button(QStringLiteral("cmdStartTest"), QStringLiteral("&Start Test Once More"), frame);
    cmdReviewMissed = Controls::Button(QStringLiteral("cmdReviewMissed"),
                                       QStringLiteral("&Review Missed Answers"), frame);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdReviewMissed);
    buttons->addStretch(1);
    buttons->addWidget(cmdStartTest);
    v->addLayout(buttons);
    connect(cmdReviewMissed, &QPushButton::clicked, this,
            [this] { OpenReviewMissed(this, test_->Outcome().MissedItems()); });

    connect(cmdPrint, &QPushButton::clicked, this, [this] { cmdPrint_Click(); });
    connect(cmdStartTest, &QPushButton::clicked, this, [this] { cmdStartTest_Click(); });
    return frame;
}

QGroupBox *frmLearnPalmistryMain::buildGoalFrame()
{
    QGroupBox *frame = makeFrame(kGoal, QStringLiteral("Goal"));
    auto *v = new QVBoxLayout(frame);
    v->setContentsMargins(16, 10, 16, 10);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(20);
    grid->setVerticalSpacing(6);
    for (int g = 0; g < PalmistryGoals::GoalCount; ++g) {
        const int goal = g + 1;
        auto *check = new QCheckBox(QStringLiteral("Goal &%1").arg(goal), frame);
        check->setObjectName(QStringLiteral("chkGoal%1").arg(goal));
        check->setFont(scaledFont(check, 1.0, true));
        auto *text = new QPlainTextEdit(frame);
        text->setObjectName(QStringLiteral("txtGoal%1").arg(goal));
        text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        text->setTabChangesFocus(true);
        auto *save =
            Controls::Button(QStringLiteral("cmdGoal%1").arg(goal),
                             goal == 1 ? QStringLiteral("&Save") : QStringLiteral("Sa&ve"), frame);
        chkGoal[std::size_t(g)] = check;
        txtGoal[std::size_t(g)] = text;
        cmdGoal[std::size_t(g)] = save;
        grid->addWidget(check, 0, g);
        grid->addWidget(text, 1, g);
        grid->addWidget(save, 2, g, Qt::AlignLeft);

        // Both start cleared: the loaded goal can be read but not edited until ticked.
        text->setEnabled(false);
        save->setEnabled(false);
        connect(check, &QCheckBox::toggled, this, [this, goal] { chkGoal_Click(goal); });
        connect(save, &QPushButton::clicked, this, [this, goal] { cmdGoal_Click(goal); });
    }
    grid->setRowStretch(1, 1);
    v->addLayout(grid, 1);
    v->addSpacing(4);

    cmdBackToMain[1] = Controls::Button(Controls::Indexed("cmdBackToMain", 1),
                                        QStringLiteral("Back To &Main"), frame);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdBackToMain[1]);
    v->addLayout(buttons);
    connect(cmdBackToMain[1], &QPushButton::clicked, this, [this] { cmdBackToMain_Click(); });

    QWidget::setTabOrder(chkGoal[0], txtGoal[0]);
    QWidget::setTabOrder(txtGoal[0], cmdGoal[0]);
    QWidget::setTabOrder(cmdGoal[0], chkGoal[1]);
    QWidget::setTabOrder(chkGoal[1], txtGoal[1]);
    QWidget::setTabOrder(txtGoal[1], cmdGoal[1]);
    QWidget::setTabOrder(cmdGoal[1], cmdBackToMain[1]);
    return frame;
}

void frmLearnPalmistryMain::showFrame(int index)
{
    stack_->setCurrentWidget(fraOption[std::size_t(index)]);
    QWidget *focus = nullptr;
    switch (index) {
    case kStart:
        focus = optionGroup_->checkedButton() ? optionGroup_->checkedButton() : optOption[0];
        break;
    case kMemorize:
        focus = cmdNext;
        break;
    case kTestOptions:
        focus = testOptionGroup_->checkedButton() ? testOptionGroup_->checkedButton() : optTestOption[0];
        break;
    case kQuestion:
        focus = Option1[0];
        break;
    case kResult:
        focus = cmdPrint;
        break;
    case kGoal:
        focus = chkGoal[0];
        break;
    default:
        break;
    }
    if (focus)
        focus->setFocus();
}

void frmLearnPalmistryMain::ShowEntry()
{
    const PalmEntryView entry = PalmEntryTexts(PalmEntry());
    showPicture(picMemorize, PalmEntry());
    lblDesc[0]->setText(entry.title);
    lblDesc[1]->setText(displayText(entry.significance));
    lblDesc[2]->setText(displayText(entry.shapeLocation));
    memorizeScroller_->ensureVisible(0, 0);
}

void frmLearnPalmistryMain::LoadGoals()
{
    for (int g = 0; g < PalmistryGoals::GoalCount; ++g)
        txtGoal[std::size_t(g)]->setPlainText(PalmistryGoals::PrepareAndLoadGoal(Locations(), g + 1).text);
}

void frmLearnPalmistryMain::cmdProceed_Click()
{
    const int chosen = optionGroup_->checkedId();
    if (chosen < 0) {
        ShowMessage(this, QStringLiteral("Please select an option"), QMessageBox::Critical);
        return;
    }
    showFrame(chosen); // 0 memorize, 1 choice of test, 2 goals
}

void frmLearnPalmistryMain::cmdNext_Click()
{
    if (PalmNextEntry() == PalmNavigation::AtLast) {
        ShowMessage(this, QStringLiteral("You are at the last record"), QMessageBox::Information);
        return;
    }
    ShowEntry();
}

void frmLearnPalmistryMain::cmdBack_Click()
{
    if (PalmPreviousEntry() == PalmNavigation::AtFirst) {
        ShowMessage(this, QStringLiteral("You are at the first record"), QMessageBox::Information);
        return;
    }
    ShowEntry();
}

void frmLearnPalmistryMain::cmdBackToMain_Click() { showFrame(kStart); }

void frmLearnPalmistryMain::cmdTestOptionNext_Click()
{
    const int kind = testOptionGroup_->checkedId();
    if (kind < 0) {
        ShowMessage(this, QStringLiteral("Please select a test option"), QMessageBox::Critical);
        return;
    }
    kind_ = static_cast<PalmTestKind>(kind);
    test_ = StartPalmTest(kind_, uniform_);
    clearGroup(answerGroup_);
    PresentQuestion();
    showFrame(kQuestion);
}

void frmLearnPalmistryMain::PresentQuestion()
{
    const Quiz::Question &question = test_->CurrentQuestion();
    lblQuestionNo->setText(question.Progress());
    lblName->setText(question.subject);
    lblName->setVisible(kind_ != PalmTestKind::Name);
    showPicture(picTest, question.item);
    for (std::size_t i = 0; i < answerText_.size(); ++i) {
        const QString text = displayText(question.choices.value(qsizetype(i)));
        answerText_[i]->setText(text);
        Option1[i]->setAccessibleName(text);
    }
    answerScroller_->ensureVisible(0, 0);
}

void frmLearnPalmistryMain::cmdNextQuestion_Click()
{
    const int chosen = answerGroup_->checkedId();
    if (chosen < 0) {
        ShowMessage(this, QStringLiteral("Please select an answer"), QMessageBox::Critical);
        return;
    }
    clearGroup(answerGroup_);
    if (test_->Answer(chosen)) {
        BuildResult();
        return;
    }
    PresentQuestion();
    Option1[0]->setFocus();
}

void frmLearnPalmistryMain::BuildResult()
{
    const Quiz::Result &result = test_->Outcome();
    WritePalmResult(rtbResult_, result);
    Quiz::MarkWrongAnswers(rtbResult_, result, QStringLiteral("Your Answer:"),
                           QStringLiteral("Correct Choice: "));
    lblScore_->setText(Quiz::GlanceText(result));
    // Show the list from its first question rather than wherever writing left the view.
    rtbResult_->moveCursor(QTextCursor::Start);
    rtbResult_->ensureCursorVisible();
    showFrame(kResult);
    // Only a quiz that reached its result goes into the progress record.
    recorder_->RecordFinishedTest(result.Record(), this);
}

// Through the print dialog, so a learner without a printer still prints to a
// PDF file; a failing printer is reported.
void frmLearnPalmistryMain::cmdPrint_Click() { PrintTo(nullptr); }

Printing::Outcome frmLearnPalmistryMain::PrintTo(QPrinter *printer)
{
    return Printing::PrintResult(rtbPrint_, rtbResult_->toPlainText(), this, printer);
}

void frmLearnPalmistryMain::cmdStartTest_Click()
{
    clearGroup(testOptionGroup_);
    showFrame(kTestOptions);
}

void frmLearnPalmistryMain::chkGoal_Click(int goal)
{
    const auto g = std::size_t(goal - 1);
    const bool on = chkGoal[g]->isChecked();
    txtGoal[g]->setEnabled(on);
    cmdGoal[g]->setEnabled(on);
    if (on)
        txtGoal[g]->setFocus();
}

void frmLearnPalmistryMain::cmdGoal_Click(int goal)
{
    const auto g = std::size_t(goal - 1);
    const PalmistryGoals::Saved saved = PalmistryGoals::SaveGoal(Locations(), goal, txtGoal[g]->toPlainText());
    if (!saved.ok)
        ShowMessage(this, saved.error, QMessageBox::Critical);
}
