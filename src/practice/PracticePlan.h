#pragma once

#include "progress/ProgressStore.h"
#include "quiz/PracticeSubject.h"

#include <QDateTime>
#include <QList>

#include <memory>
#include <vector>

// What a practice of one module asks, free of windows: the items whose
// review has fallen due (by the memory states the progress record keeps),
// the least likely to be recalled first, and the items never asked yet.
namespace Practice {

// New items a practice adds after the due ones, at most.
inline constexpr int NewItemLimit = 10;

// One question of a practice: an item of one kind of the module's tests.
struct Step {
    int kind = 0;        // position in the subject's kinds
    int item = -1;       // the item as that kind's source numbers it
    double recall = -1;  // the chance of recall now; -1 for a new item
};

class Plan {
public:
    // Reads the items of every kind of `subject` and matches them, by name,
    // with the memory states; what is due counts from `now` to the end of its day.
    Plan(const Quiz::PracticeSubject &subject, const QList<Progress::MemoryItem> &memory,
         const QDateTime &now);

    const QString &Module() const { return module_; }
    int KindCount() const { return int(kinds_.size()); }
    const QString &KindName(int kind) const { return kinds_[size_t(kind)].name; }
    const std::shared_ptr<Quiz::Source> &SourceOf(int kind) const { return kinds_[size_t(kind)].source; }

    // The items due today, the least likely to be recalled first.
    const std::vector<Step> &Due() const { return due_; }
    // The items never asked, of every kind.
    int NewCount() const { return int(fresh_.size()); }
    // Up to `count` items never asked, drawn evenly.
    std::vector<Step> NewItems(int count, const Quiz::Uniform &uniform) const;

private:
    struct Kind {
        QString name;
        std::shared_ptr<Quiz::Source> source;
    };
    QString module_;
    std::vector<Kind> kinds_;
    std::vector<Step> due_;
    std::vector<Step> fresh_;
};

} // namespace Practice
