#include "ProgressMenu.h"

#include "ProgressRecorder.h"
#include "toolkit/ModuleHost.h"
#include "toolkit/MsgBox.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QLibrary>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

namespace {

using CreateWindow = QDialog *(*)(const QStringList &, const QString &, QWidget *, const MyProgressOptions &);

// The progress window's library: beside the program in a build folder,
// in <libdir>/learning-suite once installed; loaded once, kept loaded.
CreateWindow windowFactory(QString *problem)
{
    static CreateWindow create = nullptr;
    if (create)
        return create;
    const QString own = QCoreApplication::applicationDirPath();
    const QStringList folders{own, QDir::cleanPath(own + QStringLiteral("/../") + QStringLiteral(PROGRESS_WINDOW_LIBDIR)),
                              QStringLiteral(PROGRESS_WINDOW_BUILD_DIR)};
    for (const QString &folder : folders) {
        QLibrary library(folder + u'/' + QStringLiteral(PROGRESS_WINDOW_FILE));
        if (!library.load()) {
            if (problem && problem->isEmpty())
                *problem = library.errorString();
            continue;
        }
        create = reinterpret_cast<CreateWindow>(library.resolve("CreateMyProgressWindow"));
        if (create)
            return create;
    }
    return nullptr;
}

} // namespace

QDialog *OpenMyProgressWindow(QWidget *mainWindow)
{
    // A window closed a moment ago is hidden until it is deleted; it does not count.
    for (QDialog *window : mainWindow->findChildren<QDialog *>(QStringLiteral("frmMyProgress"),
                                                               Qt::FindDirectChildrenOnly))
        if (window->isVisible())
            return window;
    return nullptr;
}

QDialog *ShowMyProgress(QWidget *mainWindow, const Progress::Recorder &recorder, const QStringList &modules,
                        const MyProgressOptions &options)
{
    QDialog *open = OpenMyProgressWindow(mainWindow);
    if (open) {
        QMetaObject::invokeMethod(open, "Refresh");
    } else {
        QString problem;
        const CreateWindow create = windowFactory(&problem);
        if (!create) {
            ShowMessage(mainWindow,
                        QStringLiteral("The progress window cannot be opened: a part of the program is "
                                       "missing or damaged.\r\n") + problem,
                        QMessageBox::Warning);
            return nullptr;
        }
        open = create(modules, recorder.RecordPath(), mainWindow, options);
        open->setAttribute(Qt::WA_DeleteOnClose);
    }
    open->show();
    open->raise();
    open->activateWindow();
    return open;
}

MainMenuBuilder ProgressMenu(std::shared_ptr<Progress::Recorder> recorder, QStringList modules,
                             PracticeOpener practice, Progress::Clock clock) {
    return [recorder, modules, practice, clock](QMenuBar *bar, ModuleHost &host) {
        QWidget *mainWindow = host.MainWindow();
        QMenu *menu = bar->addMenu(QStringLiteral("&Progress"));
        menu->setObjectName(QStringLiteral("mnuProgress"));
        QAction *open = menu->addAction(QStringLiteral("&My Progress"));
        open->setObjectName(QStringLiteral("mnuMyProgress"));
        open->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+P")));
        MyProgressOptions options{{}, clock};
        if (practice) {
            options.practise = [mainWindow, practice](const QString &module) { practice(mainWindow, module); };
            QAction *practise = menu->addAction(QStringLiteral("&Practice Due Items..."));
            practise->setObjectName(QStringLiteral("mnuPractice"));
            practise->setShortcut(QKeySequence(QStringLiteral("Ctrl+P")));
            QObject::connect(practise, &QAction::triggered, bar,
                             [mainWindow, practice] { practice(mainWindow, QString()); });
        }
        QObject::connect(open, &QAction::triggered, bar, [mainWindow, recorder, modules, options] {
            ShowMyProgress(mainWindow, *recorder, modules, options);
        });
        QTimer::singleShot(0, bar, [recorder] { recorder->RecordWaitingTests(); });
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, bar,
                         [recorder] { recorder->RecordWaitingTests(); });
    };
}
