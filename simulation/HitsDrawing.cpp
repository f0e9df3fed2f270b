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

void HitsDrawing::drawArrow(DrawingSurface& surface, double x1, double y1, double x2, double y2,
                            std::optional<Colour> colour) {
    const auto f = [](double value) { return static_cast<float>(value); };
    surface.line(f(x1), f(y1), f(x2), f(y2), colour);
    const double length = std::hypot(x2 - x1, y2 - y1);
    if (length < arrowHead) {
        return;
    }
    // Two strokes back from the tip, each 25 degrees off the shaft.
    const double angle = std::atan2(y2 - y1, x2 - x1);
    for (double side : {-1.0, 1.0}) {
        const double back = angle + std::numbers::pi + side * 25 * std::numbers::pi / 180;
        surface.line(f(x2), f(y2), f(x2 + arrowHead * std::cos(back)),
                     f(y2 + arrowHead * std::sin(back)), colour);
    }
}

void HitsDrawing::drawLatest(DrawingSurface& surface, const DetectorHits& hits) {
    const auto arrows = hits.latestArrows();
    if (!arrows) {
        return;
    }
    const double y = hits.hits().back().y;
    // Screen y grows downward, so an arrow's imaginary part is drawn upward. The start is moved
    // up or down, if need be, so that the chain of arrows keeps within the screen.
    const double lowest =
        std::min({0.0, -arrows->upper.imag(),
                  -(arrows->joined ? arrows->upper + arrows->lower : arrows->lower).imag()});
    const double highest =
        std::max({0.0, -arrows->upper.imag(),
                  -(arrows->joined ? arrows->upper + arrows->lower : arrows->lower).imag()});
    const double y0 =
        std::clamp(y, top + 2 - arrowScale * lowest, bottom - 2 - arrowScale * highest);
    const auto tip = [](double x0, double from, std::complex<double> arrow) {
        return std::pair(x0 + arrowScale * arrow.real(), from - arrowScale * arrow.imag());
    };
    const auto [ux, uy] = tip(arrowsX, y0, arrows->upper);
    const auto [lx0, ly0] = arrows->joined ? std::pair(ux, uy) : std::pair(arrowsX, y0);
    const auto [lx, ly] = tip(lx0, ly0, arrows->lower);
    // A pointer from the band at the landing height to the arrows' start.
    surface.setPenWidth(1);
    surface.line(static_cast<float>(bandLeft + bandWidth + 4), static_cast<float>(y),
                 static_cast<float>(arrowsX - 3), static_cast<float>(y0));
    surface.setPenWidth(2);
    if (arrows->joined) {
        drawArrow(surface, arrowsX, y0, lx, ly, Colour::sumArrow());
    }
    drawArrow(surface, arrowsX, y0, ux, uy, Colour::foreground());
    drawArrow(surface, lx0, ly0, lx, ly, Colour::lowerSlit());
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
