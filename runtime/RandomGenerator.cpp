// A re-seed is mixed, with a splitmix64 finaliser that spreads every input bit over 64 bits, into
// a word that is combined with every output. Re-seeding the twister itself would refill its 312
// words of state, which cost more than the run's drawing.
#include "RandomGenerator.h"

#include <bit>
#include <chrono>

namespace {

std::uint64_t splitmix64(std::uint64_t z) {
    z += 0x9E3779B97F4A7C15ULL;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

std::uint64_t clockSeed() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

} // namespace

RandomGenerator::RandomGenerator() : RandomGenerator(clockSeed()) {}

RandomGenerator::RandomGenerator(std::uint64_t seed) : seed_(seed), engine_(seed) {}

double RandomGenerator::nextValue() {
    // The top 53 bits make a double in [0, 1) that can never round up to 1.
    return static_cast<double>((engine_() ^ mix_) >> 11) * 0x1.0p-53;
}

void RandomGenerator::reseed(double n) {
    // The next output of the engine carries the current state, so the same n stirs differently
    // each time.
    mix_ = splitmix64(mix_ ^ engine_() ^ splitmix64(std::bit_cast<std::uint64_t>(n)));
}
