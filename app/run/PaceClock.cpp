// A precise timer, since a coarse one would tick unevenly at 60 Hz; what a tick earns comes from
// the clock, never from the count of ticks, so that late or missed ticks change nothing.
#include "PaceClock.h"

#include <algorithm>
#include <cmath>

PaceClock::PaceClock(QObject* parent) : QObject(parent) {
    wall_.start();
    clock_ = [this] { return wall_.nsecsElapsed(); };
    timer_.setTimerType(Qt::PreciseTimer);
    setFrameRate(60);
    connect(&timer_, &QTimer::timeout, this, &PaceClock::ticked);
}

void PaceClock::setFrameRate(double hertz) {
    const double rate = hertz > 1 ? hertz : 60;
    timer_.setInterval(std::max(1, static_cast<int>(std::lround(1000 / rate))));
}

void PaceClock::start() {
    credit_ = 0.0;
    lastTickNs_ = clock_();
    timer_.start();
}

double PaceClock::earn(double perSecond) {
    const qint64 nowNs = clock_();
    const double seconds = std::min((nowNs - lastTickNs_) / 1e9, longestTickSeconds);
    lastTickNs_ = nowNs;
    credit_ += seconds * perSecond;
    return credit_;
}

bool PaceClock::isWithin(double shareOfFrame) const {
    return clock_() - lastTickNs_ < static_cast<qint64>(timer_.interval() * 1e6 * shareOfFrame);
}
