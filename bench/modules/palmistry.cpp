// Learn Palmistry timings inside the process, each the median of repetitions,
// from the click to the main window painted again:
//   switch_ms          selecting Learn Palmistry while another module is open
//   entry_step_ms      "Next" on the memorize screen (entries 1 to 22, picture and texts)
//   test_start_ms      starting a significance test (draws and the first question)
//   question_ms        answering a question and showing the next one
//   result_ms          answering the tenth question and showing the result list
// Prints "palmistry <name> <value>" lines.
#include "app/SuiteModules.h"
#include "palmistry/modLearnPalmistry.h"
#include "shell/DataLocations.h"
#include "shell/frmMDI.h"
#include "shell/modSettings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

class PaintWatch : public QObject {
public:
    explicit PaintWatch(QWidget *window) { window->installEventFilter(this); }
    bool painted = false;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

void waitForPaint(QWidget *window)
{
    PaintWatch watch(window);
    window->update();
    while (!watch.painted)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::AllEvents, 50);
}

double timed(QWidget *window, const std::function<void()> &action)
{
    QElapsedTimer timer;
    timer.start();
    action();
    waitForPaint(window);
    return timer.nsecsElapsed() / 1e6;
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir sandbox;
    Settings::SetSettingsFileForTesting(sandbox.filePath(QStringLiteral("settings.ini")));
    DataLocations::SetUserDataFolderForTesting(sandbox.path()); // the goal files go here
    RegisterSuiteModules();
    frmMDI mdi;
    mdi.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    mdi.show();
    waitForPaint(&mdi);

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
        waitForPaint(&mdi);
        // The entry lives for the whole run: start each round on the first entry,
        // so "Next" never reaches the end (which would show a message).
        PalmEntry() = 0;
        switches.push_back(timed(&mdi, [&] { click(palmistry); }));

        click(QStringLiteral("optOption(0)"));
        click(QStringLiteral("cmdProceed"));
        for (int i = 0; i < 22; ++i)
            steps.push_back(timed(&mdi, [&] { click(QStringLiteral("cmdNext")); }));
        click(QStringLiteral("cmdBackToMain(0)"));

        click(QStringLiteral("optOption(1)"));
        click(QStringLiteral("cmdProceed"));
        click(QStringLiteral("optTestOption(1)"));
        starts.push_back(timed(&mdi, [&] { click(QStringLiteral("cmdTestOptionNext")); }));
        for (int q = 0; q < 10; ++q) {
            click(QStringLiteral("Option1(%1)").arg(q % 4));
            const double ms = timed(&mdi, [&] { click(QStringLiteral("cmdNextQuestion")); });
            (q < 9 ? questions : results).push_back(ms);
        }
    }

    std::printf("palmistry switch_ms %.1f\n", median(switches));
    std::printf("palmistry entry_step_ms %.1f\n", median(steps));
    std::printf("palmistry test_start_ms %.1f\n", median(starts));
    std::printf("palmistry question_ms %.1f\n", median(questions));
    std::printf("palmistry result_ms %.1f\n", median(results));
    return 0;
}
