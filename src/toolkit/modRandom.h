#pragma once

#include <cstdint>

// The one random generator of the whole program. Every draw takes one uniform
// number r with 0 <= r < 1.
namespace Random {

// Seeds from the clock. Two calls within the same clock tick still give
// different sequences, because a call counter is mixed into the seed.
void SeedFromClock();

// Deterministic seeding, for tests.
void Seed(std::uint64_t seed);

// Uniform 0 <= r < 1.
double Rnd();

// Whole part of r * n: 0 to n - 1, each equally likely (n > 0).
int DrawWhole(int n);

// r * n rounded to the nearest whole number, halves to the even neighbour:
// 0 to n, with 0 and n half as likely as each value between.
int DrawNearest(int n);

// The rounding DrawNearest applies, exposed so it can be checked on its own.
int RoundHalfEven(double x);

} // namespace Random
