#pragma once

// Helpers the benchmark programs share: waiting for a window to paint, timing
// an action up to its repaint, and the median of repeated timings.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QWidget>

#include "toolkit/DataLocations.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace Bench {

// Folders of a run's own below `root` (see DataLocations::Below); the read-only
// data is looked for in `programFolders` when some are given.
inline DataLocations Locations(const QString &root, const QStringList &programFolders = {})
{
    DataLocations::Folders folders = DataLocations::Below(root).AllFolders();
    if (!programFolders.isEmpty())
        folders.program = programFolders;
    return DataLocations(folders);
}

// Notes when the watched window has been painted.
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

// Waits until the window has been painted once after this call.
inline void WaitForPaint(QWidget *window)
{
    PaintWatch watch(window);
    window->update();
    while (!watch.painted)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::AllEvents, 50);
}

// Runs the action, lets the window paint, and returns the time it took in milliseconds.
inline double Timed(QWidget *window, const std::function<void()> &action)
{
    QElapsedTimer timer;
    timer.start();
    action();
    WaitForPaint(window);
    return timer.nsecsElapsed() / 1e6;
}

// The median of the values; 0 for none.
inline double Median(std::vector<double> values)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace Bench
