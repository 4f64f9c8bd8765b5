#pragma once

#include "modCardTest.h"

#include <QWidget>

class ModuleWindow;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// The "Results" tab: the report of the last finished test with its wrong
// lines marked, the score at a glance above it and the summary under it;
// the report can be saved as a text file and the missed questions reviewed.
class CardResultsTab : public QWidget {
    Q_OBJECT
public:
    // `owner` is the window over which the save dialog and the tab's messages show.
    explicit CardResultsTab(ModuleWindow &owner, QWidget *parent = nullptr);

    // Shows the report of a finished test over `cardCount` questions.
    void ShowResult(CardTestType type, const Quiz::Result &result, int cardCount);
    // The keyboard to "Review Missed Answers", where it goes on after a test.
    void FocusReview();
    // Writes the report shown to a file; tells the user when it fails.
    bool SaveTo(const QString &path);

Q_SIGNALS:
    // "Review Missed Answers" was clicked.
    void reviewRequested();

private:
    void Command5_Click();

    ModuleWindow &owner_;
    QLabel *lblScore_ = nullptr;
    QPlainTextEdit *txtResult = nullptr;
    QLabel *lblResultInfo = nullptr;
    QPushButton *Command5 = nullptr;
    QPushButton *cmdReviewMissed = nullptr;
};
