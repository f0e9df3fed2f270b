// Heights come from the chance's table by the inverse of its cumulative share.
#include "DetectorHits.h"

#include "RandomSource.h"

#include <algorithm>

DetectorHits::DetectorHits(const PhotonChance& chance, RandomSource& random, double screenWidth)
    : chance_(chance), random_(random), screenWidth_(screenWidth) {}

const DetectorHits::Hit& DetectorHits::land() {
    const double y = chance_.heightFor(random_.nextValue());
    const double x = random_.nextValue() * screenWidth_;
    hits_.push_back({x, y});
    return hits_.back();
}

void DetectorHits::land(long long count) {
    hits_.reserve(hits_.size() + static_cast<std::size_t>(std::max(0LL, count)));
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
