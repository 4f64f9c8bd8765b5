#include "ReportView.h"

#include "MsgBox.h"
#include "modRTB.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>
#include <QTextDocumentFragment>

ReportView::ReportView(const QString &objectName, QWidget *parent, const QString &family,
                       double points)
    : QTextEdit(parent)
{
    setObjectName(objectName);
    RTB::MakeDisplay(this, family, points);
    InstallClipboardGuard(this);
}

ReportView::~ReportView() { DisableLinks(); }

void ReportView::EnableLinks() { EnableLinkHandling(this, window()); }

void ReportView::DisableLinks()
{
    if (LinksEnabled())
        DisableLinkHandling();
}

bool ReportView::LinksEnabled() const { return LinkHandlingView() == this; }

namespace Printing {

namespace {
std::function<std::unique_ptr<QPrinter>()> &defaultPrinterFactory()
{
    static std::function<std::unique_ptr<QPrinter>()> factory;
    return factory;
}
} // namespace

Outcome PrintView(QTextEdit *view, QPrinter *printer, bool selectionOnly)
{
    if (!printer->isValid())
        return Outcome::NoPrinter;
    const QTextCursor selection = view->textCursor();
    if (selectionOnly && selection.hasSelection()) {
        QTextDocument part;
        part.setDefaultFont(view->document()->defaultFont());
        QTextCursor(&part).insertFragment(selection.selection());
        part.print(printer);
    } else {
        view->document()->print(printer);
    }
    return printer->printerState() == QPrinter::Error ? Outcome::Failed : Outcome::Printed;
}

Outcome PrintOnDefaultPrinter(QTextEdit *view)
{
    if (defaultPrinterFactory()) {
        const std::unique_ptr<QPrinter> printer = defaultPrinterFactory()();
        return printer ? PrintView(view, printer.get(), false) : Outcome::NoPrinter;
    }
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return Outcome::NoPrinter;
    QPrinter printer(info, QPrinter::HighResolution);
    return PrintView(view, &printer, false);
}

Outcome PrintWithDialog(QTextEdit *view, QWidget *parent)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("CD"));
    const bool hasSelection = view->textCursor().hasSelection();
    QPrintDialog::PrintDialogOptions options =
        QPrintDialog::PrintToFile | QPrintDialog::PrintShowPageSize;
    if (hasSelection)
        options |= QPrintDialog::PrintSelection;
    dialog.setOptions(options);
    dialog.setPrintRange(hasSelection ? QPrintDialog::Selection : QPrintDialog::AllPages);
    if (dialog.exec() != QDialog::Accepted)
        return Outcome::Cancelled;
    return PrintView(view, &printer, printer.printRange() == QPrinter::Selection);
}

QString OutcomeMessage(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Failed:
        return QStringLiteral("The printer reported an error, so the report may not have been printed.");
    case Outcome::NoPrinter:
        return QStringLiteral("No printer is set up on this computer, so nothing was printed.");
    default:
        return {};
    }
}

void ReportOutcome(Outcome outcome, QWidget *parent)
{
    const QString message = OutcomeMessage(outcome);
    if (!message.isEmpty())
        ShowMessage(parent, message, QMessageBox::Warning);
}

void SetDefaultPrinterForTesting(std::function<std::unique_ptr<QPrinter>()> factory)
{
    defaultPrinterFactory() = std::move(factory);
}

} // namespace Printing

namespace {
QString chooseFile(QWidget *parent, const FileKind &kind, bool forSaving)
{
    QFileDialog dialog(parent, kind.title);
    dialog.setObjectName(QStringLiteral("CD"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(forSaving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(forSaving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(kind.filterName + QStringLiteral(" (*.") + kind.suffix + u')');
    dialog.setDefaultSuffix(kind.suffix);
    for (;;) {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        const QString chosen = dialog.selectedFiles().constFirst();
        if (!forSaving)
            return chosen;
        // The dialog asked about the name it saw; a name that gets its ending
        // only now may be another file, which is replaced only when the user says so.
        const QString path = WithSuffix(chosen, kind.suffix);
        if (path == chosen || !QFileInfo::exists(path) ||
            ShowMessage(parent, ReplaceQuestion(path), QMessageBox::Warning,
                        QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes)
            return path;
        dialog.selectFile(QFileInfo(path).fileName());
    }
}
} // namespace

QString ChooseFileToOpen(QWidget *parent, const FileKind &kind) { return chooseFile(parent, kind, false); }
QString ChooseFileToSave(QWidget *parent, const FileKind &kind) { return chooseFile(parent, kind, true); }

QString ReplaceQuestion(const QString &path)
{
    return QFileInfo(path).fileName() + QStringLiteral(" already exists.\r\nDo you want to replace it?");
}

QString WithSuffix(const QString &path, const QString &suffix)
{
    const QString ending = u'.' + suffix;
    return path.endsWith(ending, Qt::CaseSensitive) ? path : path + ending;
}
