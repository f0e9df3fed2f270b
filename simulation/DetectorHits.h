// Single photons landing on a detector screen one at a time: each hit's height drawn from a
// photon's chance, and its place across the screen drawn evenly, so that the hits' density shows
// the chance as a photographic plate does. The hits are kept until cleared.
#pragma once

#include "PhotonChance.h"

#include <vector>

class RandomSource;

class DetectorHits {
public:
    struct Hit {
        double x = 0.0; // across the screen, 0 up to its width, pixels
        double y = 0.0; // height, in the picture's pixels as the detector points' heights
    };

    // The random source is used as it stands: a seeded one repeats the hits exactly.
    DetectorHits(const PhotonChance& chance, RandomSource& random, double screenWidth);

    // One more photon: two random values, the first for its height, the second across.
    const Hit& land();
    void land(long long count);
    void clear();
    const std::vector<Hit>& hits() const { return hits_; }
    // The hits in each band of binHeight pixels from the highest height down, kept as they land
    // so that a histogram drawn at every frame need not count them all again.
    static constexpr int binHeight = 4;
    const std::vector<int>& binCounts() const { return binCounts_; }
    // The chance's highest density, sampled at each whole pixel of height.
    double highestDensity() const { return highestDensity_; }
    const PhotonChance& chance() const { return chance_; }
    // Why the latest photon landed where it did: its arrows at that height. None before a hit.
    std::optional<PhotonChance::Arrows> latestArrows() const;

private:
    PhotonChance chance_;
    RandomSource& random_;
    double screenWidth_;
    std::vector<Hit> hits_;
    std::vector<int> binCounts_;
    double highestDensity_ = 0.0;
};
