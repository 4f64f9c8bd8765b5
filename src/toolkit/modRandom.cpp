#include "modRandom.h"

#include <atomic>
#include <chrono>
#include <cmath>
#include <random>

namespace {
std::mt19937_64 &generator()
{
    static std::mt19937_64 gen{0x5eed5eedULL};
    return gen;
}
} // namespace

namespace Random {

void SeedFromClock()
{
    static std::atomic<std::uint64_t> calls{0};
    const auto ticks = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    const std::uint64_t n = ++calls;
    std::seed_seq seq{static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32),
                      static_cast<std::uint32_t>(n), static_cast<std::uint32_t>(n >> 32)};
    generator().seed(seq);
}

void Seed(std::uint64_t seed) { generator().seed(seed); }

double Rnd()
{
    // 53 random bits give every representable double in [0, 1) on a 2^-53 grid.
    return static_cast<double>(generator()() >> 11) * 0x1.0p-53;
}

int DrawWhole(int n)
{
    if (n <= 0)
        return 0;
    const int k = static_cast<int>(Rnd() * n);
    return k < n ? k : n - 1;
}

int RoundHalfEven(double x) { return static_cast<int>(std::nearbyint(x)); }

int DrawNearest(int n)
{
    if (n <= 0)
        return 0;
    return RoundHalfEven(Rnd() * n);
}

} // namespace Random
