// The path difference falls steadily from the top of the detector to the bottom, so each true
// fringe is found by halving the interval that holds it.
#include "FringeLines.h"

#include "PhotonChance.h"
#include "Scene.h"

#include <cmath>
#include <numbers>

namespace {

// Between neighbouring slits, the lower path less the upper at height y, in pixels: with more
// than two slits the bottom path less the top over the gaps between them, the mean of the
// neighbours' differences, which are whole wavelengths together at a bright line.
double pathDifference(const Experiment& experiment, double y) {
    const double dx = experiment.detectorX - Scene::shieldX;
    const int last = experiment.slitCount - 1;
    return (std::hypot(dx, experiment.slitY(last) - y) - std::hypot(dx, experiment.slitY(0) - y)) /
           last;
}

std::optional<double> heightOfDifference(const Experiment& experiment, double difference) {
    double top = PhotonChance::highestY;
    double bottom = PhotonChance::lowestY;
    if (difference > pathDifference(experiment, top) ||
        difference < pathDifference(experiment, bottom)) {
        return std::nullopt;
    }
    for (int i = 0; i < 60; ++i) {
        const double middle = (top + bottom) / 2;
        (pathDifference(experiment, middle) > difference ? top : bottom) = middle;
    }
    return (top + bottom) / 2;
}

} // namespace

FringeLines::FringeLines(const Experiment& experiment) {
    if (experiment.openCount() < 2) {
        missing_ = Missing::OneSlit;
        return;
    }
    if (experiment.whichSlitDetector) {
        missing_ = Missing::Detector;
        return;
    }
    const double wavelength = 2 * std::numbers::pi / experiment.turnPerPixel;
    spacing_ = wavelength * (experiment.detectorX - Scene::shieldX) / experiment.slitSeparation;
    const int most = static_cast<int>((Scene::axisY - PhotonChance::highestY) / spacing_);
    for (int order = most; order >= -most; --order) {
        const double y = Scene::axisY - order * spacing_;
        if (y >= PhotonChance::highestY && y <= PhotonChance::lowestY) {
            fringes_.push_back({order, y, heightOfDifference(experiment, order * wavelength)});
        }
    }
}

std::optional<double> FringeLines::firstTrueOffset() const {
    for (const Fringe& fringe : fringes_) {
        if (fringe.order == 1 && fringe.trueY) {
            return Scene::axisY - *fringe.trueY;
        }
    }
    return std::nullopt;
}

void FringeLines::draw(DrawingSurface& surface) const {
    const Colour colour = Colour::measure();
    surface.setPenWidth(2);
    for (const Fringe& fringe : fringes_) {
        const auto y = static_cast<float>(fringe.textbookY);
        surface.line(static_cast<float>(tickLeft), y, static_cast<float>(tickRight), y, colour);
        if (fringe.trueY) {
            surface.setPenWidth(1);
            surface.circle(static_cast<float>(trueX), static_cast<float>(*fringe.trueY),
                           static_cast<float>(trueRadius));
            surface.setPenWidth(2);
        }
    }
    surface.setPenWidth(1);
}
