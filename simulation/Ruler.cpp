// A peak is the highest chance within the reach of an end, on the table's fine steps, kept only
// when it is a peak indeed, higher than at the reach's edges.
#include "Ruler.h"

#include "Scene.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double step = 1.0 / PhotonChance::cellsPerPixel;

double snapped(double y, const PhotonChance& chance) {
    double best = y;
    double highest = -1;
    for (double at = y - Ruler::snapReach; at <= y + Ruler::snapReach; at += step) {
        if (at >= PhotonChance::highestY && at <= PhotonChance::lowestY &&
            chance.density(at) > highest) {
            highest = chance.density(at);
            best = at;
        }
    }
    const bool atEdge = std::abs(best - y) > Ruler::snapReach - step;
    return atEdge ? y : best;
}

} // namespace

Ruler Ruler::laid(double x1, double y1, double x2, double y2, const PhotonChance* chance) {
    Ruler ruler{x1, y1, x2, y2};
    if (chance == nullptr) {
        return ruler;
    }
    const double detectorX = chance->experiment().detectorX;
    for (auto [x, y] : {std::pair(&ruler.x1, &ruler.y1), std::pair(&ruler.x2, &ruler.y2)}) {
        const bool onDetector = std::abs(*x - detectorX) <= snapReach;
        if (onDetector || *x >= Scene::patternAxisX) {
            *y = snapped(*y, *chance);
            if (onDetector) {
                *x = detectorX;
            }
        }
    }
    return ruler;
}

Ruler Ruler::alongFringes(const PhotonChance& chance) {
    const double x = chance.experiment().detectorX;
    // The next peak above the middle one: past the first dip, the highest point up to where the
    // chance falls again.
    double y = Scene::axisY;
    while (y > PhotonChance::highestY && chance.density(y - step) <= chance.density(y)) {
        y -= step;
    }
    while (y > PhotonChance::highestY && chance.density(y - step) > chance.density(y)) {
        y -= step;
    }
    return {x, snapped(Scene::axisY, chance), x, y};
}

double Ruler::length() const {
    return std::hypot(x2 - x1, y2 - y1);
}

void Ruler::draw(DrawingSurface& surface) const {
    const auto f = [](double value) { return static_cast<float>(value); };
    const Colour colour = Colour::measure();
    surface.setPenWidth(2);
    surface.line(f(x1), f(y1), f(x2), f(y2), colour);
    const double length = this->length();
    if (length > 0) {
        // Across the ruler at each end.
        const double across = tick / length;
        const double nx = -(y2 - y1) * across;
        const double ny = (x2 - x1) * across;
        for (auto [x, y] : {std::pair(x1, y1), std::pair(x2, y2)}) {
            surface.line(f(x - nx), f(y - ny), f(x + nx), f(y + ny), colour);
        }
    }
    surface.setPenWidth(1);
}
