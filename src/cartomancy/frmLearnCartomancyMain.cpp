#include "frmLearnCartomancyMain.h"

#include "WrappingWidgets.h"
#include "modLearnCartomancyDB.h"
#include "modLearnCartomancyImageDB.h"
#include "modLearnCartomancySettings.h"
#include "modLearnCartomancyStartup.h"
#include "toolkit/AnswerKeys.h"
#include "toolkit/AppInfo.h"
#include "toolkit/Controls.h"
#include "toolkit/FileWriter.h"
#include "toolkit/LinkLabel.h"
#include "toolkit/Look.h"
#include "toolkit/MsgBox.h"
#include "toolkit/ReportView.h"
#include "toolkit/UpdateReminder.h"
#include "toolkit/frmReviewMissed.h"
#include "toolkit/modHelp.h"
#include "toolkit/modRTB.h"
#include "toolkit/modRandom.h"
#include "progress/ProgressRecorder.h"
#include "quiz/QuizReport.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QTextCursor>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>

namespace {

const QString kCaption = QStringLiteral("Vessa Learn Cartomancy");
const QString kSelectOption = QStringLiteral("Select at least one option.");
constexpr QSize kCardPictureSize(250, 350); // the card faces' own size

QLabel *makeLabel(const QString &text, QWidget *parent, const QString &name = QString())
{
    auto *label = new WrappingLabel(text, parent);
    if (!name.isEmpty())
        label->setObjectName(name);
    return label;
}

QPushButton *makeButton(const QString &name, const QString &caption, QWidget *parent)
{
    return Controls::Button(name, caption, parent, 110);
}

QPlainTextEdit *makeTextBox(const QString &name, bool readOnly, QWidget *parent)
{
    auto *box = new QPlainTextEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(readOnly);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setTabChangesFocus(true);
    return box;
}

QLabel *makePictureBox(const QString &name, QWidget *parent)
{
    auto *box = new QLabel(parent);
    box->setObjectName(name);
    box->setFixedSize(kCardPictureSize);
    box->setAlignment(Qt::AlignCenter);
    box->setFocusPolicy(Qt::StrongFocus); // the question picture takes the focus after each question
    return box;
}

// A check box caption shows "&" only when it is doubled.
QString plainCaption(const QString &text)
{
    QString caption = text;
    caption.replace(u'&', QStringLiteral("&&"));
    return caption;
}

void setBold(QWidget *widget, double factor = 1.0)
{
    QFont font = widget->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * factor);
    widget->setFont(font);
}

} // namespace

frmLearnCartomancyMain::frmLearnCartomancyMain(ModuleHost &host, std::shared_ptr<Progress::Recorder> recorder,
                                               QWidget *parent)
    : ModuleWindow(QStringLiteral("frmLearnCartomancyMain"), host, parent), recorder_(std::move(recorder)),
      settings_(host.Locations().SettingsFile()), trayAvailable_(QSystemTrayIcon::isSystemTrayAvailable()),
      globals_(CartomancyGlobals::Shared())
{
    setWindowTitle(kCaption);
    setWindowIcon(Look::AppIcon());
    setFont(Look::Verdana(8.5));
    buildMenus();

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(6, 6, 6, 2);
    layout->setSpacing(2);
    SSTab1 = new QTabWidget(central);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->addTab(buildGoalsTab(), QStringLiteral("My Personal Goal"));
    SSTab1->addTab(buildSettingsTab(), QStringLiteral("Settings"));
    SSTab1->addTab(buildMemorizeTab(), QStringLiteral("Memorize Cards"));
    SSTab1->addTab(buildTestTab(), QStringLiteral("Take Test"));
    SSTab1->addTab(buildResultsTab(), QStringLiteral("Results"));

    // "Donate" and "Exit" sit beside the tab headers.
    auto *corner = new QWidget(SSTab1);
    auto *cornerLayout = new QHBoxLayout(corner);
    cornerLayout->setContentsMargins(0, 0, 2, 2);
    auto *cmdReset = makeButton(QStringLiteral("cmdReset"), QStringLiteral("Donate"), corner);
    auto *cmdNav = makeButton(Controls::Indexed("cmdNav", 1), QStringLiteral("E&xit"), corner);
    cmdReset->setMinimumWidth(80);
    cmdNav->setMinimumWidth(80);
    cornerLayout->addWidget(cmdReset);
    cornerLayout->addWidget(cmdNav);
    SSTab1->setCornerWidget(corner, Qt::TopRightCorner);
    connect(cmdReset, &QPushButton::clicked, this, [] { OpenDonationPage(); });
    connect(cmdNav, &QPushButton::clicked, this, [this] { CloseModule(); });

    layout->addWidget(SSTab1, 1);
    layout->addWidget(PublisherLinks::Strip(central, QStringLiteral("lblForum"), QStringLiteral("lblCobrand"),
                                            QStringLiteral("lblFullBrand")));
    setCentralWidget(central);
    connect(SSTab1, &QTabWidget::currentChanged, this, [this](int tab) { SSTab1_Click(tab); });

    // The tray icon's menu; "Show" is its default (bold) item.
    mnuPopUp = new QMenu(this);
    mnuPopUp->setObjectName(QStringLiteral("mnuPopUp"));
    QAction *mnuShow = mnuPopUp->addAction(QStringLiteral("Show"));
    mnuShow->setObjectName(QStringLiteral("mnuShow"));
    QFont bold = mnuShow->font();
    bold.setBold(true);
    mnuShow->setFont(bold);
    mnuPopUp->setDefaultAction(mnuShow);
    QAction *mnuExit = mnuPopUp->addAction(QStringLiteral("Exit"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));
    connect(mnuShow, &QAction::triggered, this, [this] { mnuShow_Click(); });
    connect(mnuExit, &QAction::triggered, this, [this] { CloseModule(); });

    setMinimumSize(900, 520);
    resize(980, 540);

    // The window's load steps, in order. (Placing it is the main window's part.)
    RunUpdateReminder(settings_);
    SSTab1->setCurrentIndex(SettingsTab); // disables tabs 2 to 4
    for (int goal = 0; goal < 2; ++goal) {
        txtGoal[size_t(goal)]->setEnabled(false);
        cmdSaveGoal[size_t(goal)]->setEnabled(false);
    }
    loadGoals();
    LoadObjectiveSettings();
    if (IsRunAtStartup(Locations().AutostartFolder(), AppInfo::ApplicationName())) {
        optRun->setChecked(true);
        optRun_Click();
        const bool tray = CartomancySettings::ReadRunAtSysTray(settings_);
        if (chkSysTray->isChecked() != tray) {
            chkSysTray->setChecked(tray);
            chkSysTray_Click();
        }
    } else {
        optDontRun->setChecked(true);
        optDontRun_Click();
    }
    for (int tab : {MemorizeTab, TestTab, ResultsTab})
        SSTab1->setTabEnabled(tab, false);
    // To the tray once the main window has shown this window.
    if (chkSysTray->isChecked() && CommandLineHasStartupSwitch(Host().Arguments()))
        QTimer::singleShot(0, this, [this] { GoToSystemTray(); });
}

frmLearnCartomancyMain::~frmLearnCartomancyMain() { RemoveTrayIcon(); }

void frmLearnCartomancyMain::buildMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction *goals = file->addAction(QStringLiteral("&My Personal Goals"));
    goals->setObjectName(QStringLiteral("mnuTabGoals"));
    QAction *settings = file->addAction(QStringLiteral("Settings"));
    settings->setObjectName(QStringLiteral("mnuTabSettings"));
    file->addSeparator();
    QAction *exit = file->addAction(QStringLiteral("&Exit"));
    exit->setObjectName(QStringLiteral("mnuExit1"));
    connect(goals, &QAction::triggered, this, [this] { selectTab(GoalsTab); });
    connect(settings, &QAction::triggered, this, [this] { selectTab(SettingsTab); });
    connect(exit, &QAction::triggered, this, [this] { CloseModule(); });
    AddHelpMenus(menuBar(), this,
                 HelpMenuCaptions{QStringLiteral("Check for Software &Update"), QStringLiteral("Donate")});
}

QWidget *frmLearnCartomancyMain::buildGoalsTab()
{
    auto *page = new QWidget(this);
    page->setObjectName(QStringLiteral("tabGoals"));
    auto *v = new QVBoxLayout(page);
    v->setContentsMargins(16, 12, 16, 12);
    v->setSpacing(10);
    v->addWidget(makeLabel(QStringLiteral("It is important to set goals and targets to be able to see and measure "
                                          "your achievements. This seemingly small task will yield tremendous "
                                          "results, when taken seriously. Setting goals will help you keep a clear, "
                                          "focussed and dedicated mindset towards fulfilling your aims in life. "),
                           page, QStringLiteral("lblGoalIntro")));
    auto *columns = new QHBoxLayout;
    columns->setSpacing(16);
    for (int goal = 0; goal < 2; ++goal) {
        const QString number = QString::number(goal + 1);
        auto *column = new QVBoxLayout;
        auto *check = new QCheckBox(QStringLiteral("Goal &") + number, page);
        check->setObjectName(QStringLiteral("chkGoal") + number);
        setBold(check);
        auto *text = makeTextBox(QStringLiteral("txtGoal") + number, false, page);
        auto *save =
            makeButton(QStringLiteral("cmdSaveGoal") + number,
                       goal == 0 ? QStringLiteral("&Save") : QStringLiteral("Sa&ve"), page);
        chkGoal[size_t(goal)] = check;
        txtGoal[size_t(goal)] = text;
        cmdSaveGoal[size_t(goal)] = save;
        column->addWidget(check);
        column->addWidget(text, 1);
        auto *buttons = new QHBoxLayout;
        buttons->addStretch(1);
        buttons->addWidget(save);
        column->addLayout(buttons);
        columns->addLayout(column, 1);
        connect(check, &QCheckBox::clicked, this, [this, goal] { chkGoal_Click(goal); });
        connect(save, &QPushButton::clicked, this, [this, goal] { cmdSaveGoal_Click(goal); });
    }
    v->addLayout(columns, 1);
    QWidget::setTabOrder(chkGoal[0], txtGoal[0]);
    QWidget::setTabOrder(txtGoal[0], cmdSaveGoal[0]);
    QWidget::setTabOrder(cmdSaveGoal[0], chkGoal[1]);
    QWidget::setTabOrder(chkGoal[1], txtGoal[1]);
    QWidget::setTabOrder(txtGoal[1], cmdSaveGoal[1]);
    return page;
}

QWidget *frmLearnCartomancyMain::buildSettingsTab()
{
    auto *page = new QWidget(this);
    page->setObjectName(QStringLiteral("tabSettings"));
    auto *grid = new QGridLayout(page);
    grid->setContentsMargins(10, 8, 10, 8);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);

    // Objectives.
    auto *Frame4 = new QGroupBox(QStringLiteral("Select Objectives"), page);
    Frame4->setObjectName(QStringLiteral("Frame4"));
    auto *objectives = new QVBoxLayout(Frame4);
    objectives->setSpacing(4);
    auto *headings = new QHBoxLayout;
    // The access keys differ between the two columns of suits, which share their names.
    static const char *const suits[2][4] = {{"C&lubs", "Diam&ond", "S&pades", "Hea&rts"},
                                            {"Clu&bs", "D&iamond", "&Spades", "H&earts"}};
    for (int half = 0; half < 2; ++half) {
        auto *column = new QVBoxLayout;
        column->setSpacing(2);
        auto *heading = new QCheckBox(
            half == 0 ? QStringLiteral("F&ace Cards") : QStringLiteral("Number &Cards"), Frame4);
        heading->setObjectName(half == 0 ? QStringLiteral("chkMajor") : QStringLiteral("chkMinor"));
        heading->setChecked(true);
        setBold(heading);
        (half == 0 ? chkMajor : chkMinor) = heading;
        column->addWidget(heading);
        for (int s = 0; s < 4; ++s) {
            const int i = half * 4 + s;
            auto *box = new QCheckBox(QString::fromLatin1(suits[half][s]), Frame4);
            box->setObjectName(Controls::Indexed("chkGroup", i));
            box->setChecked(true);
            chkGroup[size_t(i)] = box;
            auto *indent = new QHBoxLayout;
            indent->addSpacing(22);
            indent->addWidget(box);
            column->addLayout(indent);
            connect(box, &QCheckBox::clicked, this, [this, i] { chkGroup_Click(i); });
        }
        headings->addLayout(column);
    }
    headings->addStretch(1);
    objectives->addLayout(headings);
    objectives->addWidget(makeLabel(QStringLiteral("Here you can select the cards you want to practice / memorize. "
                                                   "You can change these whenever you want or when you have cleared "
                                                   "one objective."),
                                    Frame4));
    objectives->addWidget(makeLabel(QStringLiteral("Since the keywords for both upright & reversed are the same, "
                                                   "during keyword test, reversed or upright will not be taken into "
                                                   "account. Also during the memorizing process everything - upright, "
                                                   "reversed & keywords - are shown in one screen."),
                                    Frame4));
    objectives->addStretch(1);
    cmdSetOption = makeButton(QStringLiteral("cmdSetOption"),
                              QStringLiteral("Memori&ze Meaning / Keywords"), Frame4);
    objectives->addWidget(cmdSetOption);
    connect(chkMajor, &QCheckBox::clicked, this, [this] { chkMajor_Click(); });
    connect(chkMinor, &QCheckBox::clicked, this, [this] { chkMinor_Click(); });
    connect(cmdSetOption, &QPushButton::clicked, this, [this] { cmdSetOption_Click(); });

    // Test level and test type.
    auto *level = new QGroupBox(QStringLiteral("Test Level"), page);
    level->setObjectName(QStringLiteral("fraTestLevel"));
    auto *levelLayout = new QVBoxLayout(level);
    levelLayout->setSpacing(3);
    auto *levelGroup = new QButtonGroup(level);
    static const char *const levels[] = {"Be&ginner", "I&ntermediate", "Ad&vanced"};
    for (int i = 0; i < 3; ++i) {
        auto *option = new QRadioButton(QString::fromLatin1(levels[i]), level);
        option->setObjectName(Controls::Indexed("optDifficulty", i));
        levelGroup->addButton(option, i);
        optDifficulty[size_t(i)] = option;
        levelLayout->addWidget(option);
    }
    optDifficulty[0]->setChecked(true);
    levelLayout->addWidget(makeLabel(QStringLiteral("This option applies only when taking the test.\n"
                                                    "Here you can choose the level of difficulty while taking a "
                                                    "test. The difficulty increases with each level."),
                                     level));

    auto *type = new QGroupBox(QStringLiteral("Test Type"), page);
    type->setObjectName(QStringLiteral("fraTestType"));
    auto *typeLayout = new QVBoxLayout(type);
    typeLayout->setSpacing(3);
    auto *typeGroup = new QButtonGroup(type);
    static const char *const types[] = {"Descrip&tion", "&Keywords"};
    for (int i = 0; i < 2; ++i) {
        auto *option = new QRadioButton(QString::fromLatin1(types[i]), type);
        option->setObjectName(Controls::Indexed("optTestType", i));
        typeGroup->addButton(option, i);
        optTestType[size_t(i)] = option;
        typeLayout->addWidget(option);
    }
    optTestType[1]->setChecked(true);
    typeLayout->addWidget(makeLabel(QStringLiteral("This option applies only when taking the test.\n"
                                                   "You can choose to take the test based on keywords or "
                                                   "descriptions. It is important to remember that when doing an "
                                                   "actual reading, the meaning of the card changes  depending upon "
                                                   "the question asked. So knowing the keywords related to a "
                                                   "particular card is more important."),
                                    type));
    cmdStartTest2 = makeButton(QStringLiteral("cmdStartTest2"), QStringLiteral("Test &Me"), page);
    connect(cmdStartTest2, &QPushButton::clicked, this, [this] { cmdStartTest2_Click(); });

    // Start-up options.
    auto *fraSystemTray = new QGroupBox(QStringLiteral("Run on Windows Start-Up"), page);
    fraSystemTray->setObjectName(QStringLiteral("fraSystemTray"));
    auto *trayLayout = new QVBoxLayout(fraSystemTray);
    trayLayout->setSpacing(3);
    optRun = new QRadioButton(QStringLiteral("Run at start-&up"), fraSystemTray);
    optRun->setObjectName(QStringLiteral("optRun"));
    chkSysTray = new QCheckBox(QStringLiteral("Start at s&ystem tray"), fraSystemTray);
    chkSysTray->setObjectName(QStringLiteral("chkSysTray"));
    chkSysTray->setEnabled(false);
    optDontRun = new QRadioButton(QStringLiteral("&Don't run at start-up"), fraSystemTray);
    optDontRun->setObjectName(QStringLiteral("optDontRun"));
    optDontRun->setChecked(true);
    trayLayout->addWidget(optRun);
    auto *indent = new QHBoxLayout;
    indent->addSpacing(22);
    indent->addWidget(chkSysTray);
    trayLayout->addLayout(indent);
    trayLayout->addWidget(optDontRun);
    trayLayout->addWidget(makeLabel(QStringLiteral("This is a very important setting. Remember that if you want to get "
                                                   "the most benefit from this program then you must have it running "
                                                   "at all times.\nIt is also important that you keep your goals in "
                                                   "mind, hence starting in system tray will be a deterrent to those "
                                                   "goals."),
                                    fraSystemTray));
    trayLayout->addStretch(1);
    connect(optRun, &QRadioButton::clicked, this, [this] { optRun_Click(); });
    connect(optDontRun, &QRadioButton::clicked, this, [this] { optDontRun_Click(); });
    connect(chkSysTray, &QCheckBox::clicked, this, [this] { chkSysTray_Click(); });

    cmdSaveSettings =
        makeButton(QStringLiteral("cmdSaveSettings"), QStringLiteral("Save Current Settings As Default"), page);
    connect(cmdSaveSettings, &QPushButton::clicked, this, [this] { cmdSaveSettings_Click(); });

    auto *middle = new QVBoxLayout;
    middle->addWidget(level);
    middle->addWidget(type);
    middle->addStretch(1);
    auto *testButton = new QHBoxLayout;
    testButton->addStretch(1);
    testButton->addWidget(cmdStartTest2);
    middle->addLayout(testButton);
    auto *right = new QVBoxLayout;
    right->addWidget(fraSystemTray);
    right->addStretch(1);
    right->addWidget(cmdSaveSettings);

    grid->addWidget(Frame4, 0, 0);
    grid->addLayout(middle, 0, 1);
    grid->addLayout(right, 0, 2);
    grid->setColumnStretch(0, 10);
    grid->setColumnStretch(1, 11);
    grid->setColumnStretch(2, 10);

    QWidget::setTabOrder(chkMajor, chkGroup[0]);
    for (int i = 0; i < 3; ++i)
        QWidget::setTabOrder(chkGroup[size_t(i)], chkGroup[size_t(i + 1)]);
    QWidget::setTabOrder(chkGroup[3], chkMinor);
    QWidget::setTabOrder(chkMinor, chkGroup[4]);
    for (int i = 4; i < 7; ++i)
        QWidget::setTabOrder(chkGroup[size_t(i)], chkGroup[size_t(i + 1)]);
    QWidget::setTabOrder(chkGroup[7], cmdSetOption);
    QWidget::setTabOrder(cmdSetOption, optDifficulty[0]);
    QWidget::setTabOrder(optDifficulty[0], optTestType[0]);
    QWidget::setTabOrder(optTestType[0], cmdStartTest2);
    QWidget::setTabOrder(cmdStartTest2, optRun);
    QWidget::setTabOrder(optRun, chkSysTray);
    QWidget::setTabOrder(chkSysTray, optDontRun);
    QWidget::setTabOrder(optDontRun, cmdSaveSettings);
    return page;
}

QWidget *frmLearnCartomancyMain::buildMemorizeTab()
{
    auto *page = new QWidget(this);
    page->setObjectName(QStringLiteral("tabMemorize"));
    auto *h = new QHBoxLayout(page);
    h->setContentsMargins(14, 12, 14, 10);
    h->setSpacing(16);
    picCardMemorize = makePictureBox(QStringLiteral("picCardMemorize"), page);
    picCardMemorize->setFocusPolicy(Qt::NoFocus);
    auto *left = new QVBoxLayout;
    left->addWidget(picCardMemorize);
    left->addStretch(1);
    h->addLayout(left);

    auto *v = new QVBoxLayout;
    v->setSpacing(4);
    lblCardNameMemorize = makeLabel(QStringLiteral("Card Name"), page, QStringLiteral("lblCardNameMemorize"));
    setBold(lblCardNameMemorize, 1.5);
    Look::SetTextColour(lblCardNameMemorize, Look::AccentBrown);
    v->addWidget(lblCardNameMemorize);
    v->addSpacing(4);
    QLabel *meaningLabel = makeLabel(QStringLiteral("Card &Meaning :"), page, QStringLiteral("lblMeaning"));
    meaningLabel->setTextFormat(Qt::AutoText);
    setBold(meaningLabel);
    txtNormalMeaning = makeTextBox(QStringLiteral("txtNormalMeaning"), true, page);
    meaningLabel->setBuddy(txtNormalMeaning);
    v->addWidget(meaningLabel);
    v->addWidget(txtNormalMeaning, 3);
    // The Settings tab promises upright, reversed and keywords on one screen.
    QLabel *reversedLabel =
        makeLabel(QStringLiteral("Re&versed Meaning :"), page, QStringLiteral("lblReversedMeaning"));
    reversedLabel->setTextFormat(Qt::AutoText);
    setBold(reversedLabel);
    txtReversedMeaning = makeTextBox(QStringLiteral("txtReversedMeaning"), true, page);
    reversedLabel->setBuddy(txtReversedMeaning);
    v->addWidget(reversedLabel);
    v->addWidget(txtReversedMeaning, 3);
    QLabel *keywordsLabel = makeLabel(QStringLiteral("&Keywords (same for both)"), page, QStringLiteral("lblKeywords"));
    keywordsLabel->setTextFormat(Qt::AutoText);
    setBold(keywordsLabel);
    txtKeywords = makeTextBox(QStringLiteral("txtKeywords"), true, page);
    keywordsLabel->setBuddy(txtKeywords);
    v->addWidget(keywordsLabel);
    v->addWidget(txtKeywords, 1);
    for (QPlainTextEdit *box : {txtNormalMeaning, txtReversedMeaning, txtKeywords}) {
        box->setFont(Look::Verdana(10));
        InstallClipboardGuard(box);
    }

    cmdPrevious = makeButton(QStringLiteral("cmdPrevious"), QStringLiteral("<< &Previous"), page);
    cmdNext = makeButton(QStringLiteral("cmdNext"), QStringLiteral("&Next >>"), page);
    cmdStartTest = makeButton(QStringLiteral("cmdStartTest"), QStringLiteral("&Test Me"), page);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdPrevious);
    buttons->addWidget(cmdNext);
    buttons->addStretch(1);
    buttons->addWidget(cmdStartTest);
    v->addSpacing(4);
    v->addLayout(buttons);
    h->addLayout(v, 1);

    connect(cmdPrevious, &QPushButton::clicked, this, [this] { cmdPrevious_Click(); });
    connect(cmdNext, &QPushButton::clicked, this, [this] { cmdNext_Click(); });
    connect(cmdStartTest, &QPushButton::clicked, this, [this] { cmdStartTest_Click(); });
    QWidget::setTabOrder(cmdNext, cmdPrevious);
    QWidget::setTabOrder(cmdPrevious, cmdStartTest);
    QWidget::setTabOrder(cmdStartTest, txtNormalMeaning);
    QWidget::setTabOrder(txtNormalMeaning, txtReversedMeaning);
    QWidget::setTabOrder(txtReversedMeaning, txtKeywords);
    return page;
}

QWidget *frmLearnCartomancyMain::buildTestTab()
{
    auto *page = new QWidget(this);
    page->setObjectName(QStringLiteral("tabTest"));
    auto *h = new QHBoxLayout(page);
    h->setContentsMargins(14, 12, 14, 10);
    h->setSpacing(16);
    picResult = makePictureBox(QStringLiteral("picResult"), page);
    auto *left = new QVBoxLayout;
    left->addWidget(picResult);
    left->addStretch(1);
    h->addLayout(left);

    auto *v = new QVBoxLayout;
    v->setSpacing(4);
    auto *heading = new QHBoxLayout;
    lblCardName = makeLabel(QString(), page, QStringLiteral("lblCardName"));
    setBold(lblCardName, 1.5);
    Look::SetTextColour(lblCardName, Look::AccentBrown);
    lblQCount = makeLabel(QString(), page, QStringLiteral("lblQCount"));
    lblQCount->setWordWrap(false);
    lblQCount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setBold(lblQCount);
    lblIsReversed = makeLabel(QStringLiteral("Reversed"), page, QStringLiteral("lblIsReversed"));
    lblIsReversed->hide();
    heading->addWidget(lblCardName, 1);
    heading->addWidget(lblIsReversed);
    heading->addWidget(lblQCount);
    v->addLayout(heading);

    answerPanels_ = new QStackedWidget(page);
    answerPanels_->setObjectName(QStringLiteral("answerPanels"));

    picDescContainer = new QWidget(answerPanels_);
    picDescContainer->setObjectName(QStringLiteral("picDescContainer"));
    auto *desc = new QVBoxLayout(picDescContainer);
    desc->setContentsMargins(0, 4, 4, 4);
    desc->setSpacing(5);
    desc->addWidget(makeLabel(QStringLiteral("Choose one option from the choices given below."), picDescContainer,
                              QStringLiteral("lblChooseOption")));
    answerGroup_ = new QButtonGroup(picDescContainer);
    for (int i = 0; i < AnswerSlotCount; ++i) {
        auto *shape = new QFrame(picDescContainer);
        shape->setObjectName(Controls::Indexed("Shape1", i));
        shape->setFrameShape(QFrame::Box);
        shape->setFrameShadow(QFrame::Plain);
        auto *inner = new QVBoxLayout(shape);
        inner->setContentsMargins(6, 3, 6, 3);
        auto *option = new WrappingRadioButton(shape);
        option->setObjectName(Controls::Indexed("optAnswer", i));
        inner->addWidget(option);
        answerGroup_->addButton(option, i);
        optAnswer[size_t(i)] = option;
        Shape1[size_t(i)] = shape;
        desc->addWidget(shape);
        connect(option, &QRadioButton::clicked, this, [this] { optAnswer_Click(); });
    }
    desc->addStretch(1);

    picKeywodContainer = new QWidget(answerPanels_);
    picKeywodContainer->setObjectName(QStringLiteral("picKeywodContainer"));
    auto *keys = new QVBoxLayout(picKeywodContainer);
    keys->setContentsMargins(0, 4, 4, 4);
    keys->setSpacing(3);
    lblMaxKeyword = makeLabel(QString(), picKeywodContainer, QStringLiteral("lblMaxKeyword"));
    setBold(lblMaxKeyword);
    keys->addWidget(lblMaxKeyword);
    for (int i = 0; i < KeywordBoxTotal; ++i) {
        auto *box = new QCheckBox(picKeywodContainer);
        box->setObjectName(Controls::Indexed("chkKeywords", i));
        box->setFont(Look::Verdana(9.5));
        chkKeywords[size_t(i)] = box;
        keys->addWidget(box);
        connect(box, &QCheckBox::clicked, this, [this, i] { chkKeywords_Click(i); });
    }
    keys->addStretch(1);

    answerPanels_->addWidget(picDescContainer);
    answerPanels_->addWidget(picKeywodContainer);
    v->addWidget(answerPanels_, 1);

    cmdNextQuestion =
        makeButton(QStringLiteral("cmdNextQuestion"), QStringLiteral("&Next Question"), page);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdNextQuestion);
    v->addLayout(buttons);
    h->addLayout(v, 1);
    connect(cmdNextQuestion, &QPushButton::clicked, this, [this] { cmdNextQuestion_Click(); });
    // Number keys choose among the options or keyword boxes on show, whichever panel is in front.
    QList<QAbstractButton *> answers(optAnswer.begin(), optAnswer.end());
    for (QCheckBox *box : chkKeywords)
        answers << box;
    AnswerKeys::Install(page, answers, cmdNextQuestion);
    return page;
}

QWidget *frmLearnCartomancyMain::buildResultsTab()
{
    auto *page = new QWidget(this);
    page->setObjectName(QStringLiteral("tabResults"));
    auto *v = new QVBoxLayout(page);
    v->setContentsMargins(12, 10, 12, 10);
    lblScore_ = Quiz::MakeGlanceLabel(page);
    v->addWidget(lblScore_);
    txtResult = new QPlainTextEdit(page);
    txtResult->setObjectName(QStringLiteral("txtResult"));
    txtResult->setReadOnly(true);
    txtResult->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtResult->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtResult->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont fixed(QStringLiteral("Courier New"), 10);
    fixed.setStyleHint(QFont::TypeWriter);
    txtResult->setFont(fixed);
    InstallClipboardGuard(txtResult);
    v->addWidget(txtResult, 1);
    auto *bottom = new QHBoxLayout;
    lblResultInfo = makeLabel(QString(), page, QStringLiteral("lblResultInfo"));
    setBold(lblResultInfo, 1.15);
    Look::SetTextColour(lblResultInfo, Look::HeadingGreen);
    Command5 = makeButton(QStringLiteral("Command5"), QStringLiteral("&Save Current Result"), page);
    cmdReviewMissed = makeButton(QStringLiteral("cmdReviewMissed"),
                                 QStringLiteral("&Review Missed Answers"), page);
    bottom->addWidget(lblResultInfo, 1);
    bottom->addWidget(cmdReviewMissed);
    bottom->addWidget(Command5);
    connect(cmdReviewMissed, &QPushButton::clicked, this,
            [this] { OpenReviewMissed(this, test_->Outcome().MissedItems()); });
    v->addLayout(bottom);
    connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
    return page;
}

// ---------------------------------------------------------------- tabs

void frmLearnCartomancyMain::selectTab(int tab)
{
    // A disabled tab is made available before it is selected.
    SSTab1->setTabEnabled(tab, true);
    SSTab1->setCurrentIndex(tab);
}

void frmLearnCartomancyMain::SSTab1_Click(int tab)
{
    switch (tab) {
    case SettingsTab:
        for (int t : {MemorizeTab, TestTab, ResultsTab})
            SSTab1->setTabEnabled(t, false);
        break;
    case MemorizeTab:
        memorizeCount_ = globals_->CardSet.RecordCount();
        globals_->CardSet.SetFilter(QString());
        globals_->CardSet.MoveFirst();
        MemorizePosition = 1;
        ShowMemorizeCard();
        updateMemorizeButtons();
        SSTab1->setTabEnabled(TestTab, false);
        SSTab1->setTabEnabled(ResultsTab, false);
        break;
    case TestTab:
        SSTab1->setTabEnabled(ResultsTab, false);
        picResult->setFocus();
        break;
    case ResultsTab:
        SSTab1->setTabEnabled(TestTab, false);
        break;
    default:
        break;
    }
}

// ---------------------------------------------------------------- goals

void frmLearnCartomancyMain::loadGoals()
{
    QStringList failures;
    for (int goal = 0; goal < 2; ++goal) {
        const FileWriter::Result created = CartomancySettings::EnsureGoalFile(Locations(), goal + 1);
        if (!created)
            failures << QStringLiteral("Goal %1 could not be kept: ").arg(goal + 1) + created.error;
        txtGoal[size_t(goal)]->setPlainText(CartomancySettings::ReadGoalText(Locations(), goal + 1));
    }
    if (!failures.isEmpty())
        ShowMessage(this, failures.join(QStringLiteral("\r\n")), QMessageBox::Warning);
}

void frmLearnCartomancyMain::chkGoal_Click(int goal)
{
    const bool on = chkGoal[size_t(goal)]->isChecked();
    txtGoal[size_t(goal)]->setEnabled(on);
    cmdSaveGoal[size_t(goal)]->setEnabled(on);
    if (on)
        txtGoal[size_t(goal)]->setFocus();
}

void frmLearnCartomancyMain::cmdSaveGoal_Click(int goal)
{
    const FileWriter::Result saved = CartomancySettings::SaveGoal(Locations(), goal + 1, txtGoal[size_t(goal)]->toPlainText());
    if (!saved)
        ShowMessage(this, QStringLiteral("Goal %1 could not be saved.\r\n").arg(goal + 1) + saved.error,
                    QMessageBox::Critical);
}

// ---------------------------------------------------------------- objectives

void frmLearnCartomancyMain::LoadObjectiveSettings()
{
    using namespace CartomancySettings;
    const auto load = [this](const QString &key, QCheckBox *box, const std::function<void()> &click) {
        const int state = ReadBoxState(settings_, key);
        if (state >= 0 && (state == 1) != box->isChecked()) {
            box->setChecked(state == 1);
            click();
        }
    };
    load(Key::MajorArcana, chkMajor, [this] { chkMajor_Click(); });
    load(Key::MinorArcana, chkMinor, [this] { chkMinor_Click(); });
    const QString suitKeys[] = {Key::Cups, Key::Wands, Key::Pentacles, Key::Swords};
    for (int i = 0; i < 4; ++i)
        load(suitKeys[i], chkGroup[size_t(i)], [this, i] { chkGroup_Click(i); });
    const int type = ReadOptionIndex(settings_, Key::TestType, QStringLiteral("1"), 2);
    if (type >= 0)
        optTestType[size_t(type)]->setChecked(true);
    const int difficulty = ReadOptionIndex(settings_, Key::Difficulty, QStringLiteral("0"), 3);
    if (difficulty >= 0)
        optDifficulty[size_t(difficulty)]->setChecked(true);
}

void frmLearnCartomancyMain::chkMajor_Click()
{
    cmdNext->setEnabled(chkMajor->isChecked() || chkMinor->isChecked());
    for (int i = 0; i < 4; ++i)
        chkGroup[size_t(i)]->setEnabled(chkMajor->isChecked());
}

void frmLearnCartomancyMain::chkMinor_Click()
{
    cmdNext->setEnabled(chkMajor->isChecked() || chkMinor->isChecked());
    for (int i = 4; i < 8; ++i)
        chkGroup[size_t(i)]->setEnabled(chkMinor->isChecked());
}

void frmLearnCartomancyMain::chkGroup_Click(int index)
{
    // The last checked suit under "Face Cards" cannot be cleared.
    for (int i = 0; i < 4; ++i)
        if (chkGroup[size_t(i)]->isChecked())
            return;
    chkGroup[size_t(index)]->setChecked(true);
}

std::vector<int> frmLearnCartomancyMain::selectedGroups() const
{
    std::vector<int> groups;
    for (int i = 0; i < 8; ++i)
        if (chkGroup[size_t(i)]->isChecked() && chkGroup[size_t(i)]->isEnabledTo(chkGroup[size_t(i)]->window()))
            groups.push_back(i);
    return groups;
}

bool frmLearnCartomancyMain::openSelection()
{
    const std::vector<int> groups = selectedGroups();
    // With "Number Cards" alone checked and all its suits cleared there is no card to ask for.
    if ((!chkMajor->isChecked() && !chkMinor->isChecked()) || groups.empty()) {
        ShowMessage(this, kSelectOption, QMessageBox::NoIcon);
        return false;
    }
    OpenCardDatabase(*globals_, CardDatabasePath(Locations()));
    globals_->CardSet = OpenCardRecordset(*globals_, BuildCardQuery(groups));
    // The screens carry on with whatever can be read, but an unusable
    // database would otherwise look like a deck without cards.
    // A missing file has been reported already, with where it was looked for.
    const QString problem = CardDatabaseProblem(*globals_);
    if (!problem.isEmpty() && !databaseProblemShown_ && QFileInfo::exists(CardDatabasePath(Locations()))) {
        databaseProblemShown_ = true;
        ShowMessage(this,
                    QStringLiteral("The card database cannot be read, so card fields may stay empty.\r\n") +
                        QDir::toNativeSeparators(CardDatabasePath(Locations())) + QStringLiteral(": ") + problem + u'.',
                    QMessageBox::Warning);
    }
    return true;
}

void frmLearnCartomancyMain::cmdSetOption_Click()
{
    if (!openSelection())
        return;
    selectTab(MemorizeTab);
}

// ---------------------------------------------------------------- memorising

void frmLearnCartomancyMain::cmdNext_Click()
{
    if (MemorizePosition < memorizeCount_) {
        ++MemorizePosition;
        globals_->CardSet.MoveNext();
        ShowMemorizeCard();
    }
    updateMemorizeButtons();
}

void frmLearnCartomancyMain::cmdPrevious_Click()
{
    if (MemorizePosition >= 2) {
        --MemorizePosition;
        globals_->CardSet.MovePrevious();
        ShowMemorizeCard();
    }
    updateMemorizeButtons();
}

// The buttons always match the position: no "<< Previous" on the first card,
// no "Next >>" on the last, whichever way the card was reached.
void frmLearnCartomancyMain::updateMemorizeButtons()
{
    // A button about to be disabled hands the keyboard to the other one.
    const bool hadFocus = cmdNext->hasFocus() || cmdPrevious->hasFocus();
    cmdPrevious->setEnabled(MemorizePosition > 1);
    cmdNext->setEnabled(MemorizePosition < memorizeCount_);
    if (hadFocus && !cmdNext->isEnabled() && cmdPrevious->isEnabled())
        cmdPrevious->setFocus();
    else if (hadFocus && !cmdPrevious->isEnabled() && cmdNext->isEnabled())
        cmdNext->setFocus();
}

void frmLearnCartomancyMain::ShowMemorizeCard()
{
    Db::RecordSet &cards = globals_->CardSet;
    const bool onCard = !cards.IsBOF() && !cards.IsEOF();
    // Without a current card (no database, nothing selected) the fields stay as they were.
    if (onCard)
        lblCardNameMemorize->setText(cards.Text(QStringLiteral("Name")));
    LoadPictureData(picCardMemorize, cards, QStringLiteral("PictureData"), Locations().TempFolder());
    if (onCard) {
        txtNormalMeaning->setPlainText(cards.Text(QStringLiteral("NormalMeaning")));
        txtReversedMeaning->setPlainText(cards.Text(QStringLiteral("ReversedMeaning")));
    }
    txtKeywords->clear();
    if (!onCard)
        return;
    Db::RecordSet keywords = OpenCardRecordset(*globals_, CardKeywordsQuery(cards.Int(QStringLiteral("Id"))));
    QString text;
    for (int i = 0; i < 5 && !keywords.IsEOF(); ++i) {
        text += keywords.Text(QStringLiteral("keyword")) + QStringLiteral(", ");
        keywords.MoveNext();
    }
    txtKeywords->setPlainText(text);
}

// ---------------------------------------------------------------- the test

void frmLearnCartomancyMain::cmdStartTest2_Click()
{
    if (!openSelection())
        return;
    SSTab1->setTabEnabled(MemorizeTab, true);
    selectTab(TestTab);
    cmdStartTest_Click();
}

void frmLearnCartomancyMain::cmdStartTest_Click()
{
    const CardTestType type = optTestType[0]->isChecked() ? CardTestType::Description : CardTestType::Keywords;
    answerPanels_->setCurrentWidget(type == CardTestType::Description ? picDescContainer : picKeywodContainer);
    CardTestLevel level = CardTestLevel::Advanced;
    if (optDifficulty[0]->isChecked())
        level = CardTestLevel::Beginner;
    else if (optDifficulty[1]->isChecked())
        level = CardTestLevel::Intermediate;
    lblQCount->clear();
    lblIsReversed->clear();
    Random::SeedFromClock();
    test_ = StartCardTest(globals_->CardConnection, ReadCardFaces(globals_->CardSet), type, level);
    testType_ = type;
    testOptionLow_ = RuleForLevel(level).optionLow;
    SSTab1->setTabEnabled(TestTab, true);
    if (test_->Finished())
        finishTest();
    else
        showQuestion();
}

std::vector<int> frmLearnCartomancyMain::chosenPositions() const
{
    std::vector<int> chosen;
    if (testType_ == CardTestType::Description) {
        if (const int slot = answerGroup_->checkedId(); slot >= 0)
            chosen.push_back(slot - testOptionLow_);
        return chosen;
    }
    for (int i = 0; i < keywordBoxCount_; ++i)
        if (chkKeywords[size_t(i)]->isChecked())
            chosen.push_back(i);
    return chosen;
}

void frmLearnCartomancyMain::cmdNextQuestion_Click()
{
    if (!test_ || test_->Finished())
        return;
    cmdNextQuestion->setEnabled(false);
    if (test_->Answer(chosenPositions()))
        finishTest();
    else
        showQuestion();
}

void frmLearnCartomancyMain::showQuestion()
{
    SSTab1->setTabEnabled(TestTab, true);
    cmdNextQuestion->setEnabled(false);
    const Quiz::Question &question = test_->CurrentQuestion();
    if (testType_ == CardTestType::Description)
        AskDescriptionQuestion(question);
    else
        AskKeywordQuestion(question);
    selectTab(TestTab);
    picResult->setFocus();
    lblQCount->setText(QString::number(question.number + 1) + QStringLiteral(" of ") +
                       QString::number(question.count));
}

void frmLearnCartomancyMain::ShowQuestionPicture(const QByteArray &picture)
{
    LoadPictureBytes(picResult, picture, Locations().TempFolder());
}

void frmLearnCartomancyMain::AskDescriptionQuestion(const Quiz::Question &question)
{
    lblCardName->setText(question.subject);
    // The level's slots from testOptionLow_; a slot stays hidden when the
    // selection has too few other cards to fill it.
    answerGroup_->setExclusive(false);
    for (int i = 0; i < AnswerSlotCount; ++i) {
        QRadioButton *option = optAnswer[size_t(i)];
        const int position = i - testOptionLow_;
        const bool shown = position >= 0 && position < question.choices.size();
        option->setChecked(false);
        option->setText(shown ? question.choices[position] : QString());
        option->setProperty("tag", shown && question.IsCorrect(position) ? QStringLiteral("True") : QString());
        option->setEnabled(shown);
        option->setVisible(shown);
        Shape1[size_t(i)]->setVisible(shown);
    }
    answerGroup_->setExclusive(true);
    ShowQuestionPicture(test_->ItemSource().Picture(question.item));
    // A card whose meaning cannot be read leaves nothing to choose.
    if (question.ToChoose() == 0)
        cmdNextQuestion->setEnabled(true);
}

void frmLearnCartomancyMain::AskKeywordQuestion(const Quiz::Question &question)
{
    keywordBoxCount_ = int(question.choices.size());
    keywordsToChoose_ = question.ToChoose();
    lblMaxKeyword->setText(KeywordInstruction(keywordsToChoose_));
    for (int i = 0; i < KeywordBoxTotal; ++i) {
        QCheckBox *box = chkKeywords[size_t(i)];
        const bool shown = i < keywordBoxCount_;
        box->setChecked(false);
        box->setText(shown ? plainCaption(question.choices[i]) : QString());
        box->setProperty("tag", QString());
        box->setEnabled(shown);
        box->setVisible(shown);
    }
    lblCardName->setText(question.subject);
    ShowQuestionPicture(test_->ItemSource().Picture(question.item));
    // A card without keywords leaves nothing to tick.
    if (keywordsToChoose_ == 0)
        cmdNextQuestion->setEnabled(true);
}

void frmLearnCartomancyMain::optAnswer_Click()
{
    cmdNextQuestion->setEnabled(true);
    cmdNextQuestion->setFocus();
}

void frmLearnCartomancyMain::chkKeywords_Click(int index)
{
    int ticked = 0;
    for (int i = 0; i < keywordBoxCount_; ++i)
        if (chkKeywords[size_t(i)]->isChecked())
            ++ticked;
    if (ticked == keywordsToChoose_) {
        cmdNextQuestion->setEnabled(true);
        cmdNextQuestion->setFocus();
    } else if (ticked < keywordsToChoose_) {
        cmdNextQuestion->setEnabled(false);
    } else {
        chkKeywords[size_t(index)]->setChecked(false);
        chkKeywords_Click(index);
        ShowMessage(this, TooManyKeywordsMessage(keywordsToChoose_), QMessageBox::Warning);
    }
}

void frmLearnCartomancyMain::finishTest()
{
    lblQCount->clear();
    selectTab(ResultsTab);
    const Quiz::Result &result = test_->Outcome();
    const TestReport report = BuildTestReport(testType_, result, test_->Count());
    QString shown = report.text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    txtResult->setPlainText(shown);
    // The question lines start under the title, its rule and an empty line.
    Quiz::MarkWrongLines(txtResult, result, 3);
    lblScore_->setText(Quiz::GlanceText(result));
    lblResultInfo->setText(report.summary);
    txtResult->moveCursor(QTextCursor::End);
    // Only a test that reached its result goes into the progress record.
    recorder_->RecordFinishedTest(result.Record(), this);
    // The question's controls are gone with their tab; the keyboard goes on from the results.
    cmdReviewMissed->setFocus();
    ShowMessage(this, QStringLiteral("Test Complete"), QMessageBox::Information);
}

bool frmLearnCartomancyMain::SaveResultTo(const QString &path)
{
    const FileWriter::Result saved =
        FileWriter::WriteWholeFile(path, FileWriter::TextFileBytes(txtResult->toPlainText() + u'\n'));
    if (!saved)
        ShowMessage(this, QStringLiteral("The result could not be saved.\r\n") + saved.error, QMessageBox::Critical);
    return saved.ok;
}

void frmLearnCartomancyMain::Command5_Click()
{
    const QString path = ChooseFileToSave(
        this, FileKind{QStringLiteral("Save Current Result"), QStringLiteral("Text file"), QStringLiteral("txt")});
    if (!path.isEmpty())
        SaveResultTo(path);
}

// ---------------------------------------------------------------- start-up and tray

void frmLearnCartomancyMain::optRun_Click()
{
    const StartupChange change =
        SetRunAtStartup(Locations().AutostartFolder(), AppInfo::ApplicationName(), QCoreApplication::applicationFilePath(), true);
    if (!change.ok)
        ShowMessage(this, change.message, QMessageBox::NoIcon);
    chkSysTray->setEnabled(true);
}

void frmLearnCartomancyMain::optDontRun_Click()
{
    const StartupChange change =
        SetRunAtStartup(Locations().AutostartFolder(), AppInfo::ApplicationName(), QCoreApplication::applicationFilePath(), false);
    if (!change.ok)
        ShowMessage(this, change.message, QMessageBox::NoIcon);
    chkSysTray->setEnabled(false);
    if (chkSysTray->isChecked()) {
        chkSysTray->setChecked(false);
        chkSysTray_Click();
    }
}

void frmLearnCartomancyMain::chkSysTray_Click()
{
    if (!CartomancySettings::SaveRunAtSysTray(settings_, chkSysTray->isChecked()))
        ShowMessage(this, QStringLiteral("The setting could not be saved."), QMessageBox::Critical);
}

void frmLearnCartomancyMain::cmdSaveSettings_Click()
{
    CartomancySettings::Defaults defaults;
    defaults.faceCards = chkMajor->isChecked();
    defaults.numberCards = chkMinor->isChecked();
    for (int i = 0; i < 4; ++i)
        defaults.faceSuits[i] = chkGroup[size_t(i)]->isChecked();
    defaults.testType = optTestType[0]->isChecked() ? 0 : 1;
    defaults.difficulty = optDifficulty[0]->isChecked() ? 0 : optDifficulty[1]->isChecked() ? 1 : 2;
    defaults.runAtSysTray = chkSysTray->isChecked();
    if (!CartomancySettings::SaveDefaults(settings_, defaults))
        ShowMessage(this, QStringLiteral("The settings could not be saved."), QMessageBox::Critical);
}

bool frmLearnCartomancyMain::GoToSystemTray()
{
    // Without a tray the icon could not bring the window back: it stays shown.
    if (!SystemTrayAvailable() || tray_)
        return false;
    tray_ = new QSystemTrayIcon(windowIcon(), this);
    tray_->setToolTip(QStringLiteral("Recent"));
    tray_->setContextMenu(mnuPopUp);
    connect(tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::DoubleClick)
            mnuShow_Click();
    });
    tray_->show();
    if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget()))
        frame->showMinimized();
    else
        showMinimized();
    SetModuleVisible(false);
    return true;
}

void frmLearnCartomancyMain::mnuShow_Click()
{
    SetModuleVisible(true);
    if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget()))
        frame->showNormal();
    else
        showNormal();
    RemoveTrayIcon();
}

void frmLearnCartomancyMain::RemoveTrayIcon()
{
    if (!tray_)
        return;
    tray_->hide();
    delete tray_;
    tray_ = nullptr;
}

void frmLearnCartomancyMain::OnClosing() { RemoveTrayIcon(); }
