#include "ProgressMenu.h"

#include "ProgressRecorder.h"
#include "frmMyProgress.h"
#include "toolkit/ModuleHost.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

frmMyProgress *ShowMyProgress(QWidget *mainWindow, const Progress::Recorder &recorder,
                              const QStringList &modules) {
    // A window closed a moment ago is hidden until it is deleted; it does not count.
    frmMyProgress *open = nullptr;
    for (frmMyProgress *window : mainWindow->findChildren<frmMyProgress *>(Qt::FindDirectChildrenOnly))
        if (window->isVisible())
            open = window;
    if (open) {
        open->Refresh();
    } else {
        open = new frmMyProgress(modules, recorder.RecordPath(), mainWindow);
        open->setAttribute(Qt::WA_DeleteOnClose);
    }
    open->show();
    open->raise();
    open->activateWindow();
    return open;
}

MainMenuBuilder ProgressMenu(std::shared_ptr<Progress::Recorder> recorder, QStringList modules) {
    return [recorder, modules](QMenuBar *bar, ModuleHost &host) {
        QWidget *mainWindow = host.MainWindow();
        QMenu *menu = bar->addMenu(QStringLiteral("&Progress"));
        menu->setObjectName(QStringLiteral("mnuProgress"));
        QAction *open = menu->addAction(QStringLiteral("&My Progress"));
        open->setObjectName(QStringLiteral("mnuMyProgress"));
        // Ctrl+P prints in the module windows; this one is free everywhere.
        open->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+P")));
        QObject::connect(open, &QAction::triggered, bar, [mainWindow, recorder, modules] {
            ShowMyProgress(mainWindow, *recorder, modules);
        });
        QTimer::singleShot(0, bar, [recorder] { recorder->RecordWaitingTests(); });
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, bar,
                         [recorder] { recorder->RecordWaitingTests(); });
    };
}
