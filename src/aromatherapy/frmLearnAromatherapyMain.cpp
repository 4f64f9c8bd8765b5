#include "frmLearnAromatherapyMain.h"

#include "modAromaTest.h"
#include "quiz/QuizReport.h"
#include "toolkit/AnswerKeys.h"
#include "toolkit/Controls.h"
#include "toolkit/LinkLabel.h"
#include "toolkit/MsgBox.h"
#include "toolkit/frmReviewMissed.h"
#include "toolkit/modHelp.h"
#include "toolkit/modRTB.h"
#include "progress/ProgressRecorder.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

const QString kCaption = QStringLiteral("Vessa Learn Aromatherapy");

QFont scaledFont(const QWidget *widget, double factor, bool bold)
{
    QFont font = widget->font();
    font.setPointSizeF(font.pointSizeF() * factor);
    font.setBold(bold);
    return font;
}

// A bordered panel that groups one option with its lists.
QFrame *makePanel(QWidget *parent)
{
    auto *panel = new QFrame(parent);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);
    return panel;
}

} // namespace

frmLearnAromatherapyMain::frmLearnAromatherapyMain(ModuleHost &host, std::shared_ptr<Progress::Recorder> recorder,
                                                    QWidget *parent)
    : ModuleWindow(QStringLiteral("frmLearnAromatherapyMain"), host, parent), recorder_(std::move(recorder))
{
    setWindowTitle(kCaption);
    setFont(QFont(QStringLiteral("Verdana"), 9));

    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("nuFile"));
    QAction *exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, [this] { CloseModule(); });
    AddHelpMenus(menuBar(), this, HelpMenuCaptions{QStringLiteral("&Check for Software Update")});

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(8, 8, 8, 4);
    stack_ = new QStackedWidget(central);
    Frame1 = buildOptionsFrame();
    Frame2 = buildLearnFrame();
    Frame3 = buildQuestionFrame();
    Frame4 = buildResultFrame();
    for (QWidget *frame : {Frame1, Frame2, Frame3, Frame4})
        stack_->addWidget(frame);
    layout->addWidget(stack_, 1);
    layout->addWidget(PublisherLinks::Strip(central));
    setCentralWidget(central);

    // Fits the module area of the main window on a 1366 x 768 screen.
    setMinimumSize(880, 520);
    resize(900, 540);

    selectFirstEntries();
    cboLearn->setEnabled(true);
    cboTest->setEnabled(false);
    cboTestLevel->setEnabled(false);
    optChoice1->setChecked(true);
    model_.SetLearnMode(true, cboLearn->currentIndex());
    stack_->setCurrentWidget(Frame1);
    optChoice1->setFocus();
}

QWidget *frmLearnAromatherapyMain::buildOptionsFrame()
{
    auto *frame = new QWidget(stack_);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto *v = new QVBoxLayout(frame);
    v->setContentsMargins(24, 16, 24, 16);
    v->setSpacing(10);

    QLabel *welcome = Controls::Label(Controls::Indexed("Label1", 0),
                                QStringLiteral("Welcome to the world of learning the significance "
                                               "of aromatherapy oils and essences."),
                                frame);
    welcome->setFont(scaledFont(welcome, 1.35, true));
    v->addWidget(welcome);
    v->addWidget(Controls::Label(Controls::Indexed("Label1", 1),
                           QStringLiteral("This software aims to help you understand the "
                                          "importance of aromatherapy better and learn the uses "
                                          "of different oils."),
                           frame));
    v->addWidget(Controls::Label(Controls::Indexed("Label1", 2),
                           QStringLiteral("Select one option below and click on the Next button "
                                          "to continue."),
                           frame));
    v->addSpacing(6);
    v->addWidget(Controls::Label(Controls::Indexed("Label1", 5),
                           QStringLiteral("Select one option from the given choices below."),
                           frame));

    auto *columns = new QHBoxLayout;
    columns->setSpacing(16);

    QFrame *learnPanel = makePanel(frame);
    auto *learnLayout = new QVBoxLayout(learnPanel);
    learnLayout->setContentsMargins(14, 12, 14, 12);
    optChoice1 = new QRadioButton(QStringLiteral("&Learn Options"), learnPanel);
    optChoice1->setObjectName(QStringLiteral("optChoice1"));
    optChoice1->setFont(scaledFont(optChoice1, 1.0, true));
    cboLearn = new QComboBox(learnPanel);
    cboLearn->setObjectName(QStringLiteral("cboLearn"));
    cboLearn->addItems({QStringLiteral("All Herbs"), QStringLiteral("Irritant Oils")});
    learnLayout->addWidget(optChoice1);
    learnLayout->addWidget(cboLearn);
    learnLayout->addStretch(1);
    columns->addWidget(learnPanel, 2);

    QFrame *testPanel = makePanel(frame);
    auto *testLayout = new QGridLayout(testPanel);
    testLayout->setContentsMargins(14, 12, 14, 12);
    optChoice2 = new QRadioButton(QStringLiteral("&Test Options"), testPanel);
    optChoice2->setObjectName(QStringLiteral("optChoice2"));
    optChoice2->setFont(scaledFont(optChoice2, 1.0, true));
    cboTest = new QComboBox(testPanel);
    cboTest->setObjectName(QStringLiteral("cboTest"));
    for (int kind = 0; kind < AromaTestKindCount; ++kind)
        cboTest->addItem(AromaTestKindCaption(kind));
    cboTestLevel = new QComboBox(testPanel);
    cboTestLevel->setObjectName(QStringLiteral("cboTestLevel"));
    for (int level = 0; level < 3; ++level)
        cboTestLevel->addItem(AromaLevelCaption(level));
    QLabel *criteria = Controls::Label(Controls::Indexed("Label1", 3),
                                       QStringLiteral("Test &Criteria"), testPanel);
    QLabel *level =
        Controls::Label(Controls::Indexed("Label1", 4), QStringLiteral("Test Le&vel"), testPanel);
    // Access keys through the buddies (a plain-text label shows "&" as it is).
    for (QLabel *label : {criteria, level}) {
        label->setWordWrap(false);
        label->setTextFormat(Qt::AutoText);
    }
    criteria->setBuddy(cboTest);
    level->setBuddy(cboTestLevel);
    testLayout->addWidget(optChoice2, 0, 0, 1, 2);
    testLayout->addWidget(criteria, 1, 0);
    testLayout->addWidget(cboTest, 1, 1);
    testLayout->addWidget(level, 2, 0);
    testLayout->addWidget(cboTestLevel, 2, 1);
    testLayout->setColumnStretch(1, 1);
    testLayout->setRowStretch(3, 1);
    columns->addWidget(testPanel, 3);
    v->addLayout(columns);

    // The two option buttons sit in different panels, so a group keeps them exclusive.
    auto *choiceGroup = new QButtonGroup(frame);
    choiceGroup->addButton(optChoice1);
    choiceGroup->addButton(optChoice2);

    cmdNext = Controls::Button(QStringLiteral("cmdNext"),
                               QStringLiteral("Lear&n / Test Aromatherapy"), frame);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdNext);
    buttons->addStretch(1);
    v->addSpacing(6);
    v->addLayout(buttons);
    v->addStretch(1);

    connect(optChoice1, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optChoice1_Click();
    });
    connect(optChoice2, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optChoice2_Click();
    });
    // The choice is the entry picked in the list of the current mode; the
    // list of the other mode is disabled and does not change it.
    for (QComboBox *box : {cboLearn, cboTest}) {
        const auto storeChoice = [this, box](int index) {
            if (index >= 0 && box == (model_.AromaLearnMode ? cboLearn : cboTest))
                model_.AromaChoice = static_cast<std::int16_t>(index);
        };
        connect(box, &QComboBox::activated, this, storeChoice);
        connect(box, &QComboBox::currentIndexChanged, this, storeChoice);
    }
    const auto storeLevel = [this](int index) {
        if (index >= 0)
            model_.AromaLevel = static_cast<std::int16_t>(index);
    };
    connect(cboTestLevel, &QComboBox::activated, this, storeLevel);
    connect(cboTestLevel, &QComboBox::currentIndexChanged, this, storeLevel);
    connect(cmdNext, &QPushButton::clicked, this, [this] { cmdNext_Click(); });

    QWidget::setTabOrder(optChoice1, cboLearn);
    QWidget::setTabOrder(cboLearn, optChoice2);
    QWidget::setTabOrder(optChoice2, cboTest);
    QWidget::setTabOrder(cboTest, cboTestLevel);
    QWidget::setTabOrder(cboTestLevel, cmdNext);
    return frame;
}

QWidget *frmLearnAromatherapyMain::buildLearnFrame()
{
    static const std::array<const char *, 7> captions = {
        "Herb",   "Planetary Association", "Astrological Association", "Element",
        "Gender", "Magical Properties",    "Therapeutic Properties"};

    auto *frame = new QWidget(stack_);
    frame->setObjectName(QStringLiteral("Frame2"));
    auto *v = new QVBoxLayout(frame);
    v->setContentsMargins(24, 16, 24, 16);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(12);
    for (int i = 0; i < 7; ++i) {
        QLabel *caption =
            Controls::Label(Controls::Indexed("lblLabel", i), QString::fromLatin1(captions[std::size_t(i)]), frame);
        caption->setWordWrap(false);
        caption->setFont(scaledFont(caption, 1.0, true));
        caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        // Level with the text inside the framed value label (frame 1 + margin 3).
        caption->setContentsMargins(0, 4, 0, 0);
        QLabel *value = Controls::Label(Controls::Indexed("lblDesc", i), QString(), frame);
        value->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        value->setFrameShape(QFrame::StyledPanel);
        value->setMinimumHeight(caption->sizeHint().height() + 6);
        value->setMargin(3);
        if (i == 0)
            value->setFont(scaledFont(value, 1.2, true));
        lblDesc[std::size_t(i)] = value;
        grid->addWidget(caption, i, 0);
        grid->addWidget(value, i, 1);
    }
    grid->setColumnStretch(1, 1);
    v->addLayout(grid);
    v->addStretch(1);

    cmdBackDesc = Controls::Button(QStringLiteral("cmdBackDesc"), QStringLiteral("Bac&k"), frame);
    cmdNextDesc = Controls::Button(QStringLiteral("cmdNextDesc"), QStringLiteral("&Next"), frame);
    cmdBackToMain[0] =
        Controls::Button(Controls::Indexed("cmdBackToMain", 0), QStringLiteral("&Back To Main"), frame);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdBackDesc);
    buttons->addWidget(cmdNextDesc);
    buttons->addStretch(1);
    buttons->addWidget(cmdBackToMain[0]);
    v->addLayout(buttons);

    connect(cmdBackDesc, &QPushButton::clicked, this, [this] { cmdBackDesc_Click(); });
    connect(cmdNextDesc, &QPushButton::clicked, this, [this] { cmdNextDesc_Click(); });
    connect(cmdBackToMain[0], &QPushButton::clicked, this, [this] { cmdBackToMain_Click(); });

    QWidget::setTabOrder(cmdNextDesc, cmdBackDesc);
    QWidget::setTabOrder(cmdBackDesc, cmdBackToMain[0]);
    return frame;
}

QWidget *frmLearnAromatherapyMain::buildQuestionFrame()
{
    auto *frame = new QWidget(stack_);
    frame->setObjectName(QStringLiteral("Frame3"));
    auto *v = new QVBoxLayout(frame);
    v->setContentsMargins(24, 16, 24, 16);
    v->setSpacing(10);

    lblQuestionNo = Controls::Label(QStringLiteral("lblQuestionNo"), QString(), frame);
    lblQuestionNo->setFont(scaledFont(lblQuestionNo, 1.0, true));
    lblTestSubject = Controls::Label(QStringLiteral("lblTestSubject"), QString(), frame);
    lblTestSubject->setFont(scaledFont(lblTestSubject, 1.6, true));
    v->addWidget(lblQuestionNo);
    v->addWidget(lblTestSubject);
    v->addSpacing(6);
    v->addWidget(Controls::Label(QStringLiteral("Label2"),
                           QStringLiteral("Select One of the following options"), frame));

    answerGroup_ = new QButtonGroup(frame);
    for (int i = 0; i < 3; ++i) {
        auto *option = new QRadioButton(frame);
        option->setObjectName(Controls::Indexed("optAnswerOption", i));
        answerGroup_->addButton(option, i);
        optAnswerOption[std::size_t(i)] = option;
        v->addWidget(option);
    }
    v->addSpacing(10);

    cmdNextQuestion = Controls::Button(QStringLiteral("cmdNextQuestion"),
                                       QStringLiteral("&Next Question"), frame);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdNextQuestion);
    buttons->addStretch(1);
    v->addLayout(buttons);
    v->addStretch(1);

    connect(cmdNextQuestion, &QPushButton::clicked, this, [this] { cmdNextQuestion_Click(); });
    AnswerKeys::Install(frame, {optAnswerOption[0], optAnswerOption[1], optAnswerOption[2]},
                        cmdNextQuestion);
    return frame;
}

QWidget *frmLearnAromatherapyMain::buildResultFrame()
{
    auto *frame = new QWidget(stack_);
    frame->setObjectName(QStringLiteral("Frame4"));
    auto *v = new QVBoxLayout(frame);
    v->setContentsMargins(16, 12, 16, 12);

    lblScore_ = Quiz::MakeGlanceLabel(frame);
    v->addWidget(lblScore_);
    rtbResult_ = new QTextEdit(frame);
    rtbResult_->setObjectName(QStringLiteral("RTB"));
    RTB::MakeDisplay(rtbResult_, QStringLiteral("Verdana"), 10);
    InstallClipboardGuard(rtbResult_);
    v->addWidget(rtbResult_, 1);

    cmdBackToMain[1] =
        Controls::Button(Controls::Indexed("cmdBackToMain", 1), QStringLiteral("&Back To Main"), frame);
    cmdReviewMissed = Controls::Button(QStringLiteral("cmdReviewMissed"),
                                       QStringLiteral("&Review Missed Answers"), frame);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdReviewMissed);
    buttons->addStretch(1);
    buttons->addWidget(cmdBackToMain[1]);
    v->addLayout(buttons);

    connect(cmdBackToMain[1], &QPushButton::clicked, this, [this] { cmdBackToMain_Click(); });
    connect(cmdReviewMissed, &QPushButton::clicked, this,
            [this] { OpenReviewMissed(this, model_.Test->Outcome().MissedItems()); });
    return frame;
}

void frmLearnAromatherapyMain::selectFirstEntries()
{
    cboLearn->setCurrentIndex(0);
    cboTest->setCurrentIndex(0);
    cboTestLevel->setCurrentIndex(0);
    // Selecting an entry that was already selected sends no change, so store explicitly.
    model_.AromaChoice = 0;
    model_.AromaLevel = 0;
}

// Switching mode makes the choice the entry the newly enabled list shows, so
// the button starts what the screen shows rather than what was last picked in
// the list that is now disabled.
void frmLearnAromatherapyMain::optChoice1_Click()
{
    cboLearn->setEnabled(true);
    cboTest->setEnabled(false);
    cboTestLevel->setEnabled(false);
    model_.SetLearnMode(true, cboLearn->currentIndex());
}

void frmLearnAromatherapyMain::optChoice2_Click()
{
    cboTest->setEnabled(true);
    cboTestLevel->setEnabled(true);
    cboLearn->setEnabled(false);
    model_.SetLearnMode(false, cboTest->currentIndex());
}

void frmLearnAromatherapyMain::cmdNext_Click()
{
    if (model_.AromaLearnMode) {
        model_.StartLearning();
        ShowOil();
        stack_->setCurrentWidget(Frame2);
        cmdNextDesc->setFocus();
        return;
    }
    model_.StartTest();
    Test_Aromatherapy();
    stack_->setCurrentWidget(Frame3);
    optAnswerOption[0]->setFocus();
}

void frmLearnAromatherapyMain::ShowOil()
{
    const std::array<QString, 7> desc = OilDescription(model_.AromaCurrent);
    for (std::size_t i = 0; i < desc.size(); ++i)
        lblDesc[i]->setText(AromaLabelText(desc[i]));
}

void frmLearnAromatherapyMain::cmdNextDesc_Click()
{
    if (model_.NextOil() == AromaNavigation::AtLast)
        ShowMessage(this, QStringLiteral("You are at the last record"), QMessageBox::Critical);
    else
        ShowOil();
}

void frmLearnAromatherapyMain::cmdBackDesc_Click()
{
    if (model_.PreviousOil() == AromaNavigation::AtFirst)
        ShowMessage(this, QStringLiteral("You are at the first record"), QMessageBox::Critical);
    else
        ShowOil();
}

void frmLearnAromatherapyMain::Test_Aromatherapy()
{
    const Quiz::Question &question = model_.Test->CurrentQuestion();
    lblTestSubject->setText(AromaLabelText(question.subject));
    lblQuestionNo->setText(question.Progress());
    // Option buttons show "&&" as one "&", so the stored text is the caption.
    for (std::size_t i = 0; i < optAnswerOption.size(); ++i) {
        optAnswerOption[i]->setText(question.choices.value(qsizetype(i)));
        optAnswerOption[i]->setVisible(qsizetype(i) < question.choices.size());
    }
    optAnswerOption[0]->setChecked(true);
}

void frmLearnAromatherapyMain::cmdNextQuestion_Click()
{
    // The first of buttons 0 and 1 that is selected, else button 2.
    int chosen = 2;
    if (optAnswerOption[0]->isChecked())
        chosen = 0;
    else if (optAnswerOption[1]->isChecked())
        chosen = 1;
    if (!model_.Test->Answer(chosen)) {
        Test_Aromatherapy();
        optAnswerOption[0]->setFocus();
        return;
    }
    Test_Aromatherapy_Result();
    stack_->setCurrentWidget(Frame4);
    cmdBackToMain[1]->setFocus();
}

void frmLearnAromatherapyMain::Test_Aromatherapy_Result()
{
    optAnswerOption[2]->show();
    const Quiz::Result &result = model_.Test->Outcome();

    RTB::Empty(rtbResult_);
    RTB::SetBold(rtbResult_, true);
    RTB::SetSize(rtbResult_, 10);
    RTB::Append(rtbResult_, AromaResultTitle());
    RTB::SetBold(rtbResult_, false);
    for (const Quiz::Answered &question : result.questions)
        RTB::Append(rtbResult_, AromaResultBlock(question));
    RTB::Append(rtbResult_, AromaScoreText(result));
    Quiz::MarkWrongAnswers(rtbResult_, result, QStringLiteral("Your Answer: "),
                           QStringLiteral("Correct Answer: "));
    lblScore_->setText(Quiz::GlanceText(result));
    // Show the list from its heading rather than wherever writing left the view.
    rtbResult_->moveCursor(QTextCursor::Start);
    rtbResult_->ensureCursorVisible();
    // Only a test that reached its result goes into the progress record.
    recorder_->RecordFinishedTest(result.Record(), this);
}

void frmLearnAromatherapyMain::cmdBackToMain_Click()
{
    selectFirstEntries();
    cboLearn->show();
    cboLearn->setEnabled(true);
    cboTest->setEnabled(false);
    cboTestLevel->setEnabled(false);
    optChoice1->setChecked(true);
    model_.SetLearnMode(true, cboLearn->currentIndex());
    stack_->setCurrentWidget(Frame1);
    optChoice1->setFocus();
}
