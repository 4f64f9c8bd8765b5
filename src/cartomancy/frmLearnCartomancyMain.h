#pragma once

#include "toolkit/ModuleHost.h"
#include "toolkit/modSettings.h"

#include <memory>
#include <vector>

class CardGoalsTab;
class CardMemorizeTab;
class CardResultsTab;
class CardSettingsTab;
class CardTestTab;
class QMenu;
class QSystemTrayIcon;
class QTabWidget;
namespace Progress { class Recorder; }

// The Learn Cartomancy window: five tabs (goals, settings, memorising, the
// test, its results) over the card database, the run-at-login option and the
// system tray. Each tab is a class of its own (CardGoalsTab, CardSettingsTab,
// CardMemorizeTab, CardTestTab, CardResultsTab); the window holds the menus,
// the tray icon and which tabs are available, and passes on what one tab
// starts to the tab that carries it out.
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

    // The card the Memorize Cards tab shows, from 1.
    int MemorizePosition() const;

protected:
    void OnClosing() override;

private:
    void buildMenus();

    void selectTab(int tab);
    void SSTab1_Click(int tab);
    // Opens the selected cards for memorising and keeps the groups for a test;
    // false (after the message) when nothing is selected.
    bool openSelection();
    void cmdSetOption_Click();
    void cmdStartTest2_Click();
    void cmdStartTest_Click();
    void finishTest();

    void mnuShow_Click();
    void RemoveTrayIcon();

    std::shared_ptr<Progress::Recorder> recorder_;
    Settings::Store settings_;
    bool trayAvailable_ = false;
    // The user is told about an unreadable card database once per window.
    bool databaseProblemShown_ = false;
    std::vector<int> selectedGroups_; // the groups last opened, which a test asks about

    QTabWidget *SSTab1 = nullptr;
    CardGoalsTab *goalsTab_ = nullptr;
    CardSettingsTab *settingsTab_ = nullptr;
    CardMemorizeTab *memorizeTab_ = nullptr;
    CardTestTab *testTab_ = nullptr;
    CardResultsTab *resultsTab_ = nullptr;

    // Tray
    QMenu *mnuPopUp = nullptr;
    QSystemTrayIcon *tray_ = nullptr;
};
