// The source of random numbers, an interface so that the tests can script the values a run sees.
#pragma once

class RandomSource {
public:
    virtual ~RandomSource() = default;

    // Uniform in [0, 1).
    virtual double nextValue() = 0;
    // Mixes n into the current state. Re-seeding again with the same n does not restart the
    // sequence: the values drawn after each re-seed keep varying.
    virtual void reseed(double n) = 0;
};
