// Start-up and module-switch timing, measured inside the process.
//   suite-bench suite          the suite: start-up sequence, main window shown and painted,
//                              then switching between modules
//   suite-bench suite-start    the suite up to its first paint, then it ends (what
//                              callgrind counts)
// The bare main window it is compared with is suite-bench-bare (bare_window.cpp).
// Prints one line of "key=value" figures. bench/run.sh runs both several times.
#include "BenchSupport.h"
#include "toolkit/UpdateReminder.h"
#include "app/SuiteModules.h"
#include "shell/frmMDI.h"
#include "toolkit/modRandom.h"
#include "toolkit/modSettings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QTemporaryDir>

#include <sys/resource.h>

namespace {

long peakRssKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

double switchModule(QWidget *mdi, int button)
{
    QElapsedTimer timer;
    timer.start();
    mdi->findChild<QAbstractButton *>(QStringLiteral("cmdSelectOption(%1)").arg(button))->click();
    Bench::WaitForPaint(mdi);
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    QElapsedTimer clock;
    clock.start();
    const bool startOnly = argc > 1 && qstrcmp(argv[1], "suite-start") == 0;
    QApplication app(argc, argv);
    QTemporaryDir sandbox;
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();

    Random::SeedFromClock();
    // As the program starts: the reminder, then the main window of the suite.
    const DataLocations locations = Bench::Locations(sandbox.path(), DataLocations::OfProgram().ProgramFolders());
    RunUpdateReminder(Settings::Store(locations.SettingsFile()));
    frmMDI mdi(DescribeSuite(locations, QApplication::arguments()));
    mdi.setGeometry(screen);
    mdi.show();
    Bench::WaitForPaint(&mdi);
    const double startup = clock.nsecsElapsed() / 1e6;
    if (startOnly) {
        printf("mode=suite startup_ms=%.1f\n", startup);
        return 0;
    }
    const qlonglong widgets = mdi.findChildren<QWidget *>().size();
    // First opening of each module, then a second round with everything warm.
    const double aromaFirst = switchModule(&mdi, 2);
    const double zodiacFirst = switchModule(&mdi, 1);
    const double aromaAgain = switchModule(&mdi, 2);
    const double zodiacAgain = switchModule(&mdi, 1);
    printf("mode=suite startup_ms=%.1f widgets=%lld switch_aroma_first_ms=%.1f "
           "switch_zodiac_first_ms=%.1f switch_aroma_ms=%.1f switch_zodiac_ms=%.1f peak_rss_kb=%ld\n",
           startup, widgets, aromaFirst, zodiacFirst, aromaAgain, zodiacAgain, peakRssKb());
    return 0;
}
