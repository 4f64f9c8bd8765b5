#include "ProgressMenu.h"

#include "ProgressRecorder.h"
#include "frmMyProgress.h"
#include "toolkit/MainMenus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>
#include <QCoreApplication>

frmMyProgress *ShowMyProgress(QWidget *mainWindow, const QStringList &modules) {
    static QPointer<frmMyProgress> open;
    if (open && open->parentWidget() == mainWindow) {
        open->Refresh();
    } else {
        delete open;
        open = new frmMyProgress(modules, QString(), mainWindow);
        open->setAttribute(Qt::WA_DeleteOnClose);
    }
    open->show();
    open->raise();
    open->activateWindow();
    return open;
}

void AddProgressMenu(QMenuBar *bar, QWidget *mainWindow, const QStringList &modules) {
    QMenu *menu = bar->addMenu(QStringLiteral("&Progress"));
    menu->setObjectName(QStringLiteral("mnuProgress"));
    QAction *open = menu->addAction(QStringLiteral("&My Progress"));
    open->setObjectName(QStringLiteral("mnuMyProgress"));
    // Ctrl+P prints in the module windows; this one is free everywhere.
    open->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+P")));
    QObject::connect(open, &QAction::triggered, mainWindow,
                     [mainWindow, modules] { ShowMyProgress(mainWindow, modules); });
}

void RegisterProgressMenu(const QStringList &modules) {
    RegisterMainMenu(QStringLiteral("progress"), [modules](QMenuBar *bar, QWidget *mainWindow) {
        AddProgressMenu(bar, mainWindow, modules);
        // Tests an earlier run could not record are written once the suite is up,
        // and what still waits when it ends.
        QTimer::singleShot(0, mainWindow, [] { Progress::RecordWaitingTests(); });
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, mainWindow,
                         [] { Progress::RecordWaitingTests(); });
    });
}
