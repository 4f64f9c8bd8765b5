#pragma once

#include <QApplication>
#include <QColor>
#include <QTextDocument>
#include <QList>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QtGlobal>

#include "toolkit/DataLocations.h"
#include "toolkit/ModuleHost.h"
#include "toolkit/ModuleTable.h"

#include <memory>

namespace Progress { class Recorder; }

// Helpers shared by the widget tests.
namespace TestSupport {

// The child of `root` with that object name; a missing one is named in the
// test's output, so a renamed control is found at once.
template <class T = QWidget> T *Named(const QObject *root, const QString &name)
{
    T *found = root->findChild<T *>(name);
    if (!found)
        qWarning("no control named %s", qPrintable(name));
    return found;
}

// What a message box showed before it was answered.
struct SeenMessage {
    bool shown = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// A watcher that answers the next modal message box and records what it
// showed; it stops watching when it is destroyed.
struct MessageAnswer : SeenMessage {
    QTimer timer;
};

// Arms a watcher that answers the next modal message box with `answer` and
// records what it showed. Call before the action that shows the box.
// The returned record is filled once the box has appeared.
std::shared_ptr<MessageAnswer> AnswerNextMessage(QMessageBox::StandardButton answer = QMessageBox::Ok);

// Arms a watcher for the next print dialog: with a path it prints to that PDF
// file (as "Print to File (PDF)" does), without one it cancels. `shown` tells
// whether a dialog came.
struct PrintDialogAnswer {
    bool shown = false;
    QTimer timer;
};
std::shared_ptr<PrintDialogAnswer> AnswerNextPrintDialog(const QString &pdfPath = QString());

// The lines of a document written (in part) in the colour given.
QStringList LinesInColour(const QTextDocument *document, const QColor &colour);

// Answers every message box that appears until the returned object is destroyed,
// recording each one, so a test can run an action that may show several.
class MessageRecorder {
public:
    explicit MessageRecorder(QMessageBox::StandardButton answer = QMessageBox::Ok);
    ~MessageRecorder();
    QList<SeenMessage> messages;

private:
    QTimer timer_;
    QMessageBox::StandardButton answer_;
};

// A host for module windows that stand on their own, without a main window:
// it shows them as windows of their own, gives them the sandbox's folders and
// records what they asked of it.
class Host : public ModuleHost {
public:
    explicit Host(DataLocations locations, QStringList arguments = {QStringLiteral("learning-suite")});
    ~Host() override;

    void ShowModuleWindow(QWidget *window, Placement placement = Placement::Centred) override;
    void ShowStartPanel() override { ++startPanelShown; }
    void HideStartPanel() override { ++startPanelHidden; }
    void TrackModuleWindow(QWidget *window) override { tracked.append(window); }
    QMainWindow *MainWindow() override { return nullptr; }
    const DataLocations &Locations() const override { return locations_; }
    QStringList Arguments() const override { return arguments_; }
    QWidget *ModulePanel(Panel side, const QString &owner) override;
    void SelectModule(const QString &name) override { selected.append(name); }

    QList<QPointer<QWidget>> tracked; // every window that asked to be closed on a switch
    QStringList selected;             // modules asked for, in order
    int startPanelShown = 0;
    int startPanelHidden = 0;

private:
    DataLocations locations_;
    QStringList arguments_;
    std::unique_ptr<QWidget> panels_[2];
};

// Puts the files of a test below a fresh temporary folder: the program folder
// folder()/program, the per-user data folder folder()/user, settings, login
// entries and temporary files; records web pages instead of opening them
// (undone on destruction). host() is a host for module windows made outside a
// main window.
class Sandbox {
public:
    Sandbox();
    ~Sandbox();
    QString folder() const { return dir_.path(); }
    QString programFolder() const { return dir_.filePath(QStringLiteral("program")); }
    QString userFolder() const { return dir_.filePath(QStringLiteral("user")); }
    const DataLocations &locations() const { return locations_; }
    Host &host() { return *host_; }
    // A progress recorder over the sandbox's user folder, made when first asked for.
    std::shared_ptr<Progress::Recorder> recorder();
    // A suite of the given modules over the sandbox's folders, for a main window.
    Suite suiteWith(std::vector<ModuleEntry> modules,
                    QStringList arguments = {QStringLiteral("learning-suite")}) const;
    QList<QUrl> openedPages;

private:
    QTemporaryDir dir_;
    DataLocations locations_;
    std::unique_ptr<Host> host_;
    std::unique_ptr<QObject> pageRecorder_;
    std::shared_ptr<Progress::Recorder> recorder_;
};

} // namespace TestSupport
