#pragma once

#include "modCardTest.h"
#include "toolkit/ModuleHost.h"
#include "toolkit/modSettings.h"

#include <array>
#include <memory>
#include <optional>

class QButtonGroup;
class QCheckBox;
class QFrame;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QSystemTrayIcon;
class QTabWidget;
class QWidget;
struct CartomancyGlobals;
namespace Progress { class Recorder; }

// The Learn Cartomancy window: five tabs (goals, settings, memorising, the
// test, its results) over the card database, the run-at-login option and the
// system tray. The test's questions come from CardQuizSource; the stored files and settings are
// in modLearnCartomancySettings and modLearnCartomancyStartup.
class frmLearnCartomancyMain : public ModuleWindow {
    Q_OBJECT
public:
    // Finished tests go to `recorder`.
    frmLearnCartomancyMain(ModuleHost &host, std::shared_ptr<Progress::Recorder> recorder,
                           QWidget *parent = nullptr);
    ~frmLearnCartomancyMain() override;

    enum Tab { GoalsTab = 0, SettingsTab = 1, MemorizeTab = 2, TestTab = 3, ResultsTab = 4 };

    // Writes the report shown on the Results tab to a file (what "Save Current
    // Result" does once a file is chosen); tells the user when it fails.
    bool SaveResultTo(const QString &path);

    // Adds the tray icon and hides the window; where the desktop has no system
    // tray the window stays shown. False when the window stayed.
    bool GoToSystemTray();
    bool IsInSystemTray() const { return tray_ != nullptr; }
    QSystemTrayIcon *TrayIcon() const { return tray_; }

    // Whether the desktop offers a system tray: what the desktop says unless
    // the window was told otherwise (a desktop known to have none or one).
    bool SystemTrayAvailable() const { return trayAvailable_; }
    void SetSystemTrayAvailable(bool available) { trayAvailable_ = available; }

    int MemorizePosition = 0;

protected:
    void OnClosing() override;

private:
    QWidget *buildGoalsTab();
    QWidget *buildSettingsTab();
    QWidget *buildMemorizeTab();
    QWidget *buildTestTab();
    QWidget *buildResultsTab();
    void buildMenus();

    void selectTab(int tab);
    void SSTab1_Click(int tab);
    void loadGoals();
    void LoadObjectiveSettings();
    void chkMajor_Click();
    void chkMinor_Click();
    void chkGroup_Click(int index);
    std::vector<int> selectedGroups() const;
    // Opens the database and the selected cards; false (after the message) when nothing is selected.
    bool openSelection();
    void cmdSetOption_Click();
    void cmdNext_Click();
    void cmdPrevious_Click();
    void ShowMemorizeCard();
    void updateMemorizeButtons();

    void cmdStartTest2_Click();
    void cmdStartTest_Click();
    void cmdNextQuestion_Click();
    // The positions the learner chose: the option's, or the ticked boxes in order.
    std::vector<int> chosenPositions() const;
    // Sets up the current question of the test and shows it.
    void showQuestion();
    void AskDescriptionQuestion(const Quiz::Question &question);
    void AskKeywordQuestion(const Quiz::Question &question);
    void ShowQuestionPicture(const QByteArray &picture);
    void optAnswer_Click();
    void chkKeywords_Click(int index);
    void finishTest();
    void Command5_Click();

    void chkGoal_Click(int goal);
    void cmdSaveGoal_Click(int goal);
    void optRun_Click();
    void optDontRun_Click();
    void chkSysTray_Click();
    void cmdSaveSettings_Click();
    void mnuShow_Click();
    void RemoveTrayIcon();

    std::shared_ptr<Progress::Recorder> recorder_;
    Settings::Store settings_;
    bool trayAvailable_ = false;
    std::shared_ptr<CartomancyGlobals> globals_;
    // The user is told about an unreadable card database once per window.
    bool databaseProblemShown_ = false;
    std::optional<Quiz::Session> test_; // the test running or last finished
    CardTestType testType_ = CardTestType::Keywords;
    int testOptionLow_ = 0; // the first answer slot of the test's level
    int memorizeCount_ = 0;
    int keywordBoxCount_ = 0;
    int keywordsToChoose_ = 0;

    QTabWidget *SSTab1 = nullptr;

    // My Personal Goal
    std::array<QCheckBox *, 2> chkGoal{};
    std::array<QPlainTextEdit *, 2> txtGoal{};
    std::array<QPushButton *, 2> cmdSaveGoal{};

    // Settings
    QCheckBox *chkMajor = nullptr;
    QCheckBox *chkMinor = nullptr;
    std::array<QCheckBox *, 8> chkGroup{};
    QPushButton *cmdSetOption = nullptr;
    std::array<QRadioButton *, 3> optDifficulty{};
    std::array<QRadioButton *, 2> optTestType{};
    QPushButton *cmdStartTest2 = nullptr;
    QRadioButton *optRun = nullptr;
    QRadioButton *optDontRun = nullptr;
    QCheckBox *chkSysTray = nullptr;
    QPushButton *cmdSaveSettings = nullptr;

    // Memorize Cards
    QLabel *lblCardNameMemorize = nullptr;
    QLabel *picCardMemorize = nullptr;
    QPlainTextEdit *txtNormalMeaning = nullptr;
    QPlainTextEdit *txtReversedMeaning = nullptr;
    QPlainTextEdit *txtKeywords = nullptr;
    QPushButton *cmdPrevious = nullptr;
    QPushButton *cmdNext = nullptr;
    QPushButton *cmdStartTest = nullptr;

    // Take Test
    QLabel *lblCardName = nullptr;
    QLabel *lblQCount = nullptr;
    QLabel *lblIsReversed = nullptr;
    QLabel *picResult = nullptr;
    QPushButton *cmdNextQuestion = nullptr;
    QStackedWidget *answerPanels_ = nullptr;
    QWidget *picDescContainer = nullptr;
    QWidget *picKeywodContainer = nullptr;
    std::array<QRadioButton *, AnswerSlotCount> optAnswer{};
    std::array<QFrame *, AnswerSlotCount> Shape1{};
    QButtonGroup *answerGroup_ = nullptr;
    std::array<QCheckBox *, KeywordBoxTotal> chkKeywords{};
    QLabel *lblMaxKeyword = nullptr;

    // Results
    QLabel *lblScore_ = nullptr;
    QPlainTextEdit *txtResult = nullptr;
    QLabel *lblResultInfo = nullptr;
    QPushButton *Command5 = nullptr;
    QPushButton *cmdReviewMissed = nullptr;

    // Tray
    QMenu *mnuPopUp = nullptr;
    QSystemTrayIcon *tray_ = nullptr;
};
