// The arrows that make the chance at one height of the detector: each open slit's path to it,
// the arrow that path brings (a chain of small arrows across a wide slit), their sum, and the
// chance there beside the largest on the detector. What the probe draws and what --probe prints.
#pragma once

#include "DrawingSurface.h"
#include "Experiment.h"
#include "PhotonChance.h"

#include <complex>
#include <optional>
#include <vector>

class ArrowProbe {
public:
    // Pieces a wide slit's chain is drawn in: enough for the curl to be seen.
    static constexpr int chainPieces = 16;
    // Drawn pixels per unit of arrow length, and each side of an arrow's head.
    static constexpr double arrowScale = 50;
    static constexpr double arrowHead = 7;

    // One stroke of the arrows, in pixels of the picture, with a head at its second end or not.
    struct Stroke {
        double x1, y1, x2, y2;
        Colour colour;
        bool head;
    };

    struct Path {
        int slit = 0;      // from 0 at the top
        double length = 0; // pixels, from the slit's middle to the probed point
        // Head to tail, each the arrow of one piece of the slit weighted by its share of the
        // width; a point slit's one unit arrow. All start at phase 0 and turn by t per pixel.
        std::vector<std::complex<double>> links;
        std::complex<double> arrow() const;
    };

    // At height y of the detector, in pixels, for the experiment whose chance is given.
    ArrowProbe(const PhotonChance& chance, double y);

    double y() const { return y_; }
    const Experiment& experiment() const { return experiment_; }
    // The open slits' paths, the top one first.
    const std::vector<Path>& paths() const { return paths_; }
    const Path* path(int slit) const;
    // Whether the arrows are added: not with the which-slit detector on.
    bool joined() const { return !experiment_.whichSlitDetector; }
    // The arrows' sum; with the detector on, nothing, since the arrows are not added.
    std::optional<std::complex<double>> sum() const;
    // Between neighbouring slits, the lower path less the upper, in wavelengths: with more than
    // two slits the mean of the neighbours' differences, the bottom path less the top over the
    // gaps between them. With one slit open, nothing.
    std::optional<double> pathDifference() const;
    double wavelength() const;
    // The chance here over the largest on the detector's heights, from 0 to 1: the chance single
    // photons land by.
    double relativeChance() const { return relativeChance_; }

    // The arrows from the probed point: head to tail from the top slit's and their sum, or each
    // from the point with
    // the detector on; a wide slit's as a chain with a head on its last link.
    std::vector<Stroke> arrows() const;
    // The paths from the slits, thick, and the arrows, in the slits' and the sum's colours.
    void draw(DrawingSurface& surface) const;

private:
    Experiment experiment_;
    double y_;
    std::vector<Path> paths_;
    double relativeChance_ = 0;
};
