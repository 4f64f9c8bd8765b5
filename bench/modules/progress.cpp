// "My Progress" with a long history: a progress file holding 10,000 finished
// tests (2,500 in each of the four recorded modules, 20 questions each) is
// made once, then the window is opened from the main window's menu item and
// timed from the click until it has been painted; the median of repetitions.
//   fill_s            writing the 10,000 tests (one transaction)
//   open_ms           "My Progress" opened and painted (first module's page read)
//   tab_ms            choosing the next module's page (read on first showing)
// Prints "progress <name> <value>" lines.
#include "BenchSupport.h"
#include "app/SuiteModules.h"
#include "progress/ProgressStore.h"
#include "toolkit/DataLocations.h"
#include "shell/frmMDI.h"
#include "toolkit/modSettings.h"

#include <QDialog>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

namespace {

const QStringList kModules{QStringLiteral("Learn Aromatherapy"), QStringLiteral("Learn Cartomancy"),
                           QStringLiteral("Learn Dream Interpretation"),
                           QStringLiteral("Learn Palmistry")};

bool fill(const QString &path, int testsPerModule) {
    Progress::ProgressStore store(path);
    QList<Progress::TestRecord> tests;
    const QDateTime start = QDateTime::currentDateTime().addDays(-testsPerModule);
    for (int i = 0; i < testsPerModule; ++i) {
        for (const QString &module : kModules) {
            Progress::TestRecord test;
            test.module = module;
            test.kind = QStringLiteral("Test By Keyword");
            test.level = QStringLiteral("Basic");
            test.takenAt = start.addSecs(i * 3600 * 24 + 60 * tests.size() % 600);
            test.questionCount = 20;
            for (int q = 0; q < 20; ++q) {
                const bool right = (q * 7 + i) % 5 != 0;
                test.score += right;
                test.answers.append({QStringLiteral("Item %1").arg((q * 13 + i) % 150),
                                     QStringLiteral("given"), QStringLiteral("correct"), right});
            }
            tests.append(test);
        }
    }
    return store.RecordMany(tests);
}

} // namespace

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QTemporaryDir sandbox;
    const DataLocations locations = Bench::Locations(sandbox.path());

    QElapsedTimer timer;
    timer.start();
    if (!fill(locations.UserFile(Progress::DefaultFileName()), 2500)) {
        std::fprintf(stderr, "progress: the test history could not be written\n");
        return 1;
    }
    const double fillSeconds = timer.nsecsElapsed() / 1e9;

    frmMDI mdi(DescribeSuite(locations, QApplication::arguments()));
    mdi.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    mdi.show();
    Bench::WaitForPaint(&mdi);
    auto *open = mdi.findChild<QAction *>(QStringLiteral("mnuMyProgress"));
    if (!open) {
        std::fprintf(stderr, "progress: no My Progress menu item\n");
        return 1;
    }

    std::vector<double> opens, tabs;
    for (int round = 0; round < 9; ++round) {
        QElapsedTimer clock;
        clock.start();
        open->trigger();
        auto *window = mdi.findChild<QDialog *>(QStringLiteral("frmMyProgress"));
        Bench::WaitForPaint(window);
        opens.push_back(clock.nsecsElapsed() / 1e6);
        auto *pages = window->findChild<QTabWidget *>(QStringLiteral("tabModules"));
        tabs.push_back(Bench::Timed(window, [&] { pages->setCurrentIndex(1 + round % 3); }));
        window->close();
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    std::printf("progress fill_s %.2f\n", fillSeconds);
    // The first opening loads the window's library (and the chart library with it).
    std::printf("progress open_first_ms %.1f\n", opens.front());
    std::printf("progress open_ms %.1f\n", Bench::Median(opens));
    std::printf("progress tab_ms %.1f\n", Bench::Median(tabs));
    return 0;
}
