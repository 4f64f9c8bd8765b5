#pragma once

#include <array>
#include <vector>

// The memory model that schedules practice: the free spaced-repetition
// scheduler (FSRS, version 6) with its published default parameters. An item
// has a difficulty (1 to 10) and a stability (the days after which the chance
// of recalling it has fallen to 90 %); each answer updates both, and the next
// review falls when the chance of recall reaches the requested retention.
// Pure functions: no clock, no storage.
namespace Fsrs {

enum class Grade { Again = 1, Hard = 2, Good = 3, Easy = 4 };

using Parameters = std::array<double, 21>;
// The published defaults (w0 ... w20).
const Parameters &DefaultParameters();

inline constexpr double RequestedRetention = 0.9;
inline constexpr double MinimumStability = 0.001;
inline constexpr int MaximumIntervalDays = 36500;

struct State {
    double difficulty = 0; // 1 to 10
    double stability = 0;  // days
};

// An item as practice sees it: how stable its memory is, how long ago it was
// last answered and in how many days it falls due (below 0 when overdue).
struct Review {
    double stability = 0;
    double daysSinceLast = 0;
    double dueInDays = 0;
};

class Scheduler {
public:
    explicit Scheduler(const Parameters &w = DefaultParameters(), double retention = RequestedRetention);

    // The chance of recall after `days` since the last review: (1 + F t / S)^C.
    double Retrievability(double days, double stability) const;
    // The state after the first answer.
    State First(Grade grade) const;
    // The state after an answer given `days` after the previous one (less
    // than a day counts as the same day).
    State Next(const State &state, double days, Grade grade) const;
    // Whole days until the chance of recall falls to the requested retention (1 at least).
    int IntervalDays(double stability) const;
    // The positions of the items that fall due within `withinDays` (what is
    // left of today, say), the least likely to be recalled now first.
    std::vector<int> DueFirst(const std::vector<Review> &items, double withinDays) const;

    double InitialDifficulty(Grade grade) const;
    double NextDifficulty(double difficulty, Grade grade) const;
    double StabilityAfterSuccess(double difficulty, double stability, double retrievability, Grade grade) const;
    double StabilityAfterLapse(double difficulty, double stability, double retrievability) const;
    double SameDayStability(double stability, Grade grade) const;

private:
    double rawInitialDifficulty(Grade grade) const;

    Parameters w_;
    double retention_;
    double decay_;  // C = -w20
    double factor_; // F = 0.9^(1/C) - 1, so that R(S, S) = 0.9
};

} // namespace Fsrs
