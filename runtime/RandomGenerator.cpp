// Mixing a re-seed value into the generator's state with a splitmix64 finaliser, which spreads
// every input bit over the whole 64-bit seed.
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
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

void RandomGenerator::reseed(double n) {
    // The next output of the engine carries the current state, so the same n gives a new seed
    // each time.
    const std::uint64_t state = engine_();
    engine_.seed(splitmix64(state ^ splitmix64(std::bit_cast<std::uint64_t>(n))));
}
