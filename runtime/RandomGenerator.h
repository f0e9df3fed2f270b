// The program's random numbers: a 64-bit Mersenne Twister with re-seeding done on top of it, so
// that a re-seed stirs the sequence instead of restarting it.
#pragma once

#include "RandomSource.h"

#include <cstdint>
#include <random>

class RandomGenerator : public RandomSource {
public:
    // Seeded from the clock.
    RandomGenerator();
    // Seeded for a reproducible run.
    explicit RandomGenerator(std::uint64_t seed);

    double nextValue() override;
    void reseed(double n) override;

    // The seed the generator started from, so that a run can be named and repeated.
    std::uint64_t seed() const { return seed_; }

private:
    std::uint64_t seed_;
    std::mt19937_64 engine_;
    std::uint64_t mix_ = 0; // what the re-seeds have stirred in; combined with every output
};
