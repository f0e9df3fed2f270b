// The bright fringes to measure with, beside the pattern: the textbook's at y = axis + m·λL/d,
// valid while the detector is far from the slits, and the true ones, where the two paths differ
// by exactly m wavelengths. None with one slit open or the which-slit detector on.
#pragma once

#include "DrawingSurface.h"
#include "Experiment.h"

#include <optional>
#include <vector>

class FringeLines {
public:
    // Why there are no fringes to mark, if there are none.
    enum class Missing { None, OneSlit, Detector };
    struct Fringe {
        int order; // m: the path difference in whole wavelengths, + above the axis
        double textbookY;
        std::optional<double> trueY; // none where the paths never differ by m wavelengths
    };

    // Where the marks stand: the textbook's ticks end at the pattern's axis, the true ones are
    // small circles just left of them.
    static constexpr double tickLeft = 530;
    static constexpr double tickRight = 548;
    static constexpr double trueX = 524;
    static constexpr double trueRadius = 3;

    explicit FringeLines(const Experiment& experiment);

    Missing missing() const { return missing_; }
    // λL/d, in pixels.
    double spacing() const { return spacing_; }
    // The textbook's fringes on the detector, from the top down.
    const std::vector<Fringe>& fringes() const { return fringes_; }
    // How far the true first bright fringes stand from the axis, in pixels.
    std::optional<double> firstTrueOffset() const;

    void draw(DrawingSurface& surface) const;

private:
    Missing missing_ = Missing::None;
    double spacing_ = 0;
    std::vector<Fringe> fringes_;
};
