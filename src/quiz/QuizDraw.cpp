#include "QuizDraw.h"

#include "toolkit/modRandom.h"

#include <algorithm>
#include <numeric>

namespace Quiz {

namespace {

// Refused plain draws before DrawAdmitted weighs every candidate. With half of
// the candidates admissible, 32 refusals in a row come once in four billion
// draws; the weighing only matters where few are left.
constexpr int kPlainTries = 32;

int wholePart(double r, int n) {
    return std::clamp(int(r * n), 0, n - 1);
}

} // namespace

Uniform ProgramUniform() {
    return [] { return Random::Rnd(); };
}

Pool Pool::Even(int count) {
    Pool pool;
    pool.count_ = std::max(count, 0);
    return pool;
}

Pool Pool::NearestEnds(int count) {
    Pool pool = Even(count);
    pool.shape_ = Shape::NearestEnds;
    return pool;
}

Pool Pool::Weighted(std::vector<double> weights) {
    Pool pool;
    pool.shape_ = Shape::Weighted;
    for (double &w : weights)
        w = std::max(w, 0.0);
    pool.total_ = std::accumulate(weights.begin(), weights.end(), 0.0);
    pool.count_ = int(weights.size());
    pool.weights_ = std::move(weights);
    return pool;
}

double Pool::Weight(int candidate) const {
    if (candidate < 0 || candidate >= count_)
        return 0.0;
    switch (shape_) {
    case Shape::Even:
        return 1.0;
    case Shape::NearestEnds:
        return count_ > 1 && (candidate == 0 || candidate == count_ - 1) ? 0.5 : 1.0;
    case Shape::Weighted:
        break;
    }
    return weights_[size_t(candidate)];
}

int Pool::DrawOnce(double r) const {
    if (count_ == 0)
        return -1;
    switch (shape_) {
    case Shape::Even:
        return wholePart(r, count_);
    case Shape::NearestEnds:
        return std::clamp(Random::RoundHalfEven(r * (count_ - 1)), 0, count_ - 1);
    case Shape::Weighted:
        break;
    }
    if (total_ <= 0.0)
        return -1;
    const double target = r * total_;
    double sum = 0.0;
    int last = -1;
    for (int i = 0; i < count_; ++i) {
        if (weights_[size_t(i)] <= 0.0)
            continue;
        sum += weights_[size_t(i)];
        last = i;
        if (target < sum)
            return i;
    }
    return last; // r at the very top of the range after rounding
}

int DrawAdmitted(const Pool &pool, const std::function<bool(int)> &admit, const Uniform &uniform) {
    // The plain redraw, a bounded number of times: an accepted draw has exactly
    // the chance the unbounded loop gives it.
    for (int tries = 0; tries < kPlainTries; ++tries) {
        const int candidate = pool.DrawOnce(uniform());
        if (candidate < 0)
            return -1;
        if (admit(candidate))
            return candidate;
    }
    // Few admissible candidates or none: one draw among them by their weights,
    // the same chances as the loop would end with.
    std::vector<int> admitted;
    std::vector<double> weights;
    for (int candidate = 0; candidate < pool.Count(); ++candidate) {
        const double weight = pool.Weight(candidate);
        if (weight > 0.0 && admit(candidate)) {
            admitted.push_back(candidate);
            weights.push_back(weight);
        }
    }
    if (admitted.empty())
        return -1;
    return admitted[size_t(Pool::Weighted(std::move(weights)).DrawOnce(uniform()))];
}

std::vector<int> DrawPositions(int count, int positions, const Uniform &uniform) {
    std::vector<int> free(size_t(std::max(positions, 0)));
    std::iota(free.begin(), free.end(), 0);
    std::vector<int> drawn;
    for (int k = 0; k < count && !free.empty(); ++k) {
        const int at = wholePart(uniform(), int(free.size()));
        drawn.push_back(free[size_t(at)]);
        free.erase(free.begin() + at);
    }
    return drawn;
}

} // namespace Quiz
