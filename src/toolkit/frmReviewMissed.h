#pragma once

#include "ReviewItem.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTextBrowser;

// Steps through the questions of a finished test that were answered wrongly:
// each item as its learn screen shows it (title, picture, description), with
// the answer given and the correct one. "Previous" and "Next" move one item,
// "Close" (or Escape) ends the review.
class frmReviewMissed : public QDialog {
    Q_OBJECT
public:
    explicit frmReviewMissed(ReviewItems items, QWidget *parent = nullptr);

    int Position() const { return position_; }
    int Count() const { return int(items_.size()); }
    // Shows item `index` (clamped to the list).
    void ShowItem(int index);

private:
    ReviewItems items_;
    int position_ = 0;

    QLabel *lblPosition_ = nullptr;
    QLabel *lblTitle_ = nullptr;
    QLabel *picItem_ = nullptr;
    QTextBrowser *txtBody_ = nullptr;
    QLabel *lblGiven_ = nullptr;
    QLabel *lblCorrect_ = nullptr;
    QPushButton *cmdPrevious_ = nullptr;
    QPushButton *cmdNext_ = nullptr;
    QPushButton *cmdClose_ = nullptr;
};

// What "Review Missed Answers" does on a result screen: with missed items,
// opens the review over the window (window-modal, closed by module selection
// like the module's other dialogs) and returns it; with none, tells the user
// that there is nothing to review and returns nullptr.
class ModuleWindow;
frmReviewMissed *OpenReviewMissed(ModuleWindow *parent, const ReviewItems &items);

// The message shown when a test had no wrong answer.
QString NothingToReviewText();
