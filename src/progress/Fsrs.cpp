#include "Fsrs.h"

#include <algorithm>
#include <cmath>

namespace Fsrs {

namespace {
double clampDifficulty(double d) { return std::clamp(d, 1.0, 10.0); }
double clampStability(double s) { return std::max(s, MinimumStability); }
int gradeValue(Grade grade) { return int(grade); }
} // namespace

const Parameters &DefaultParameters()
{
    static const Parameters w = {0.212,  1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194,
                                 0.001,  1.8722, 0.1666, 0.796,  1.4835, 0.0614, 0.2629,
                                 1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542};
    return w;
}

Scheduler::Scheduler(const Parameters &w, double retention)
    : w_(w), retention_(retention), decay_(-w[20]), factor_(std::pow(0.9, 1.0 / decay_) - 1.0)
{
}

double Scheduler::Retrievability(double days, double stability) const
{
    return std::pow(1.0 + factor_ * std::max(days, 0.0) / clampStability(stability), decay_);
}

double Scheduler::rawInitialDifficulty(Grade grade) const
{
    return w_[4] - std::exp(w_[5] * (gradeValue(grade) - 1)) + 1.0;
}

double Scheduler::InitialDifficulty(Grade grade) const { return clampDifficulty(rawInitialDifficulty(grade)); }

State Scheduler::First(Grade grade) const
{
    return {InitialDifficulty(grade), clampStability(w_[size_t(gradeValue(grade) - 1)])};
}

double Scheduler::NextDifficulty(double difficulty, Grade grade) const
{
    const double delta = -w_[6] * (gradeValue(grade) - 3);
    // The step shrinks as the difficulty nears 10, then the difficulty is
    // drawn a little towards that of an easy first answer.
    const double damped = difficulty + (10.0 - difficulty) * delta / 9.0;
    return clampDifficulty(w_[7] * rawInitialDifficulty(Grade::Easy) + (1.0 - w_[7]) * damped);
}

double Scheduler::StabilityAfterSuccess(double difficulty, double stability, double retrievability,
                                        Grade grade) const
{
    const double hardPenalty = grade == Grade::Hard ? w_[15] : 1.0;
    const double easyBonus = grade == Grade::Easy ? w_[16] : 1.0;
    return clampStability(stability * (1.0 + std::exp(w_[8]) * (11.0 - difficulty) * std::pow(stability, -w_[9]) *
                                                 (std::exp((1.0 - retrievability) * w_[10]) - 1.0) * hardPenalty *
                                                 easyBonus));
}

double Scheduler::StabilityAfterLapse(double difficulty, double stability, double retrievability) const
{
    const double longTerm = w_[11] * std::pow(difficulty, -w_[12]) * (std::pow(stability + 1.0, w_[13]) - 1.0) *
                            std::exp((1.0 - retrievability) * w_[14]);
    // A lapse never leaves the item more stable than it was.
    const double shortTerm = stability / std::exp(w_[17] * w_[18]);
    return clampStability(std::min(longTerm, shortTerm));
}

double Scheduler::SameDayStability(double stability, Grade grade) const
{
    double increase = std::exp(w_[17] * (gradeValue(grade) - 3 + w_[18])) * std::pow(stability, -w_[19]);
    if (grade == Grade::Good || grade == Grade::Easy)
        increase = std::max(increase, 1.0);
    return clampStability(stability * increase);
}

State Scheduler::Next(const State &state, double days, Grade grade) const
{
    State next;
    next.difficulty = NextDifficulty(state.difficulty, grade);
    if (days < 1.0) {
        next.stability = SameDayStability(state.stability, grade);
    } else {
        const double r = Retrievability(days, state.stability);
        next.stability = grade == Grade::Again ? StabilityAfterLapse(state.difficulty, state.stability, r)
                                               : StabilityAfterSuccess(state.difficulty, state.stability, r, grade);
    }
    return next;
}

std::vector<int> Scheduler::DueFirst(const std::vector<Review> &items, double withinDays) const
{
    std::vector<std::pair<double, int>> due;
    for (int i = 0; i < int(items.size()); ++i)
        if (const Review &item = items[size_t(i)]; item.dueInDays < withinDays)
            due.emplace_back(Retrievability(item.daysSinceLast, item.stability), i);
    std::stable_sort(due.begin(), due.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    std::vector<int> order;
    order.reserve(due.size());
    for (const auto &[recall, index] : due)
        order.push_back(index);
    return order;
}

int Scheduler::IntervalDays(double stability) const
{
    const double days = clampStability(stability) / factor_ * (std::pow(retention_, 1.0 / decay_) - 1.0);
    return int(std::lround(std::clamp(days, 1.0, double(MaximumIntervalDays))));
}

} // namespace Fsrs
