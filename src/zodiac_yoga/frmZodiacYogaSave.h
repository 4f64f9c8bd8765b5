#pragma once

#include <QDialog>

class QPrinter;
class QTextEdit;
class frmZodiacYogaDisplay;

// The report window: the reading as one formatted document that can be
// printed, and the save action for the birth data.
class frmZodiacYogaSave : public QDialog {
    Q_OBJECT
public:
    explicit frmZodiacYogaSave(frmZodiacYogaDisplay *display);
    ~frmZodiacYogaSave() override;

    // The save action with its file dialog.
    void cmdSave_Click();
    // Writes the reading file to a chosen path; tells the user when it fails.
    bool SaveReadingTo(const QString &path);
    // The print action with its printer dialog.
    void cmdPrint_Click();
    // Prints the selection, or everything when nothing is selected.
    void PrintTo(QPrinter *printer);

    QTextEdit *Report() const { return RTB_; }

protected:
    void done(int result) override;

private:
    void BuildReport();

    frmZodiacYogaDisplay *display_;
    QTextEdit *RTB_ = nullptr;
    bool closed_ = false;
};
