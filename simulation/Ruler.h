// A ruler laid on the picture between two points, in design pixels whatever the zoom. An end put
// on the detector line or in the pattern's column snaps to the nearest bright fringe when one is
// within a few pixels, so that a class measures from one bright fringe to the next.
#pragma once

#include "DrawingSurface.h"
#include "PhotonChance.h"

class Ruler {
public:
    // How near a fringe's peak an end must come to snap to it, and to the detector line.
    static constexpr double snapReach = 5;
    // Each end's tick across the ruler, either side.
    static constexpr double tick = 5;

    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;

    // Laid from one point to another; with a chance, ends near the detector line or in the
    // pattern's column snap to the nearest peak of the chance.
    static Ruler laid(double x1, double y1, double x2, double y2, const PhotonChance* chance);
    // From the middle bright fringe up to the next, along the detector line: for a keyboard.
    static Ruler alongFringes(const PhotonChance& chance);

    double length() const;
    void draw(DrawingSurface& surface) const;

    bool operator==(const Ruler&) const = default;
};
