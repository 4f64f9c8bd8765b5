// Learn Yoga timings inside the process, each the median of repetitions, from
// the click to the main window painted again:
//   switch_ms        selecting Learn Yoga while another module is open
//   reselect_ms      selecting Learn Yoga again while it is open
//   section_ms       opening a section (lesson and browsing sections in turn)
//   lesson_page_ms   a lesson button (all 21 lessons)
//   asana_page_ms    an asana's picture and page (all 32 asanas)
// Prints "learn_yoga <name> <value>" lines.
#include "BenchSupport.h"
#include "app/SuiteModules.h"
#include "learn_yoga/LearnYogaStrips.h"
#include "shell/frmMDI.h"
#include "toolkit/modSettings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QTemporaryDir>

#include <algorithm>
#include <functional>
#include <vector>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir sandbox;
    frmMDI mdi(DescribeSuite(Bench::Locations(sandbox.path()), QApplication::arguments()));
    mdi.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    mdi.show();
    Bench::WaitForPaint(&mdi);

    const auto button = [&](const QString &name) {
        return mdi.findChild<QAbstractButton *>(name);
    };
    const auto click = [&](const QString &name) {
        if (QAbstractButton *b = button(name))
            b->click();
    };
    const QString learnYoga = QStringLiteral("cmdSelectOption(0)");
    const QString other = QStringLiteral("cmdSelectOption(2)");
    constexpr int rounds = 15;

    std::vector<double> switches, reselects;
    for (int i = 0; i < rounds; ++i) {
        click(other);
        Bench::WaitForPaint(&mdi);
        switches.push_back(Bench::Timed(&mdi, [&] { click(learnYoga); }));
        reselects.push_back(Bench::Timed(&mdi, [&] { click(learnYoga); }));
    }

    std::vector<double> sections;
    for (int i = 0; i < rounds; ++i)
        for (int section : {1, 3, 5, 2, 6, 4, 7})
            sections.push_back(Bench::Timed(&mdi, [&] { click(QStringLiteral("Command%1").arg(section)); }));

    std::vector<double> lessons;
    for (int i = 0; i < 5; ++i) {
        for (int section : {1, 5, 6, 7}) {
            if (LearnYogaStrips *strips = LearnYogaStrips::Of(&mdi); strips && !strips->Menu().IsOpen(section))
                click(QStringLiteral("Command%1").arg(section));
            for (int lesson = 1; lesson <= 6; ++lesson)
                if (QAbstractButton *b = button(QStringLiteral("Command%1%2").arg(section).arg(lesson)))
                    lessons.push_back(Bench::Timed(&mdi, [b] { b->click(); }));
        }
    }

    std::vector<double> asanas;
    if (LearnYogaStrips *strips = LearnYogaStrips::Of(&mdi)) {
        click(QStringLiteral("Command2"));
        LearnYoga::YogasanaCatalogue records;
        LearnYoga::LoadYogasanaCatalogue(records);
        for (int i = 0; i < 3; ++i)
            for (const LearnYoga::YogasanaRecord &record : records)
                asanas.push_back(Bench::Timed(&mdi, [&] { strips->ShowYogasana(record.AsanaName); }));
    }

    printf("learn_yoga switch_ms %.1f\n", Bench::Median(switches));
    printf("learn_yoga reselect_ms %.1f\n", Bench::Median(reselects));
    printf("learn_yoga section_ms %.1f\n", Bench::Median(sections));
    printf("learn_yoga lesson_page_ms %.1f\n", lessons.empty() ? 0.0 : Bench::Median(lessons));
    printf("learn_yoga asana_page_ms %.1f\n", asanas.empty() ? 0.0 : Bench::Median(asanas));
    return 0;
}
