// Heights come from the chance's table by the inverse of its cumulative share.
#include "DetectorHits.h"

#include "RandomSource.h"

#include <algorithm>
#include <cmath>

DetectorHits::DetectorHits(const PhotonChance& chance, RandomSource& random, double screenWidth)
    : chance_(chance), random_(random), screenWidth_(screenWidth) {
    clear();
    for (double y = PhotonChance::highestY; y <= PhotonChance::lowestY; y += 1) {
        highestDensity_ = std::max(highestDensity_, chance_.density(y));
    }
}

void DetectorHits::clear() {
    hits_.clear();
    const int bins =
        static_cast<int>(std::ceil((PhotonChance::lowestY - PhotonChance::highestY) / binHeight));
    binCounts_.assign(static_cast<std::size_t>(bins), 0);
}

const DetectorHits::Hit& DetectorHits::land() {
    const double y = chance_.heightFor(random_.nextValue());
    const double x = random_.nextValue() * screenWidth_;
    hits_.push_back({x, y});
    const int bin = static_cast<int>((y - PhotonChance::highestY) / binHeight);
    ++binCounts_[static_cast<std::size_t>(
        std::clamp(bin, 0, static_cast<int>(binCounts_.size()) - 1))];
    return hits_.back();
}

void DetectorHits::land(long long count) {
    // Grown by doubling, not to the exact size, so that landing a few at every frame does not
    // copy every hit so far each time.
    const std::size_t needed = hits_.size() + static_cast<std::size_t>(std::max(0LL, count));
    if (needed > hits_.capacity()) {
        hits_.reserve(std::max(needed, 2 * hits_.capacity()));
    }
    for (long long i = 0; i < count; ++i) {
        land();
    }
}

std::optional<PhotonChance::Arrows> DetectorHits::latestArrows() const {
    if (hits_.empty()) {
        return std::nullopt;
    }
    return chance_.arrowsAt(hits_.back().y);
}
