// Each tick earns repetitions for the time since the last one and spends them within a time
// budget, so that a slow machine draws as fast as it can and the window still repaints and
// answers clicks between ticks.
#include "RunPacer.h"

#include "PhotonRun.h"
#include "SettingError.h"

#include <algorithm>

namespace {

// Share of a frame the tick may spend drawing; the rest is left for painting and input.
constexpr double drawingShareOfFrame = 0.6;
// Repetitions between looks at the clock.
constexpr long long chunk = 32;

} // namespace

RunPacer::RunPacer(QObject* parent) : QObject(parent) {
    connect(&clock_, &PaceClock::ticked, this, &RunPacer::tick);
}

void RunPacer::start(PhotonRun& run) {
    run_ = &run;
    held_ = 0;
    clock_.start();
}

void RunPacer::hold(Hold reason) {
    held_ |= static_cast<int>(reason);
    clock_.stop();
}

void RunPacer::release(Hold reason) {
    held_ &= ~static_cast<int>(reason);
    if (held_ == 0 && run_ != nullptr && !clock_.isActive()) {
        clock_.start();
    }
}

void RunPacer::stop() {
    clock_.stop();
    held_ = 0;
    run_ = nullptr;
}

void RunPacer::tick() {
    if (run_ == nullptr || held_ != 0) {
        return;
    }
    // At a slow pace a step is earned over many ticks, so the credit may always reach one.
    double credit =
        std::min(clock_.earn(pace_), std::max(PaceClock::longestTickSeconds * pace_, 1.0));
    bool over = false;
    try {
        while (!over && credit >= 1 && clock_.isWithin(drawingShareOfFrame)) {
            const long long steps = std::min(chunk, static_cast<long long>(credit));
            over = run_->advance(steps);
            credit -= static_cast<double>(steps);
        }
    } catch (const SettingError& error) {
        stop();
        emit stepped();
        emit failed(error.message());
        return;
    }
    // What the budget left undone is not carried on: a machine that cannot keep the pace simply
    // draws as fast as it can.
    clock_.setCredit(std::min(credit, 1.0));
    emit stepped();
    if (over) {
        stop();
        emit finished();
    }
}
