// The table holds the cumulative chance at each cell edge, the weight taken at the cell's middle.
// Should the weights add up to nothing usable (no finite, positive total), every height counts
// alike, so that hits still land rather than the program failing in front of a class.
#include "PhotonChance.h"

#include "FieldSnapshot.h"
#include "SettingError.h"
#include "SettingReader.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int cells =
    static_cast<int>(PhotonChance::lowestY - PhotonChance::highestY) * PhotonChance::cellsPerPixel;
constexpr double cellHeight = 1.0 / PhotonChance::cellsPerPixel;
constexpr double span = PhotonChance::lowestY - PhotonChance::highestY;

} // namespace

PhotonChance::PhotonChance(const Experiment& experiment) : experiment_(experiment) {
    cumulative_.resize(cells + 1);
    double running = 0.0;
    for (int i = 0; i < cells; ++i) {
        running += arrowsAt(highestY + (i + 0.5) * cellHeight).weight() * cellHeight;
        cumulative_[i + 1] = running;
    }
    total_ = running;
    for (int i = 0; i <= cells; ++i) {
        cumulative_[i] = std::isfinite(total_) && total_ > 0 ? cumulative_[i] / total_
                                                             : static_cast<double>(i) / cells;
        if (i > 0) {
            highest_ = std::max(highest_, (cumulative_[i] - cumulative_[i - 1]) / cellHeight);
        }
    }
}

std::optional<PhotonChance> PhotonChance::forSettings(const FormFields& fields) {
    FieldSnapshot copy(fields);
    try {
        return PhotonChance(Experiment::fromSettings(SettingReader(copy)));
    } catch (const SettingError&) {
        return std::nullopt;
    }
}

std::complex<double> PhotonChance::Arrows::sum() const {
    std::complex<double> total;
    for (int slit = 0; slit < count; ++slit) {
        total += slits[slit];
    }
    return total;
}

double PhotonChance::Arrows::weight() const {
    if (joined) {
        return std::norm(sum());
    }
    double total = 0.0;
    for (int slit = 0; slit < count; ++slit) {
        total += std::norm(slits[slit]);
    }
    return total;
}

PhotonChance::Arrows PhotonChance::arrowsAt(double y) const {
    const double length = 1 / std::sqrt(static_cast<double>(experiment_.openCount()));
    Arrows arrows;
    arrows.count = experiment_.slitCount;
    for (int slit = 0; slit < arrows.count; ++slit) {
        if (experiment_.isOpen(slit)) {
            arrows.slits[slit] = length * experiment_.slitArrow(slit, y);
        }
    }
    arrows.joined = !experiment_.whichSlitDetector;
    return arrows;
}

double PhotonChance::density(double y) const {
    if (!(std::isfinite(total_) && total_ > 0)) {
        return 1 / span;
    }
    return arrowsAt(y).weight() / total_;
}

double PhotonChance::heightFor(double u) const {
    // The first edge beyond u closes the cell u falls in; within it the heights are even.
    const auto beyond = std::upper_bound(cumulative_.begin(), cumulative_.end(), u);
    const auto cell = std::clamp<std::ptrdiff_t>(beyond - cumulative_.begin() - 1, 0, cells - 1);
    const double from = cumulative_[cell];
    const double width = cumulative_[cell + 1] - from;
    const double within = width > 0 ? std::clamp((u - from) / width, 0.0, 1.0) : 0.5;
    return highestY + (static_cast<double>(cell) + within) * cellHeight;
}
