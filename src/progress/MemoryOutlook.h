#pragma once

#include <QDateTime>

#include <array>
#include <functional>
#include <vector>

// What the memory model's states say about a day: what is due, what is
// remembered and what falls due over the coming weeks. Everything is read
// against a clock passed in, so a test can move "today".
namespace Progress {

// The date and time "now" is read from; the suite uses the system's.
using Clock = std::function<QDateTime()>;
Clock SystemClock();

// The start of the day after `now` (local time): an item is due today when it
// falls due before then.
QDateTime StartOfTomorrow(const QDateTime &now);

inline constexpr int ForecastDays = 30;
inline constexpr qint64 DayMs = 24LL * 60 * 60 * 1000;

// The chance of recalling an item of that stability, last answered at
// `lastMs`, at `nowMs` (an answer dated after "now" counts as just given).
double RecallAt(double stability, qint64 lastMs, qint64 nowMs);

// One item's memory as the outlook reads it.
struct MemoryPoint {
    double stability = 0;
    qint64 lastMs = 0; // last answered
    qint64 dueMs = 0;
};

struct MemoryOutlook {
    int items = 0;      // items with a memory state
    int dueToday = 0;   // due before tomorrow, overdue ones included
    int remembered = 0; // a chance of recall now at the requested retention or above
    // Items falling due on each of the next days, today (with the overdue) first.
    std::array<int, ForecastDays> forecast{};

    // The share of remembered items in percent, rounded; 0 without items.
    int RememberedPercent() const;
};

MemoryOutlook Outlook(const std::vector<MemoryPoint> &items, const QDateTime &now);

} // namespace Progress
