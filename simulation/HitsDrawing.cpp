// Clearing is done with lines in the background grey, which erase exactly what was drawn, so that
// the arrows and the histogram can be drawn anew at every step while the dots stay.
#include "HitsDrawing.h"

#include "DrawingSurface.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr Colour chanceCurve = Colour::fromRgb(255, 0, 0);

} // namespace

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
}

void HitsDrawing::drawLatest(DrawingSurface& surface, const DetectorHits& hits) {
    clearColumns(surface, bandLeft + bandWidth + 4, histogramX - 2);
    const auto arrows = hits.latestArrows();
    if (!arrows) {
        return;
    }
    const double y = hits.hits().back().y;
    // Screen y grows downward, so an arrow's imaginary part is drawn upward.
    const auto tip = [](double x0, double y0, std::complex<double> arrow) {
        return std::pair(x0 + arrowScale * arrow.real(), y0 - arrowScale * arrow.imag());
    };
    const auto [ux, uy] = tip(arrowsX, y, arrows->upper);
    const auto [lx0, ly0] = arrows->joined ? std::pair(ux, uy) : std::pair(arrowsX, y);
    const auto [lx, ly] = tip(lx0, ly0, arrows->lower);
    // A pointer from the band to the arrows' start, at the landing height.
    surface.setPenWidth(1);
    surface.line(static_cast<float>(bandLeft + bandWidth + 4), static_cast<float>(y),
                 static_cast<float>(arrowsX - 3), static_cast<float>(y));
    surface.setPenWidth(2);
    if (arrows->joined) {
        surface.line(static_cast<float>(arrowsX), static_cast<float>(y), static_cast<float>(lx),
                     static_cast<float>(ly), Colour::sumArrow());
    }
    surface.line(static_cast<float>(arrowsX), static_cast<float>(y), static_cast<float>(ux),
                 static_cast<float>(uy), Colour::foreground());
    surface.line(static_cast<float>(lx0), static_cast<float>(ly0), static_cast<float>(lx),
                 static_cast<float>(ly), Colour::lowerSlit());
    surface.setPenWidth(1);
}

std::vector<int> HitsDrawing::binCounts(const DetectorHits& hits) {
    const int bins =
        static_cast<int>(std::ceil((PhotonChance::lowestY - PhotonChance::highestY) / binHeight));
    std::vector<int> counts(static_cast<std::size_t>(bins), 0);
    for (const DetectorHits::Hit& hit : hits.hits()) {
        const int bin = static_cast<int>((hit.y - PhotonChance::highestY) / binHeight);
        ++counts[static_cast<std::size_t>(std::clamp(bin, 0, bins - 1))];
    }
    return counts;
}

double HitsDrawing::barFor(const PhotonChance& chance, double density) {
    double highest = 0.0;
    // Sampled at each pixel of height, as the curve is drawn.
    for (double y = PhotonChance::highestY; y <= PhotonChance::lowestY; y += 1) {
        highest = std::max(highest, chance.density(y));
    }
    return highest > 0.0 ? longestBar * density / highest : 0.0;
}

void HitsDrawing::drawHistogram(DrawingSurface& surface, const DetectorHits& hits,
                                bool withChance) {
    clearColumns(surface, histogramX + 1, right);
    const auto total = static_cast<double>(hits.hits().size());
    const double unit = barFor(hits.chance(), 1.0); // bar pixels per unit of chance per pixel
    surface.setPenWidth(1);
    if (total > 0) {
        const std::vector<int> counts = binCounts(hits);
        for (std::size_t bin = 0; bin < counts.size(); ++bin) {
            const double length =
                std::min(unit * counts[bin] / (total * binHeight), double(right - histogramX - 1));
            if (length < 1) {
                continue;
            }
            const double y0 = PhotonChance::highestY + static_cast<double>(bin) * binHeight;
            for (int row = 0; row < binHeight - 1; ++row) {
                surface.line(static_cast<float>(histogramX + 1), static_cast<float>(y0 + row),
                             static_cast<float>(histogramX + length), static_cast<float>(y0 + row));
            }
        }
    }
    if (!withChance) {
        return;
    }
    double lastX = histogramX + unit * hits.chance().density(PhotonChance::highestY);
    for (double y = PhotonChance::highestY + 1; y <= PhotonChance::lowestY; y += 1) {
        const double x = histogramX + unit * hits.chance().density(y);
        surface.line(static_cast<float>(std::min(lastX, double(right))), static_cast<float>(y - 1),
                     static_cast<float>(std::min(x, double(right))), static_cast<float>(y),
                     chanceCurve);
        lastX = x;
    }
}

void HitsDrawing::drawAll(DrawingSurface& surface, const DetectorHits& hits, bool withChance) {
    drawEmpty(surface);
    for (const DetectorHits::Hit& hit : hits.hits()) {
        drawHit(surface, hit);
    }
    drawLatest(surface, hits);
    drawHistogram(surface, hits, withChance);
}
