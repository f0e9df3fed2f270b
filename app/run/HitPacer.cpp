// The pace grows in proportion to the hits so far, so that it doubles about every 8 seconds: a
// class follows the first few dozen one by one, sees the pattern emerge after half a minute and
// clear after about fifty seconds, and ten thousand hits within a minute and a half.
#include "HitPacer.h"

#include <algorithm>

HitPacer::HitPacer(QObject* parent) : QObject(parent) {
    connect(&clock_, &PaceClock::ticked, this, &HitPacer::tick);
}

double HitPacer::hitsPerSecond(long long landed) {
    return std::clamp(growthPerSecond * static_cast<double>(landed), slowestPerSecond,
                      fastestPerSecond);
}

void HitPacer::start(std::function<long long(long long)> land, long long landed) {
    land_ = std::move(land);
    total_ = landed;
    if (!held_ && total_ < mostHits) {
        clock_.start();
    }
}

void HitPacer::stop() {
    clock_.stop();
    land_ = nullptr;
    held_ = false;
}

void HitPacer::setHeld(bool held) {
    held_ = held;
    if (held) {
        clock_.stop();
    } else if (land_ && total_ < mostHits) {
        clock_.start();
    }
}

void HitPacer::tick() {
    if (!land_ || held_) {
        return;
    }
    const double credit = clock_.earn(std::min(hitsPerSecond(total_), mostPerSecond_));
    const auto due = std::min(static_cast<long long>(credit), mostHits - total_);
    if (due <= 0) {
        return;
    }
    clock_.setCredit(credit - static_cast<double>(due));
    total_ = land_(due);
    if (total_ >= mostHits) {
        clock_.stop();
    }
}
