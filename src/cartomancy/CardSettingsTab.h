#pragma once

#include "modCardTest.h"
#include "toolkit/modSettings.h"

#include <QWidget>

#include <array>
#include <vector>

class ModuleWindow;
class QCheckBox;
class QPushButton;
class QRadioButton;

// The "Settings" tab: which cards to study (face and number cards by suit),
// the test's level and type, running at login (and in the system tray), and
// storing all of it as the defaults. Memorising and the test are started from
// here; the window opens the selection and moves to their tabs.
class CardSettingsTab : public QWidget {
    Q_OBJECT
public:
    // `owner` is the window whose folders the run-at-login entry goes into and
    // over which the tab's messages show; `settings` is where the defaults are kept.
    CardSettingsTab(ModuleWindow &owner, const Settings::Store &settings, QWidget *parent = nullptr);

    // Shows the stored objectives and test options, then the run-at-login
    // choice as the autostart folder has it (writing its entry again).
    void Load();

    // The card groups (0 to 7) ticked under a ticked heading, ascending;
    // empty when that selects no card.
    std::vector<int> SelectedGroups() const;
    CardTestType ChosenTestType() const;
    CardTestLevel ChosenTestLevel() const;
    // "Start at system tray" is ticked.
    bool StartsInSystemTray() const;

Q_SIGNALS:
    // "Face Cards" or "Number Cards" was ticked or cleared; `any` when either is still ticked.
    void cardKindsChanged(bool any);
    // "Memorize Meaning / Keywords" was clicked.
    void memorizeClicked();
    // "Test Me" was clicked.
    void testClicked();

private:
    void LoadObjectiveSettings();
    void chkMajor_Click();
    void chkMinor_Click();
    void chkGroup_Click(int index);
    void optRun_Click();
    void optDontRun_Click();
    void chkSysTray_Click();
    void cmdSaveSettings_Click();

    ModuleWindow &owner_;
    Settings::Store settings_;

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
};
