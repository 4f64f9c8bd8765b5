#include "MemoryOutlook.h"

#include "Fsrs.h"

#include <algorithm>
#include <cmath>

namespace Progress {

Clock SystemClock() {
    return [] { return QDateTime::currentDateTime(); };
}

QDateTime StartOfTomorrow(const QDateTime &now) {
    return now.date().addDays(1).startOfDay();
}

double RecallAt(double stability, qint64 lastMs, qint64 nowMs) {
    static const Fsrs::Scheduler scheduler;
    return scheduler.Retrievability(std::max(0.0, double(nowMs - lastMs) / double(DayMs)), stability);
}

int MemoryOutlook::RememberedPercent() const {
    return items > 0 ? int(std::lround(100.0 * remembered / items)) : 0;
}

MemoryOutlook Outlook(const std::vector<MemoryPoint> &items, const QDateTime &now) {
    MemoryOutlook outlook;
    outlook.items = int(items.size());
    const qint64 nowMs = now.toMSecsSinceEpoch();
    // The first moment of each forecast day after today.
    std::array<qint64, ForecastDays> dayEnds{};
    const QDate today = now.date();
    for (int day = 0; day < ForecastDays; ++day)
        dayEnds[size_t(day)] = today.addDays(day + 1).startOfDay().toMSecsSinceEpoch();
    for (const MemoryPoint &item : items) {
        if (RecallAt(item.stability, item.lastMs, nowMs) >= Fsrs::RequestedRetention)
            ++outlook.remembered;
        // The first day that ends after the item falls due.
        const auto day = std::upper_bound(dayEnds.begin(), dayEnds.end(), item.dueMs);
        if (day != dayEnds.end())
            ++outlook.forecast[size_t(day - dayEnds.begin())];
    }
    outlook.dueToday = outlook.forecast[0];
    return outlook;
}

} // namespace Progress
