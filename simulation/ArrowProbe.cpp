// A wide slit's chain averages each piece as the expected pattern does, so that the chain ends
// where that pattern's slit arrow points; a point slit is one link of length 1.
#include "ArrowProbe.h"

#include "Scene.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// One piece's mean arrow from heights `from` to `to` of a slit, with the phase taken as linear
// across it, weighted by the piece's share of the slit.
std::complex<double> pieceArrow(const Experiment& experiment, double y, double from, double to,
                                double share) {
    const double dx = experiment.detectorX - Scene::shieldX;
    const auto phase = [&](double height) {
        return experiment.turnPerPixel * std::hypot(dx, height - y);
    };
    const double half = (phase(to) - phase(from)) / 2;
    const double sinc = std::abs(half) < 1e-9 ? 1.0 : std::sin(half) / half;
    return share * sinc * std::polar(1.0, phase((from + to) / 2));
}

} // namespace

std::complex<double> ArrowProbe::Path::arrow() const {
    std::complex<double> sum;
    for (const std::complex<double>& link : links) {
        sum += link;
    }
    return sum;
}

ArrowProbe::ArrowProbe(const PhotonChance& chance, double y)
    : experiment_(chance.experiment()), y_(y) {
    const Experiment& experiment = experiment_;
    const double dx = experiment.detectorX - Scene::shieldX;
    for (int slit = 0; slit < experiment.slitCount; ++slit) {
        if (!experiment.isOpen(slit)) {
            continue;
        }
        Path path;
        path.slit = slit;
        const double middle = experiment.slitY(slit);
        path.length = std::hypot(dx, middle - y);
        if (experiment.slitWidth <= 0) {
            path.links.push_back(std::polar(1.0, experiment.turnPerPixel * path.length));
        } else {
            const double piece = experiment.slitWidth / chainPieces;
            for (int i = 0; i < chainPieces; ++i) {
                const double from = middle - experiment.slitWidth / 2 + i * piece;
                path.links.push_back(
                    pieceArrow(experiment, y, from, from + piece, 1.0 / chainPieces));
            }
        }
        paths_.push_back(std::move(path));
    }
    const double highest = chance.highestDensity();
    relativeChance_ = highest > 0 ? std::min(1.0, chance.density(y) / highest) : 0.0;
}

const ArrowProbe::Path* ArrowProbe::path(int slit) const {
    const auto found = std::find_if(paths_.begin(), paths_.end(),
                                    [slit](const Path& path) { return path.slit == slit; });
    return found != paths_.end() ? &*found : nullptr;
}

std::optional<std::complex<double>> ArrowProbe::sum() const {
    if (!joined()) {
        return std::nullopt;
    }
    std::complex<double> sum;
    for (const Path& path : paths_) {
        sum += path.arrow();
    }
    return sum;
}

double ArrowProbe::wavelength() const {
    return 2 * std::numbers::pi / experiment_.turnPerPixel;
}

std::optional<double> ArrowProbe::pathDifference() const {
    if (paths_.size() < 2) {
        return std::nullopt;
    }
    const auto gaps = static_cast<double>(paths_.size() - 1);
    return (paths_.back().length - paths_.front().length) / gaps / wavelength();
}

std::vector<ArrowProbe::Stroke> ArrowProbe::arrows() const {
    std::vector<Stroke> strokes;
    // As the run's arrows: a phase turns an arrow anticlockwise on the picture, whose y runs
    // downward.
    const double x0 = experiment_.detectorX;
    double x = x0;
    double y = y_;
    for (const Path& path : paths_) {
        if (!joined()) {
            x = x0;
            y = y_;
        }
        const Colour colour = Colour::slit(path.slit);
        for (std::size_t i = 0; i < path.links.size(); ++i) {
            const double nx = x + arrowScale * path.links[i].real();
            const double ny = y - arrowScale * path.links[i].imag();
            strokes.push_back({x, y, nx, ny, colour, i + 1 == path.links.size()});
            x = nx;
            y = ny;
        }
    }
    if (const auto total = sum(); total && paths_.size() > 1) {
        strokes.push_back({x0, y_, x0 + arrowScale * total->real(), y_ - arrowScale * total->imag(),
                           Colour::sumArrow(), true});
    }
    return strokes;
}

void ArrowProbe::draw(DrawingSurface& surface) const {
    const auto f = [](double value) { return static_cast<float>(value); };
    surface.setPenWidth(3);
    for (const Path& path : paths_) {
        const Colour colour = Colour::slit(path.slit);
        surface.line(f(Scene::shieldX), f(experiment_.slitY(path.slit)), f(experiment_.detectorX),
                     f(y_), colour);
    }
    surface.setPenWidth(2);
    for (const Stroke& stroke : arrows()) {
        surface.arrow(stroke.x1, stroke.y1, stroke.x2, stroke.y2, stroke.colour,
                      stroke.head ? arrowHead : 0);
    }
    surface.setPenWidth(1);
}
