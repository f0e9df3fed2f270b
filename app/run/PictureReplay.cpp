// The replay checks the clock between small pieces of the run, so that one piece never holds the
// event loop for long.
#include "PictureReplay.h"

#include "SettingError.h"

#include <QElapsedTimer>

#include <algorithm>

namespace {

// Steps between looks at the clock: well under a millisecond of drawing at any zoom.
constexpr long long piece = 64;

} // namespace

PictureReplay::PictureReplay(const RandomGenerator& random, const FieldSnapshot& fields,
                             long long steps, double zoom, qreal devicePixelRatio,
                             bool projectorColours)
    : surface_(zoom, devicePixelRatio), random_(random), fields_(fields),
      run_(surface_, random_, fields_), target_(steps) {
    surface_.setProjectorColours(projectorColours);
}

bool PictureReplay::advance(std::chrono::nanoseconds budget) {
    QElapsedTimer clock;
    clock.start();
    try {
        if (!started_) {
            started_ = true;
            run_.start();
        }
        while (!run_.isOver() && run_.stepsDone() < target_) {
            run_.advance(std::min(piece, target_ - run_.stepsDone()));
            if (std::chrono::nanoseconds(clock.nsecsElapsed()) >= budget) {
                return run_.isOver() || run_.stepsDone() >= target_;
            }
        }
    } catch (const SettingError&) {
        // The run this replays was ended by the same setting; it drew no further either.
        return true;
    }
    return true;
}
