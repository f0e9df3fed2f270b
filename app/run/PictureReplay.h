// One run drawn again from its start on a new surface, at another zoom or pixel ratio, in pieces
// so that the window stays responsive while the new picture is made. A run is decided entirely by
// the generator's state and the setting texts it started from, so the replay draws exactly what
// the run drew.
#pragma once

#include "FieldSnapshot.h"
#include "ImageSurface.h"
#include "PhotonRun.h"
#include "RandomGenerator.h"

#include <chrono>

class PictureReplay {
public:
    // Replays the run that started from `random` and `fields` up to `steps` of its steps.
    PictureReplay(const RandomGenerator& random, const FieldSnapshot& fields, long long steps,
                  double zoom, qreal devicePixelRatio, bool projectorColours = false);

    // Draws for about `budget` of wall time. True when the run's steps are all drawn.
    bool advance(std::chrono::nanoseconds budget);
    ImageSurface& surface() { return surface_; }

private:
    ImageSurface surface_;
    RandomGenerator random_;
    FieldSnapshot fields_;
    PhotonRun run_;
    long long target_;
    bool started_ = false;
};
