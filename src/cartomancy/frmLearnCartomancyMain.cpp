#include "frmLearnCartomancyMain.h"

#include "CardControls.h"
#include "CardGoalsTab.h"
#include "CardMemorizeTab.h"
#include "CardResultsTab.h"
#include "CardSettingsTab.h"
#include "CardTestTab.h"
#include "modLearnCartomancyDB.h"
#include "modLearnCartomancyStartup.h"
#include "toolkit/Controls.h"
#include "toolkit/LinkLabel.h"
#include "toolkit/Look.h"
#include "toolkit/MsgBox.h"
#include "toolkit/UpdateReminder.h"
#include "toolkit/frmReviewMissed.h"
#include "toolkit/modHelp.h"
#include "progress/ProgressRecorder.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QString kCaption = QStringLiteral("Vessa Learn Cartomancy");
const QString kSelectOption = QStringLiteral("Select at least one option.");

} // namespace

frmLearnCartomancyMain::frmLearnCartomancyMain(ModuleHost &host, std::shared_ptr<Progress::Recorder> recorder,
                                               QWidget *parent)
    : ModuleWindow(QStringLiteral("frmLearnCartomancyMain"), host, parent), recorder_(std::move(recorder)),
      settings_(host.Locations().SettingsFile()), trayAvailable_(QSystemTrayIcon::isSystemTrayAvailable())
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
    goalsTab_ = new CardGoalsTab(*this, this);
    SSTab1->addTab(goalsTab_, QStringLiteral("My Personal Goal"));
    settingsTab_ = new CardSettingsTab(*this, settings_, this);
    SSTab1->addTab(settingsTab_, QStringLiteral("Settings"));
    memorizeTab_ = new CardMemorizeTab(*this, this);
    SSTab1->addTab(memorizeTab_, QStringLiteral("Memorize Cards"));
    testTab_ = new CardTestTab(*this, this);
    SSTab1->addTab(testTab_, QStringLiteral("Take Test"));
    resultsTab_ = new CardResultsTab(*this, this);
    SSTab1->addTab(resultsTab_, QStringLiteral("Results"));

    // What one tab starts, another carries out.
    connect(settingsTab_, &CardSettingsTab::cardKindsChanged, memorizeTab_, &CardMemorizeTab::SetNextEnabled);
    connect(settingsTab_, &CardSettingsTab::memorizeClicked, this, [this] { cmdSetOption_Click(); });
    connect(settingsTab_, &CardSettingsTab::testClicked, this, [this] { cmdStartTest2_Click(); });
    connect(memorizeTab_, &CardMemorizeTab::testRequested, this, [this] { cmdStartTest_Click(); });
    connect(testTab_, &CardTestTab::questionShown, this, [this] { selectTab(TestTab); });
    connect(testTab_, &CardTestTab::finished, this, [this] { finishTest(); });
    connect(resultsTab_, &CardResultsTab::reviewRequested, this, [this] {
        if (const Quiz::Session *test = testTab_->Session())
            OpenReviewMissed(this, test->Outcome().MissedItems());
    });

    // "Donate" and "Exit" sit beside the tab headers.
    auto *corner = new QWidget(SSTab1);
    auto *cornerLayout = new QHBoxLayout(corner);
    cornerLayout->setContentsMargins(0, 0, 2, 2);
    auto *cmdReset = CardControls::Button(QStringLiteral("cmdReset"), QStringLiteral("Donate"), corner);
    auto *cmdNav = CardControls::Button(Controls::Indexed("cmdNav", 1), QStringLiteral("E&xit"), corner);
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
    goalsTab_->Load();
    settingsTab_->Load();
    for (int tab : {MemorizeTab, TestTab, ResultsTab})
        SSTab1->setTabEnabled(tab, false);
    // To the tray once the main window has shown this window.
    if (settingsTab_->StartsInSystemTray() && CommandLineHasStartupSwitch(Host().Arguments()))
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

int frmLearnCartomancyMain::MemorizePosition() const { return memorizeTab_->Position(); }

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
        memorizeTab_->ShowFirstCard();
        SSTab1->setTabEnabled(TestTab, false);
        SSTab1->setTabEnabled(ResultsTab, false);
        break;
    case TestTab:
        SSTab1->setTabEnabled(ResultsTab, false);
        testTab_->FocusPicture();
        break;
    case ResultsTab:
        SSTab1->setTabEnabled(TestTab, false);
        break;
    default:
        break;
    }
}

// ---------------------------------------------------------------- the selection

bool frmLearnCartomancyMain::openSelection()
{
    const std::vector<int> groups = settingsTab_->SelectedGroups();
    if (groups.empty()) {
        ShowMessage(this, kSelectOption, QMessageBox::NoIcon);
        return false;
    }
    const QString path = CardDatabasePath(Locations());
    const QString problem = memorizeTab_->OpenSelection(path, groups);
    selectedGroups_ = groups;
    // The screens carry on with whatever can be read, but an unusable
    // database would otherwise look like a deck without cards.
    // A missing file has been reported already, with where it was looked for.
    if (!problem.isEmpty() && !databaseProblemShown_ && QFileInfo::exists(path)) {
        databaseProblemShown_ = true;
        ShowMessage(this,
                    QStringLiteral("The card database cannot be read, so card fields may stay empty.\r\n") +
                        QDir::toNativeSeparators(path) + QStringLiteral(": ") + problem + u'.',
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
    testTab_->Start(CardDatabasePath(Locations()), selectedGroups_, settingsTab_->ChosenTestType(),
                    settingsTab_->ChosenTestLevel());
    SSTab1->setTabEnabled(TestTab, true);
    testTab_->ShowNext();
}

void frmLearnCartomancyMain::finishTest()
{
    selectTab(ResultsTab);
    const Quiz::Session &test = *testTab_->Session();
    const Quiz::Result &result = test.Outcome();
    resultsTab_->ShowResult(testTab_->Type(), result, test.Count());
    // Only a test that reached its result goes into the progress record.
    recorder_->RecordFinishedTest(result.Record(), this);
    // The question's controls are gone with their tab; the keyboard goes on from the results.
    resultsTab_->FocusReview();
    ShowMessage(this, QStringLiteral("Test Complete"), QMessageBox::Information);
}

bool frmLearnCartomancyMain::SaveResultTo(const QString &path) { return resultsTab_->SaveTo(path); }

// ---------------------------------------------------------------- tray

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
