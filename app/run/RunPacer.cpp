// Each tick earns repetitions for the time since the last one and spends them within a time
// budget, so that a slow machine draws as fast as it can and the window still repaints and
// answers clicks between ticks.
#include "RunPacer.h"

#include "PhotonRun.h"
#include "SettingError.h"

#include <algorithm>
#include <cmath>

namespace {

// A tick never earns for more than this, so that a stall (a window drag, a suspended machine)
// is not made up for by a burst.
constexpr double longestTickSeconds = 0.1;
// Share of a frame the tick may spend drawing; the rest is left for painting and input.
constexpr double drawingShareOfFrame = 0.6;
// Repetitions between looks at the clock.
constexpr long long chunk = 32;

} // namespace

RunPacer::RunPacer(QObject* parent) : QObject(parent) {
    wall_.start();
    clock_ = [this] { return wall_.nsecsElapsed(); };
    timer_.setTimerType(Qt::PreciseTimer);
    setFrameRate(60);
    connect(&timer_, &QTimer::timeout, this, &RunPacer::tick);
}

void RunPacer::setFrameRate(double hertz) {
    const double rate = hertz > 1 ? hertz : 60;
    timer_.setInterval(std::max(1, static_cast<int>(std::lround(1000 / rate))));
}

void RunPacer::start(PhotonRun& run) {
    run_ = &run;
    held_ = 0;
    credit_ = 0.0;
    lastTickNs_ = clock_();
    timer_.start();
}

void RunPacer::hold(Hold reason) {
    held_ |= static_cast<int>(reason);
    timer_.stop();
}

void RunPacer::release(Hold reason) {
    held_ &= ~static_cast<int>(reason);
    if (held_ == 0 && run_ != nullptr && !timer_.isActive()) {
        credit_ = 0.0;
        lastTickNs_ = clock_();
        timer_.start();
    }
}

void RunPacer::stop() {
    timer_.stop();
    held_ = 0;
    run_ = nullptr;
}

void RunPacer::tick() {
    if (run_ == nullptr) {
        return;
    }
    const qint64 nowNs = clock_();
    const double seconds = std::min((nowNs - lastTickNs_) / 1e9, longestTickSeconds);
    lastTickNs_ = nowNs;
    // At a slow pace a step is earned over many ticks, so the credit may always reach one.
    credit_ = std::min(credit_ + seconds * pace_, std::max(longestTickSeconds * pace_, 1.0));

    const qint64 budgetNs = static_cast<qint64>(timer_.interval() * 1e6 * drawingShareOfFrame);
    bool over = false;
    try {
        while (!over && credit_ >= 1 && clock_() - nowNs < budgetNs) {
            const long long steps = std::min(chunk, static_cast<long long>(credit_));
            over = run_->advance(steps);
            credit_ -= static_cast<double>(steps);
        }
    } catch (const SettingError& error) {
        stop();
        emit stepped();
        emit failed(error.message());
        return;
    }
    // What the budget left undone is not carried on: a machine that cannot keep the pace simply
    // draws as fast as it can.
    credit_ = std::min(credit_, 1.0);
    emit stepped();
    if (over) {
        stop();
        emit finished();
    }
}
