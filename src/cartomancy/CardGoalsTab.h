#pragma once

#include <QWidget>

#include <array>

class ModuleWindow;
class QCheckBox;
class QPlainTextEdit;
class QPushButton;

// The "My Personal Goal" tab: two goal notes kept in the user's folder, each
// editable and saved once its box is ticked.
class CardGoalsTab : public QWidget {
    Q_OBJECT
public:
    // `owner` is the window whose folders hold the notes and over which the
    // tab's messages show.
    explicit CardGoalsTab(ModuleWindow &owner, QWidget *parent = nullptr);

    // Locks both notes until their goal is ticked and shows what their files
    // hold, creating a missing file; tells the user which could not be kept.
    void Load();

private:
    void chkGoal_Click(int goal);
    void cmdSaveGoal_Click(int goal);

    ModuleWindow &owner_;
    std::array<QCheckBox *, 2> chkGoal{};
    std::array<QPlainTextEdit *, 2> txtGoal{};
    std::array<QPushButton *, 2> cmdSaveGoal{};
};
