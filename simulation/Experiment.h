// The experiment a photon goes through, as numbers: where the detector stands, how many slits
// there are, where they are and how wide, which of them are open, whether a detector tells which
// slit a photon took, and how far the phase arrow turns per pixel. Also the arrow each slit sends
// to a detector height, which both the expected pattern and a single photon's chance are built
// from.
#pragma once

#include "FormFields.h"

#include <complex>

class SettingReader;

class Experiment {
public:
    // Pieces a wide slit is cut into when its arrows are averaged. Across one piece the phase
    // grows almost linearly with the height, and each piece is averaged as if exactly linear: at
    // 64 pieces the phase is off by about 1e-4 radian at most, far below what a picture shows.
    static constexpr int slitPieces = 64;

    // Throws SettingError when a setting text cannot be used.
    static Experiment fromSettings(const SettingReader& settings);

    double detectorX = 300.0;         // pixels
    double slitSeparation = 40.0;     // pixels, between neighbouring slits' middles
    double turnPerPixel = 1.0;        // radians of phase per pixel of path
    double slitWidth = 0.0;           // pixels; 0 or less for point slits
    int slitCount = 2;                // 1 to mostSlits
    OpenSlits open = OpenSlits::Both; // with two slits; with any other count all are open
    bool whichSlitDetector = false;

    // Slits are numbered from 0 at the top; with two, slit 0 is the upper one.
    bool isOpen(int slit) const;
    int openCount() const;
    // The height of a slit's middle, in pixels: the slits are centred on the axis.
    double slitY(int slit) const;
    static double slitY(int slit, int count, double separation);
    // The mean of the unit arrows e^(i·t·L) over the heights across a slit, L being the path
    // length from that height to the detector point at height y: one arrow for a point slit, an
    // average shorter than 1 for a wide one. A closed slit sends one all the same; callers weigh
    // it by the slit's chance.
    std::complex<double> slitArrow(int slit, double y) const;
};
