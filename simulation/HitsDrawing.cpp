// Clearing is done with lines in the background grey, which erase exactly what was drawn, so that
// the arrows and the histogram can be drawn anew at every step while the dots stay.
#include "HitsDrawing.h"

#include "DrawingSurface.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>

void HitsDrawing::clearColumns(DrawingSurface& surface, double from, double to) {
    surface.setPenWidth(1);
    for (int y = top; y <= bottom; ++y) {
        surface.line(static_cast<float>(from), static_cast<float>(y), static_cast<float>(to),
                     static_cast<float>(y), Colour::background());
    }
}

void HitsDrawing::drawEmpty(DrawingSurface& surface) {
    clearColumns(surface, left, right);
    const auto x1 = static_cast<float>(bandLeft - 2);
    const auto x2 = static_cast<float>(bandLeft + bandWidth + 2);
    const auto y1 = static_cast<float>(PhotonChance::highestY - 2);
    const auto y2 = static_cast<float>(PhotonChance::lowestY + 2);
    surface.line(x1, y1, x2, y1);
    surface.line(x2, y1, x2, y2);
    surface.line(x2, y2, x1, y2);
    surface.line(x1, y2, x1, y1);
    surface.line(static_cast<float>(histogramX), y1, static_cast<float>(histogramX), y2);
}

void HitsDrawing::drawHit(DrawingSurface& surface, const DetectorHits::Hit& hit) {
    const auto x = static_cast<float>(std::floor(bandLeft + hit.x));
    const auto y = static_cast<float>(std::floor(hit.y));
    surface.setPenWidth(1);
    surface.line(x, y, x + 1, y);
    surface.line(x, y + 1, x + 1, y + 1);
}

void HitsDrawing::drawLatest(DrawingSurface& surface, const DetectorHits& hits) {
    const auto arrows = hits.latestArrows();
    if (!arrows) {
        return;
    }
    const double y = hits.hits().back().y;
    // Each arrow's tail and tip, relative to the start: head to tail when joined, else each from
    // the start. Screen y grows downward, so an arrow's imaginary part is drawn upward.
    std::complex<double> tip;
    double lowest = 0.0;
    double highest = 0.0;
    for (int slit = 0; slit < arrows->count; ++slit) {
        tip = (arrows->joined ? tip : 0.0) + arrows->slits[slit];
        lowest = std::min(lowest, -tip.imag());
        highest = std::max(highest, -tip.imag());
    }
    // The start is moved up or down, if need be, so that the arrows keep within the screen.
    const double y0 =
        std::clamp(y, top + 2 - arrowScale * lowest, bottom - 2 - arrowScale * highest);
    // Each drawn point is found from the one before, as the arrows are laid head to tail.
    double tailX[mostSlits];
    double tailY[mostSlits];
    double tipX[mostSlits];
    double tipY[mostSlits];
    for (int slit = 0; slit < arrows->count; ++slit) {
        const bool chained = arrows->joined && slit > 0;
        tailX[slit] = chained ? tipX[slit - 1] : arrowsX;
        tailY[slit] = chained ? tipY[slit - 1] : y0;
        tipX[slit] = tailX[slit] + arrowScale * arrows->slits[slit].real();
        tipY[slit] = tailY[slit] - arrowScale * arrows->slits[slit].imag();
    }
    // A pointer from the band at the landing height to the arrows' start.
    surface.setPenWidth(1);
    surface.line(static_cast<float>(bandLeft + bandWidth + 4), static_cast<float>(y),
                 static_cast<float>(arrowsX - 3), static_cast<float>(y0));
    surface.setPenWidth(2);
    const int last = arrows->count - 1;
    if (arrows->joined && last >= 0) {
        surface.arrow(arrowsX, y0, tipX[last], tipY[last], Colour::sumArrow(), arrowHead);
    }
    for (int slit = 0; slit <= last; ++slit) {
        surface.arrow(tailX[slit], tailY[slit], tipX[slit], tipY[slit], Colour::slit(slit),
                      arrowHead);
    }
    surface.setPenWidth(1);
}

double HitsDrawing::barUnit(const DetectorHits& hits) {
    const std::vector<int>& counts = hits.binCounts();
    const double highest = hits.highestDensity();
    double unit = highest > 0.0 ? longestBar / highest : 0.0;
    const auto total = static_cast<double>(hits.hits().size());
    const int tallest = counts.empty() ? 0 : *std::max_element(counts.begin(), counts.end());
    if (tallest > 0) {
        // A bin's bar is the unit times its hits' share per pixel of height.
        unit = std::min(unit, (right - histogramX - 1) * total * binHeight / tallest);
    }
    return unit;
}

void HitsDrawing::drawHistogram(DrawingSurface& surface, const DetectorHits& hits,
                                bool withChance) {
    clearColumns(surface, histogramX + 1, right);
    const auto total = static_cast<double>(hits.hits().size());
    const std::vector<int>& counts = hits.binCounts();
    const double unit = barUnit(hits);
    surface.setPenWidth(1);
    for (std::size_t bin = 0; total > 0 && bin < counts.size(); ++bin) {
        const double length = unit * counts[bin] / (total * binHeight);
        if (length < 1) {
            continue;
        }
        const double y0 = PhotonChance::highestY + static_cast<double>(bin) * binHeight;
        for (int row = 0; row < binHeight - 1; ++row) {
            surface.line(static_cast<float>(histogramX + 1), static_cast<float>(y0 + row),
                         static_cast<float>(histogramX + length), static_cast<float>(y0 + row));
        }
    }
    if (!withChance) {
        return;
    }
    double lastX = histogramX + unit * hits.chance().density(PhotonChance::highestY);
    for (double y = PhotonChance::highestY + 1; y <= PhotonChance::lowestY; y += 1) {
        const double x = histogramX + unit * hits.chance().density(y);
        surface.line(static_cast<float>(lastX), static_cast<float>(y - 1), static_cast<float>(x),
                     static_cast<float>(y), Colour::expectedLine());
        lastX = x;
    }
}

void HitsDrawing::drawAll(DrawingSurface& surface, const DetectorHits& hits, bool withChance) {
    drawEmpty(surface);
    for (const DetectorHits::Hit& hit : hits.hits()) {
        drawHit(surface, hit);
    }
    drawHistogram(surface, hits, withChance);
}
