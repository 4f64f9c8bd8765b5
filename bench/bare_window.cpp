// The bare Qt main window the suite's start-up is compared with: a document
// area, the main window's menus and N plain labels, linked against Qt Widgets
// alone.
//   suite-bench-bare N            shown and painted, then it prints its figures and ends
//   suite-bench-bare N --start    ends at the first paint (what callgrind counts)
//   suite-bench-bare N --open     stays open (for a timer that watches the display)
#include "BenchSupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>

#include <cstdio>
#include <cstring>

#include <sys/resource.h>

int main(int argc, char *argv[])
{
    QElapsedTimer clock;
    clock.start();
    const int widgets = argc > 1 ? atoi(argv[1]) : 100;
    const char *how = argc > 2 ? argv[2] : "";
    QApplication app(argc, argv);
    QMainWindow window;
    auto *central = new QWidget;
    auto *layout = new QVBoxLayout(central);
    layout->addWidget(new QMdiArea);
    for (int i = 0; i < widgets; ++i) {
        auto *label = new QLabel(QStringLiteral("Label %1").arg(i), central);
        label->move(i % 20 * 40, i / 20 * 20);
    }
    window.setCentralWidget(central);
    // The main window's menus, as the suite has them.
    QMenuBar *bar = window.menuBar();
    bar->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    QMenu *help = bar->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&Online Help"));
    help->addAction(QStringLiteral("&Visit Us Online"));
    help->addSeparator();
    help->addAction(QStringLiteral("Check for &Update"));
    help->addSeparator();
    help->addAction(QStringLiteral("&About Software"));
    bar->addAction(QStringLiteral("&Donate"));
    bar->addMenu(QStringLiteral("&Progress"))->addAction(QStringLiteral("&My Progress"));
    window.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    window.show();
    Bench::WaitForPaint(&window);
    if (std::strcmp(how, "--start") == 0)
        return 0;
    if (std::strcmp(how, "--open") == 0)
        return app.exec();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("mode=bare startup_ms=%.1f widgets=%lld peak_rss_kb=%ld\n", clock.nsecsElapsed() / 1e6,
                qlonglong(window.findChildren<QWidget *>().size()), usage.ru_maxrss);
    return 0;
}
