#pragma once

#include <functional>
#include <vector>

namespace Quiz {

// A source of uniform numbers 0 <= r < 1. A session draws only through the one
// it is given, so a module can reseed before every draw and a test can fix the
// whole sequence.
using Uniform = std::function<double()>;

// The program's one random generator.
Uniform ProgramUniform();

// How one plain draw picks among the candidates 0 .. Count() - 1.
class Pool {
public:
    Pool() = default;
    // Each candidate equally likely: the whole part of r * count.
    static Pool Even(int count);
    // r * (count - 1) rounded to the nearest whole number, halves to even: the
    // first and the last candidate come up half as often as each between.
    static Pool NearestEnds(int count);
    // Chances in proportion to the weights; a candidate of weight 0 never comes up.
    static Pool Weighted(std::vector<double> weights);

    int Count() const { return count_; }
    double Weight(int candidate) const;
    // One plain draw from one uniform number.
    int DrawOnce(double r) const;

private:
    enum class Shape { Even, NearestEnds, Weighted };
    Shape shape_ = Shape::Even;
    int count_ = 0;
    std::vector<double> weights_;
    double total_ = 0.0;
};

// A candidate that `admit` accepts, with the chance that "draw, and draw again
// while the candidate is refused" gives it, but always ending: after a few
// refused draws it weighs the admissible candidates and draws once among them.
// -1 when no candidate is admissible.
int DrawAdmitted(const Pool &pool, const std::function<bool(int)> &admit, const Uniform &uniform);

// `count` distinct positions of 0 .. positions - 1 in drawing order, each
// sequence equally likely.
std::vector<int> DrawPositions(int count, int positions, const Uniform &uniform);

} // namespace Quiz
