// Where a single photon is likely to land on the detector line. Each open slit sends the photon
// an arrow of length 1/√(open slits), turned by t·L for its path L (averaged across a wide
// slit). The chance at a height is the squared length of the arrows' sum, or, with the
// which-slit detector on, the sum of their squared lengths. Normalised over the heights the
// detector points take, and kept as a fine table from which hit heights are drawn.
#pragma once

#include "ExpectedPattern.h"
#include "Experiment.h"

#include <array>
#include <complex>
#include <optional>
#include <vector>

class PhotonChance {
public:
    // The heights a photon can land at, in pixels: those of the run's detector points.
    static constexpr double highestY = ExpectedPattern::highestY;
    static constexpr double lowestY = ExpectedPattern::lowestY;
    // Table cells per pixel of height; within a cell the chance is taken as even.
    static constexpr int cellsPerPixel = 8;

    // One photon's arrows at a detector height. A closed slit's arrow is 0.
    struct Arrows {
        // Each slit's, from the top; a closed slit's is 0.
        std::array<std::complex<double>, mostSlits> slits{};
        int count = 0;
        // False with the which-slit detector on: the arrows are then not added.
        bool joined = true;

        std::complex<double> sum() const;
        // The chance at this height before normalising.
        double weight() const;
    };

    explicit PhotonChance(const Experiment& experiment);
    // For the setting texts as they stand; none when a text is not a usable number.
    static std::optional<PhotonChance> forSettings(const FormFields& fields);

    const Experiment& experiment() const { return experiment_; }
    Arrows arrowsAt(double y) const;
    // The chance per pixel of height at y; over highestY to lowestY it adds up to 1.
    double density(double y) const;
    // The largest chance per pixel of height, over the middles of the table's cells.
    double highestDensity() const { return highest_; }
    // The height below which (in y, that is above on the screen) a share u of the photons land,
    // for u from 0 to 1: a uniform u gives heights distributed as the chance.
    double heightFor(double u) const;

private:
    Experiment experiment_;
    double total_ = 0.0;             // the weights' integral over the heights, in pixels
    double highest_ = 0.0;           // per pixel of height
    std::vector<double> cumulative_; // share of the chance above each cell edge, 0 up to 1
};
