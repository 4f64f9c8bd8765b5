// Walks through the suite's windows the way a user would and saves a picture
// of the main window at each step, for looking at the layout:
//   suite-tour [--size WIDTHxHEIGHT] [--scale FACTOR] [OUTPUT_FOLDER]
// With --size the tour starts a virtual X display (Xvfb) of that size of its
// own and ends it afterwards; without it, it runs on the current display.
// --scale sets QT_SCALE_FACTOR (for example --size 2732x1536 --scale 2).
// Each module's walk is in tools/tour/.
#include "Tour.h"

#include "app/SuiteModules.h"
#include "toolkit/DataLocations.h"
#include "shell/frmMDI.h"
#include "toolkit/modSettings.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {
QString outDir;
int shotNumber = 0;

std::multimap<int, void (*)(frmMDI &)> &walks()
{
    static std::multimap<int, void (*)(frmMDI &)> all;
    return all;
}
} // namespace

namespace Tour {

void Settle() { QTest::qWait(250); }

void Shot(QWidget *window, const QString &name)
{
    Settle();
    const QString path = QStringLiteral("%1/%2-%3.png")
                             .arg(outDir)
                             .arg(++shotNumber, 2, 10, QLatin1Char('0'))
                             .arg(name);
    window->grab().save(path);
    qInfo("%s", qPrintable(path));
}

void ShotScreen(const QString &name)
{
    Settle();
    const QString path = QStringLiteral("%1/%2-%3.png")
                             .arg(outDir)
                             .arg(++shotNumber, 2, 10, QLatin1Char('0'))
                             .arg(name);
    // The whole screen (window 0 is the root window), so windows over the main
    // window show as the user sees them.
    QGuiApplication::primaryScreen()->grabWindow(0).save(path);
    qInfo("%s", qPrintable(path));
}

void SaveWindow(QWidget *window, const QString &name)
{
    window->grab().save(outDir + u'/' + name + QStringLiteral(".png"));
}

void ShotReview(QWidget *moduleWindow, const QString &name)
{
    auto *button = Find<QAbstractButton>(moduleWindow, QStringLiteral("cmdReviewMissed"));
    if (!button)
        return;
    // A test without a wrong answer has nothing to review; its message is answered.
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
            box->accept();
    });
    answer.start(50);
    button->click();
    Settle();
    QWidget *review = QApplication::activeModalWidget();
    if (!review || review->objectName() != QLatin1String("frmReviewMissed"))
        return;
    Shot(review, name);
    if (auto *next = Find<QAbstractButton>(review, QStringLiteral("cmdReviewNext"));
        next && next->isEnabled()) {
        next->click();
        Shot(review, name + QStringLiteral("-next"));
    }
    review->close();
    Settle();
}

QDialog *OpenFromMenu(frmMDI &mdi, const QString &action, const QString &window)
{
    auto *item = mdi.findChild<QAction *>(action);
    if (!item)
        return nullptr;
    item->trigger();
    Settle();
    return mdi.findChild<QDialog *>(window);
}

void SelectModule(frmMDI &mdi, int button)
{
    if (auto *b = Find<QAbstractButton>(&mdi, QStringLiteral("cmdSelectOption(%1)").arg(button)))
        b->click();
}

Walk::Walk(int order, void (*run)(frmMDI &)) { walks().emplace(order, run); }

} // namespace Tour

namespace {

struct Options {
    std::string size;  // WIDTHxHEIGHT, empty for the current display
    std::string scale; // QT_SCALE_FACTOR, empty to leave it as it is
    std::string outDir;
    bool ok = true;
};

Options parseOptions(int argc, char *argv[])
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--size" || arg == "--scale") && i + 1 < argc)
            (arg == "--size" ? options.size : options.scale) = argv[++i];
        else if (arg.rfind("--", 0) == 0)
            options.ok = false;
        else
            options.outDir = arg;
    }
    int width = 0, height = 0;
    char rest = 0;
    if (!options.size.empty() &&
        (std::sscanf(options.size.c_str(), "%dx%d%c", &width, &height, &rest) != 2 ||
         width < 320 || height < 200))
        options.ok = false;
    if (!options.scale.empty() && std::atof(options.scale.c_str()) <= 0)
        options.ok = false;
    return options;
}

void stopVirtualDisplay(pid_t server);

// Starts Xvfb with one screen of the given size. Xvfb picks a free display
// number and reports it on a pipe once it accepts connections. Returns the
// server's process id and its display number, or -1.
pid_t launchVirtualDisplay(const std::string &size, std::string &display)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return -1;
    const pid_t server = fork();
    if (server == 0) {
        close(pipeEnds[0]);
        const std::string fd = std::to_string(pipeEnds[1]);
        const std::string screen = size + "x24";
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(),
               "-nolisten", "tcp", static_cast<char *>(nullptr));
        _exit(127);
    }
    close(pipeEnds[1]);
    // The whole line, up to its line end: a reader that goes away before Xvfb
    // has written all of it makes Xvfb fail ("Cannot write display number").
    // The read end stays open while the server runs, for the same reason.
    std::string number;
    char c = 0;
    while (server > 0 && number.size() < 15 && read(pipeEnds[0], &c, 1) == 1 && c != '\n')
        number += c;
    if (server < 0 || number.empty() || c != '\n') {
        close(pipeEnds[0]);
        stopVirtualDisplay(server);
        return -1;
    }
    display = ":" + number;
    return server;
}

// Other programs may start X servers at the same moment and take the display
// number Xvfb chose, which ends it; then it is started again.
pid_t startVirtualDisplay(const std::string &size)
{
    for (int attempt = 0; attempt < 5; ++attempt) {
        std::string display;
        const pid_t server = launchVirtualDisplay(size, display);
        if (server < 0)
            continue;
        usleep(300 * 1000);
        if (waitpid(server, nullptr, WNOHANG) != 0)
            continue; // it has ended already
        setenv("DISPLAY", display.c_str(), 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        return server;
    }
    return -1;
}

void stopVirtualDisplay(pid_t server)
{
    if (server <= 0)
        return;
    kill(server, SIGTERM);
    waitpid(server, nullptr, 0);
}

int runTour(int argc, char *argv[], const QString &folder);

} // namespace

int main(int argc, char *argv[])
{
    const Options options = parseOptions(argc, argv);
    if (!options.ok) {
        std::fprintf(stderr,
                     "usage: suite-tour [--size WIDTHxHEIGHT] [--scale FACTOR] [OUTPUT_FOLDER]\n");
        return 2;
    }
    if (!options.scale.empty())
        setenv("QT_SCALE_FACTOR", options.scale.c_str(), 1);
    pid_t server = -1;
    if (!options.size.empty()) {
        server = startVirtualDisplay(options.size);
        if (server < 0) {
            std::fprintf(stderr, "suite-tour: could not start Xvfb for a %s screen\n",
                         options.size.c_str());
            return 1;
        }
    }
    const int result = runTour(argc, argv, QString::fromLocal8Bit(options.outDir.c_str()));
    stopVirtualDisplay(server);
    return result;
}

namespace {

int runTour(int argc, char *argv[], const QString &folder)
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    outDir = folder.isEmpty() ? QDir::tempPath() : folder;
    QDir().mkpath(outDir);
    // Settings and the user's files go to a folder of the tour's own.
    QTemporaryDir sandbox;
    // The databases the build made lie beside the program, not beside the tour.
    DataLocations::Folders folders = DataLocations::Below(sandbox.path()).AllFolders();
    folders.program = QStringList{QFileInfo(QStringLiteral(CARD_DATABASE)).path(),
                                  QFileInfo(QStringLiteral(DREAM_KEYWORDS_DB)).path()} +
                      DataLocations::OfProgram().ProgramFolders();
    // "Today" is three days on, so the items of the tests the walks take are
    // due when the tour comes to practice them.
    frmMDI mdi(DescribeSuite(DataLocations(folders), QApplication::arguments(),
                             [] { return QDateTime::currentDateTime().addDays(3); }));
    mdi.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    mdi.showMaximized();
    if (!QTest::qWaitForWindowExposed(&mdi))
        return 1;
    Tour::Shot(&mdi, QStringLiteral("start"));

    for (const auto &walk : walks())
        walk.second(mdi);

    // The About window, then the exit window shown while the main window closes.
    QTimer::singleShot(600, [&] {
        if (QWidget *about = QApplication::activeModalWidget()) {
            Tour::SaveWindow(about, QStringLiteral("about"));
            about->close();
        }
    });
    mdi.findChild<QAction *>(QStringLiteral("mnuAbout"))->trigger();
    mdi.close();
    Tour::Settle();
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("frmNagScreen2") && w->isVisible())
            Tour::SaveWindow(w, QStringLiteral("exit-window"));
    return 0;
}

} // namespace
