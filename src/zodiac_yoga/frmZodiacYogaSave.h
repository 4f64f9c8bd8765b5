#pragma once

#include "toolkit/ReportView.h"

#include <QDialog>

class QPrinter;
class frmZodiacYogaDisplay;

// The report window: the reading as one formatted document that can be
// printed, and the save action for the birth data.
class frmZodiacYogaSave : public QDialog {
    Q_OBJECT
public:
    // The report of the reading `display` shows; `display` outlives this window.
    explicit frmZodiacYogaSave(frmZodiacYogaDisplay *display);

    // The save action with its file dialog.
    void cmdSave_Click();
    // Writes the reading file to a chosen path; tells the user when it fails.
    bool SaveReadingTo(const QString &path);
    // The print action with its printer dialog.
    void cmdPrint_Click();
    // Prints the selection, or everything when nothing is selected; a print
    // that fails is reported to the user.
    Printing::Outcome PrintTo(QPrinter *printer);

    ReportView *Report() const { return RTB_; }

protected:
    void done(int result) override;

private:
    void BuildReport();

    frmZodiacYogaDisplay *display_;
    ReportView *RTB_ = nullptr;
};
