#include "Startup.h"

#include "toolkit/AppInfo.h"
#include "CommandLine.h"
#include "toolkit/Look.h"
#include "toolkit/MsgBox.h"
#include "toolkit/UpdateReminder.h"
#include "Handover.h"
#include "frmMDI.h"
#include "toolkit/modHelp.h"
#include "toolkit/modRandom.h"
#include "toolkit/DataLocations.h"
#include "toolkit/ModuleTable.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>

#include <cstdio>

SingleInstance::SingleInstance(const QString &lockPath)
    : lock_(std::make_unique<QLockFile>(lockPath)), path_(lockPath)
{
    // A running copy keeps its lock however long it runs; a lock left by a
    // copy that crashed is recognised by its process id and taken over.
    lock_->setStaleLockTime(0);
}

SingleInstance::Outcome SingleInstance::Acquire()
{
    if (lock_->tryLock(0))
        return Outcome::First;
    // Only a lock that a live copy holds means "already running"; a lock that
    // cannot be made at all says nothing about another copy.
    if (lock_->error() == QLockFile::LockFailedError)
        return Outcome::AlreadyRunning;
    problem_ = QDir::toNativeSeparators(path_) +
               (lock_->error() == QLockFile::PermissionError
                    ? QStringLiteral(": the folder cannot be written")
                    : QStringLiteral(": the lock file cannot be made"));
    return Outcome::Unavailable;
}

QString SingleInstance::DefaultLockPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    QDir().mkpath(folder);
    return folder + u'/' + AppInfo::ApplicationName() + QStringLiteral(".lock");
}

void BringToFront(QWidget &window)
{
    if (window.isMinimized())
        window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window.show();
    window.raise();
    window.activateWindow();
}

void OpenHandedFiles(frmMDI &window, const QStringList &files)
{
    BringToFront(window);
    window.OpenFiles(files);
}

namespace {

int answerInText(int argc, char *argv[], const SuiteDescription &describe)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(AppInfo::ApplicationName());
    QCoreApplication::setApplicationVersion(AppInfo::Version());
    const Suite suite = describe(DataLocations::OfProgram(), QCoreApplication::arguments());
    return CommandLine::AnswerInText(CommandLine::Parse(suite.modules, suite.arguments), suite.modules,
                                     suite.locations);
}

} // namespace

int RunSuite(int argc, char *argv[], const SuiteDescription &describe)
{
    // --help, --version and --data-paths are answered before the window
    // system starts, so they work without a display.
    QStringList raw;
    for (int i = 0; i < argc; ++i)
        raw.append(QString::fromLocal8Bit(argv[i]));
    if (CommandLine::AsksForText(raw))
        return answerInText(argc, argv, describe);

    QApplication app(argc, argv);
    QApplication::setApplicationName(AppInfo::ApplicationName());
    QApplication::setApplicationVersion(AppInfo::Version());
    // Qt has taken its own options (-platform, -style) out of the arguments by now.
    Suite suite = describe(DataLocations::OfProgram(), QApplication::arguments());
    const CommandLine::Parsed parsed = CommandLine::Parse(suite.modules, suite.arguments);
    if (parsed.action != CommandLine::Action::RunSuite)
        return CommandLine::AnswerInText(parsed, suite.modules, suite.locations);
    for (const QString &word : parsed.unused)
        std::fprintf(stderr, "%s: %s is not a file the suite opens; it is ignored.\n",
                     qPrintable(AppInfo::ApplicationName()), qPrintable(word));
    QApplication::setWindowIcon(Look::AppIcon());
    // The program ends when the exit window closes, not when the main window does.
    QApplication::setQuitOnLastWindowClosed(false);

    QStringList files;
    for (const QString &file : parsed.files)
        files << QFileInfo(file).absoluteFilePath();
    SingleInstance instance;
    switch (instance.Acquire()) {
    case SingleInstance::Outcome::AlreadyRunning:
        // The running copy comes to the front and opens the files; only when
        // it cannot be reached is the user told that it runs.
        if (Handover::HandOver(Handover::DefaultServerPath(), files))
            return 0;
        ShowMessage(nullptr, QStringLiteral("Application is already running"),
                    QMessageBox::Information);
        return 0;
    case SingleInstance::Outcome::Unavailable:
        std::fprintf(stderr,
                     "%s: cannot tell whether another copy is running (%s); starting anyway.\n",
                     qPrintable(AppInfo::ApplicationName()), qPrintable(instance.Problem()));
        break;
    case SingleInstance::Outcome::First:
        break;
    }

    Random::SeedFromClock();
    RunUpdateReminder(Settings::Store(suite.locations.SettingsFile()));

    frmMDI mainWindow(std::move(suite));
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        mainWindow.setGeometry(screen->availableGeometry());
    mainWindow.showMaximized();
    Handover::Server handover(Handover::DefaultServerPath(), [&mainWindow](const QStringList &handed) {
        OpenHandedFiles(mainWindow, handed);
    });
    if (instance.Holds())
        handover.Listen();
    if (!files.isEmpty())
        QTimer::singleShot(0, &mainWindow, [&mainWindow, files] { mainWindow.OpenFiles(files); });
    return QApplication::exec();
}
