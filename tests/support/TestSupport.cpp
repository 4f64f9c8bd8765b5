#include "TestSupport.h"

#include "toolkit/DataLocations.h"
#include "toolkit/modHelp.h"
#include "toolkit/modSettings.h"

#include <QAbstractButton>
#include <QTextBlock>
#include <QPrintDialog>
#include <QPrinter>
#include <QDir>
#include <QStandardPaths>

namespace TestSupport {

namespace {
bool answerOne(QMessageBox::StandardButton answer, SeenMessage &seen)
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box)
        return false;
    seen.shown = true;
    seen.title = box->windowTitle();
    seen.text = box->text();
    seen.icon = box->icon();
    seen.buttons = box->standardButtons();
    QAbstractButton *button = box->button(answer);
    if (button)
        button->click();
    else
        box->reject();
    return true;
}
} // namespace

std::shared_ptr<MessageAnswer> AnswerNextMessage(QMessageBox::StandardButton answer)
{
    auto watch = std::make_shared<MessageAnswer>();
    MessageAnswer *raw = watch.get();
    raw->timer.setInterval(10);
    QObject::connect(&raw->timer, &QTimer::timeout, &raw->timer, [raw, answer] {
        if (answerOne(answer, *raw))
            raw->timer.stop();
    });
    raw->timer.start();
    return watch;
}

std::shared_ptr<PrintDialogAnswer> AnswerNextPrintDialog(const QString &pdfPath)
{
    auto watch = std::make_shared<PrintDialogAnswer>();
    PrintDialogAnswer *raw = watch.get();
    raw->timer.setInterval(10);
    QObject::connect(&raw->timer, &QTimer::timeout, &raw->timer, [raw, pdfPath] {
        auto *dialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        raw->timer.stop();
        raw->shown = true;
        if (pdfPath.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->printer()->setOutputFormat(QPrinter::PdfFormat);
        dialog->printer()->setOutputFileName(pdfPath);
        // Closed as accepted without reading the dialog's fields back into the printer.
        dialog->done(QDialog::Accepted);
    });
    raw->timer.start();
    return watch;
}

QStringList LinesInColour(const QTextDocument *document, const QColor &colour)
{
    QStringList lines;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().foreground().color() == colour) {
                lines << block.text();
                break;
            }
    return lines;
}

MessageRecorder::MessageRecorder(QMessageBox::StandardButton answer) : answer_(answer)
{
    timer_.setInterval(10);
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
        SeenMessage seen;
        if (answerOne(answer_, seen))
            messages.append(seen);
    });
    timer_.start();
}

MessageRecorder::~MessageRecorder() { timer_.stop(); }

Sandbox::Sandbox()
{
    QStandardPaths::setTestModeEnabled(true);
    Settings::SetSettingsFileForTesting(dir_.filePath(QStringLiteral("settings.ini")));
    QDir(dir_.path()).mkpath(QStringLiteral("program"));
    QDir(dir_.path()).mkpath(QStringLiteral("user"));
    DataLocations::SetProgramFolderForTesting(dir_.filePath(QStringLiteral("program")));
    DataLocations::SetUserDataFolderForTesting(dir_.filePath(QStringLiteral("user")));
    SetWebOpenerForTesting([this](const QUrl &url) { openedPages.append(url); });
}

Sandbox::~Sandbox()
{
    SetWebOpenerForTesting({});
    Settings::SetSettingsFileForTesting(QString());
    DataLocations::SetProgramFolderForTesting(QString());
    DataLocations::SetUserDataFolderForTesting(QString());
}

} // namespace TestSupport
