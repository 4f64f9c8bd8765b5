// Learn Palmistry timings inside the process, each the median of repetitions,
// from the click to the main window painted again:
//   switch_ms          selecting Learn Palmistry while another module is open
//   entry_step_ms      "Next" on the memorize screen (entries 1 to 22, picture and texts)
//   test_start_ms      starting a significance test (draws and the first question)
//   question_ms        answering a question and showing the next one
//   result_ms          answering the tenth question and showing the result list
// Prints "palmistry <name> <value>" lines.
#include "BenchSupport.h"
#include "app/SuiteModules.h"
#include "palmistry/modLearnPalmistry.h"
#include "toolkit/DataLocations.h"
#include "shell/frmMDI.h"
#include "toolkit/modSettings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir sandbox;
    // The goal files go to the run's own user folder.
    frmMDI mdi(DescribeSuite(Bench::Locations(sandbox.path()), QApplication::arguments()));
    mdi.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    mdi.show();
    Bench::WaitForPaint(&mdi);

    const auto click = [&](const QString &name) {
        if (auto *b = mdi.findChild<QAbstractButton *>(name))
            b->click();
    };
    const QString palmistry = QStringLiteral("cmdSelectOption(5)");
    const QString other = QStringLiteral("cmdSelectOption(2)");
    constexpr int rounds = 9;

    std::vector<double> switches, steps, starts, questions, results;
    for (int round = 0; round < rounds; ++round) {
        click(other);
        Bench::WaitForPaint(&mdi);
        // The entry lives for the whole run: start each round on the first entry,
        // so "Next" never reaches the end (which would show a message).
        PalmEntry() = 0;
        switches.push_back(Bench::Timed(&mdi, [&] { click(palmistry); }));

        click(QStringLiteral("optOption(0)"));
        click(QStringLiteral("cmdProceed"));
        for (int i = 0; i < 22; ++i)
            steps.push_back(Bench::Timed(&mdi, [&] { click(QStringLiteral("cmdNext")); }));
        click(QStringLiteral("cmdBackToMain(0)"));

        click(QStringLiteral("optOption(1)"));
        click(QStringLiteral("cmdProceed"));
        click(QStringLiteral("optTestOption(1)"));
        starts.push_back(Bench::Timed(&mdi, [&] { click(QStringLiteral("cmdTestOptionNext")); }));
        for (int q = 0; q < 10; ++q) {
            click(QStringLiteral("Option1(%1)").arg(q % 4));
            const double ms = Bench::Timed(&mdi, [&] { click(QStringLiteral("cmdNextQuestion")); });
            (q < 9 ? questions : results).push_back(ms);
        }
    }

    std::printf("palmistry switch_ms %.1f\n", Bench::Median(switches));
    std::printf("palmistry entry_step_ms %.1f\n", Bench::Median(steps));
    std::printf("palmistry test_start_ms %.1f\n", Bench::Median(starts));
    std::printf("palmistry question_ms %.1f\n", Bench::Median(questions));
    std::printf("palmistry result_ms %.1f\n", Bench::Median(results));
    return 0;
}
