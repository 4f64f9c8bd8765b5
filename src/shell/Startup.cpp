#include "Startup.h"

#include "AppInfo.h"
#include "Look.h"
#include "MsgBox.h"
#include "UpdateReminder.h"
#include "frmMDI.h"
#include "modHelp.h"
#include "modRandom.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QScreen>
#include <QStandardPaths>

SingleInstance::SingleInstance(const QString &lockPath)
    : lock_(std::make_unique<QLockFile>(lockPath))
{
    // A running copy keeps its lock however long it runs; a lock left by a
    // copy that crashed is recognised by its process id and taken over.
    lock_->setStaleLockTime(0);
}

bool SingleInstance::Acquire() { return lock_->tryLock(0); }

QString SingleInstance::DefaultLockPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    QDir().mkpath(folder);
    return folder + u'/' + AppInfo::ApplicationName() + QStringLiteral(".lock");
}

int RunSuite(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(AppInfo::ApplicationName());
    QApplication::setWindowIcon(Look::AppIcon());
    // The program ends when the exit window closes, not when the main window does.
    QApplication::setQuitOnLastWindowClosed(false);

    SingleInstance instance;
    if (!instance.Acquire()) {
        ShowMessage(nullptr, QStringLiteral("Application is already running"),
                    QMessageBox::Information);
        QuitProgram();
        return 0;
    }

    Random::SeedFromClock();
    RunUpdateReminder();

    frmMDI mainWindow;
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        mainWindow.setGeometry(screen->availableGeometry());
    mainWindow.showMaximized();
    return QApplication::exec();
}
