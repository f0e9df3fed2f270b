// The detector screen of single-photon hits as drawn: a band of dots that stands for the
// detector line, the hits' histogram with the normalised chance, and the latest photon's
// arrows and their sum, drawn over them rather than into them. It stands where a run's pattern
// bars stand, and draws only through the drawing interface.
#pragma once

#include "Colour.h"
#include "DetectorHits.h"

#include <optional>
#include <vector>

class DrawingSurface;

class HitsDrawing {
public:
    // The part of the drawing area the screen covers, in design pixels.
    static constexpr int left = 552;
    static constexpr int right = 800;
    static constexpr int top = 60;
    static constexpr int bottom = 570;
    // The band of dots: hits are scattered across its width.
    static constexpr double bandLeft = 556;
    static constexpr double bandWidth = 88;
    // Where the latest photon's arrows start, and pixels per unit of arrow length: at full
    // screen on a projector an arrow is a tenth of the screen's height, to be read from the back.
    static constexpr double arrowsX = 688;
    static constexpr double arrowScale = 60;
    // Each side of an arrow's head, in pixels.
    static constexpr double arrowHead = 8;
    // The histogram's bars grow right from here, up to the longest bar; each bin is this tall.
    static constexpr double histogramX = 732;
    static constexpr double longestBar = 52; // leaves room for bins above the chance
    static constexpr int binHeight = DetectorHits::binHeight;

    // Paints the screen's part grey and draws the band's frame: the screen with no hits.
    static void drawEmpty(DrawingSurface& surface);
    // One hit's dot, two pixels square.
    static void drawHit(DrawingSurface& surface, const DetectorHits::Hit& hit);
    // The arrows of the latest hit, with heads, pointed to from its height: each slit's in its
    // colour, head to tail from the top slit's, and their sum from the start; with the
    // which-slit detector on, all from the start and no sum. They start as near the hit's
    // height as lets them stay on the screen. Drawn over the screen at every paint, since they
    // cross the dots and the histogram.
    static void drawLatest(DrawingSurface& surface, const DetectorHits& hits);
    // The histogram of the hits, drawn over its column cleared first, scaled so that it tends to
    // the chance; with `withChance`, the chance itself as a red curve over it.
    static void drawHistogram(DrawingSurface& surface, const DetectorHits& hits, bool withChance);
    // All that is kept: the empty screen, every hit and the histogram.
    static void drawAll(DrawingSurface& surface, const DetectorHits& hits, bool withChance);

    // Bar pixels per unit of chance per pixel of height: the highest chance gets the longest
    // bar, unless the hits' tallest bin would then leave the column; then that bin fills it.
    static double barUnit(const DetectorHits& hits);

private:
    static void clearColumns(DrawingSurface& surface, double from, double to);
};
