#pragma once

#include <QString>
#include <QTextEdit>

#include <functional>
#include <memory>

class QPrinter;

// A read-only rich-text view for reading matter, reports and results. It
// empties the clipboard when used (text copied out of it does not survive)
// and, on request, turns web addresses into links for as long as it lives.
class ReportView : public QTextEdit {
    Q_OBJECT
public:
    ReportView(const QString &objectName, QWidget *parent, const QString &family = QStringLiteral("Verdana"),
               double points = 9);
    ~ReportView() override;

    // Web addresses in the text become links that open on a left-button press.
    void EnableLinks();
    // Turns the links back into plain text; nothing happens when they are off.
    void DisableLinks();
    bool LinksEnabled() const;
};

// Printing a view, with the outcome checked: a print that fails is reported
// to the user instead of passing in silence.
namespace Printing {

enum class Outcome { Printed, Failed, NoPrinter, Cancelled };

// Prints the view's selection (when selectionOnly and there is one) or all of
// it on the printer, keeping its formatting, and checks the printer afterwards.
Outcome PrintView(QTextEdit *view, QPrinter *printer, bool selectionOnly);

// Prints the whole view on the default printer without a dialog.
Outcome PrintOnDefaultPrinter(QTextEdit *view);

// Shows the print dialog (selection preselected when part of the view is
// selected) and prints on the chosen printer.
Outcome PrintWithDialog(QTextEdit *view, QWidget *parent);

// Tells the user when a print failed or found no printer; nothing otherwise.
void ReportOutcome(Outcome outcome, QWidget *parent);
QString OutcomeMessage(Outcome outcome);

// Makes the "default printer" a printer the test sets up (a PDF file, say, or
// nullptr for a computer without a printer); an empty function restores the
// system's default printer.
void SetDefaultPrinterForTesting(std::function<std::unique_ptr<QPrinter>()> factory);

} // namespace Printing

// A file dialog for one kind of file: its filter shows only that kind and, when
// saving, a chosen name that does not end in ".suffix" (exactly, lower case)
// gets it appended, so every file saved can be opened again.
struct FileKind {
    QString title;      // the dialog's caption
    QString filterName; // e.g. "Vessa Free Zodiac Yoga"
    QString suffix;     // e.g. "zoy", without the dot
};
// Returns the chosen path, or an empty text when the user cancels.
QString ChooseFileToOpen(QWidget *parent, const FileKind &kind);
QString ChooseFileToSave(QWidget *parent, const FileKind &kind);
// The question asked before a save replaces a file the dialog did not ask about.
QString ReplaceQuestion(const QString &path);
// The name a save keeps: the path with ".suffix" appended unless it already ends so.
QString WithSuffix(const QString &path, const QString &suffix);
