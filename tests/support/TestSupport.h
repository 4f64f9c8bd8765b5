#pragma once

#include <QApplication>
#include <QColor>
#include <QTextDocument>
#include <QList>
#include <QMessageBox>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QtGlobal>

#include <memory>

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

// Points the settings store, the program folder (folder()/program) and the
// per-user data folder (folder()/user) at a fresh temporary folder and records
// web pages instead of opening them; undone on destruction.
class Sandbox {
public:
    Sandbox();
    ~Sandbox();
    QString folder() const { return dir_.path(); }
    QString programFolder() const { return dir_.filePath(QStringLiteral("program")); }
    QString userFolder() const { return dir_.filePath(QStringLiteral("user")); }
    QList<QUrl> openedPages;

private:
    QTemporaryDir dir_;
};

} // namespace TestSupport
