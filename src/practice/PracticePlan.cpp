#include "PracticePlan.h"

#include "progress/Fsrs.h"
#include "quiz/QuizDraw.h"

#include <QHash>
#include <QSet>

namespace Practice {

Plan::Plan(const Quiz::PracticeSubject &subject, const QList<Progress::MemoryItem> &memory,
           const QDateTime &now)
    : module_(subject.module) {
    static const Fsrs::Scheduler scheduler;
    const qint64 nowMs = now.toMSecsSinceEpoch();
    const auto days = [](qint64 ms) { return double(ms) / double(Progress::DayMs); };
    const double restOfToday = days(Progress::StartOfTomorrow(now).toMSecsSinceEpoch() - nowMs);

    // Each kind's items by name; an item the record knows is no longer new.
    std::vector<QHash<QString, int>> byName;
    std::vector<std::vector<int>> items;
    QHash<QString, int> kindByName;
    for (const Quiz::PracticeKind &kind : subject.kinds) {
        kindByName.insert(kind.kind, int(kinds_.size()));
        kinds_.push_back({kind.kind, kind.source()});
        QHash<QString, int> names;
        std::vector<int> numbers;
        for (const Quiz::NamedItem &named : kinds_.back().source->NamedItems()) {
            if (named.name.isEmpty() || names.contains(named.name))
                continue;
            names.insert(named.name, named.item);
            numbers.push_back(named.item);
        }
        byName.push_back(std::move(names));
        items.push_back(std::move(numbers));
    }

    std::vector<Step> known;
    std::vector<Fsrs::Review> reviews;
    QSet<qint64> asked; // kind << 32 | item
    for (const Progress::MemoryItem &state : memory) {
        const auto kind = kindByName.constFind(state.kind);
        if (kind == kindByName.constEnd())
            continue;
        const auto item = byName[size_t(*kind)].constFind(state.item);
        if (item == byName[size_t(*kind)].constEnd())
            continue;
        asked.insert(qint64(*kind) << 32 | qint64(*item));
        const qint64 lastMs = state.lastReview.toMSecsSinceEpoch();
        known.push_back({*kind, *item, Progress::RecallAt(state.stability, lastMs, nowMs)});
        reviews.push_back({state.stability, std::max(0.0, days(nowMs - lastMs)),
                           days(state.due.toMSecsSinceEpoch() - nowMs)});
    }
    for (int position : scheduler.DueFirst(reviews, restOfToday))
        due_.push_back(known[size_t(position)]);
    for (int kind = 0; kind < KindCount(); ++kind)
        for (int item : items[size_t(kind)])
            if (!asked.contains(qint64(kind) << 32 | qint64(item)))
                fresh_.push_back({kind, item, -1});
}

std::vector<Step> Plan::NewItems(int count, const Quiz::Uniform &uniform) const {
    std::vector<Step> drawn;
    for (int at : Quiz::DrawPositions(std::min(count, NewCount()), NewCount(), uniform))
        drawn.push_back(fresh_[size_t(at)]);
    return drawn;
}

} // namespace Practice
