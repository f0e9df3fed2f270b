// The pace grows in proportion to the hits so far, so that it doubles about every 8 seconds: a
// class follows the first few dozen one by one, sees the pattern emerge after half a minute and
// clear after about fifty seconds, and ten thousand hits within a minute and a half.
#include "HitPacer.h"

#include <algorithm>
#include <cmath>

namespace {

// A tick never earns for more than this, so that a stall is not made up for by a burst.
constexpr double longestTickSeconds = 0.1;

} // namespace

HitPacer::HitPacer(QObject* parent) : QObject(parent) {
    wall_.start();
    clock_ = [this] { return wall_.nsecsElapsed(); };
    timer_.setTimerType(Qt::PreciseTimer);
    setFrameRate(60);
    connect(&timer_, &QTimer::timeout, this, &HitPacer::tick);
}

double HitPacer::hitsPerSecond(long long landed) {
    return std::clamp(growthPerSecond * static_cast<double>(landed), slowestPerSecond,
                      fastestPerSecond);
}

void HitPacer::setFrameRate(double hertz) {
    const double rate = hertz > 1 ? hertz : 60;
    timer_.setInterval(std::max(1, static_cast<int>(std::lround(1000 / rate))));
}

void HitPacer::start(std::function<long long(long long)> land, long long landed) {
    land_ = std::move(land);
    total_ = landed;
    credit_ = 0.0;
    lastTickNs_ = clock_();
    if (!held_ && total_ < mostHits) {
        timer_.start();
    }
}

void HitPacer::stop() {
    timer_.stop();
    land_ = nullptr;
    held_ = false;
}

void HitPacer::setHeld(bool held) {
    held_ = held;
    if (held) {
        timer_.stop();
    } else if (land_ && total_ < mostHits) {
        credit_ = 0.0;
        lastTickNs_ = clock_();
        timer_.start();
    }
}

void HitPacer::tick() {
    if (!land_ || held_) {
        return;
    }
    const qint64 nowNs = clock_();
    const double seconds = std::min((nowNs - lastTickNs_) / 1e9, longestTickSeconds);
    lastTickNs_ = nowNs;
    credit_ += seconds * std::min(hitsPerSecond(total_), mostPerSecond_);
    const auto due = std::min(static_cast<long long>(credit_), mostHits - total_);
    if (due <= 0) {
        return;
    }
    credit_ -= static_cast<double>(due);
    total_ = land_(due);
    if (total_ >= mostHits) {
        timer_.stop();
    }
}
