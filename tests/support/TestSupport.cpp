#include "TestSupport.h"


#include "progress/ProgressRecorder.h"

#include <QAbstractButton>
#include <QDesktopServices>
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

Host::Host(DataLocations locations, QStringList arguments)
    : locations_(std::move(locations)), arguments_(std::move(arguments))
{
}

Host::~Host() = default;

void Host::ShowModuleWindow(QWidget *window, Placement)
{
    TrackModuleWindow(window);
    window->show();
}

QWidget *Host::ModulePanel(Panel side, const QString &)
{
    std::unique_ptr<QWidget> &panel = panels_[side == Panel::Left ? 0 : 1];
    if (!panel)
        panel = std::make_unique<QWidget>();
    return panel.get();
}

namespace {
// Takes the web pages the program opens through the desktop.
class PageRecorder : public QObject {
    Q_OBJECT
public:
    explicit PageRecorder(QList<QUrl> &pages) : pages_(pages) {}
public Q_SLOTS:
    void open(const QUrl &url) { pages_.append(url); }

private:
    QList<QUrl> &pages_;
};
} // namespace

Sandbox::Sandbox()
    : locations_((QStandardPaths::setTestModeEnabled(true), DataLocations::Below(dir_.path()))),
      host_(std::make_unique<Host>(locations_)),
      pageRecorder_(std::make_unique<PageRecorder>(openedPages))
{
    QDir(dir_.path()).mkpath(QStringLiteral("user"));
    for (const QString &scheme : {QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("mailto")})
        QDesktopServices::setUrlHandler(scheme, pageRecorder_.get(), "open");
}

Sandbox::~Sandbox()
{
    for (const QString &scheme : {QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("mailto")})
        QDesktopServices::unsetUrlHandler(scheme);
}

std::shared_ptr<Progress::Recorder> Sandbox::recorder()
{
    if (!recorder_)
        recorder_ = std::make_shared<Progress::Recorder>(locations_);
    return recorder_;
}

Suite Sandbox::suiteWith(std::vector<ModuleEntry> modules, QStringList arguments) const
{
    Suite suite{locations_, std::move(arguments), {}, {}};
    for (ModuleEntry &entry : modules)
        suite.modules.Add(std::move(entry));
    return suite;
}

} // namespace TestSupport

#include "TestSupport.moc"
