// A wide slit's arrow is the average over its width of the arrows from each height. Within one
// piece of the slit the phase φ runs nearly linearly from φ0 to φ1, and the average of e^(iφ)
// over a linear run is e^(iφm) · sin δ / δ, with δ = (φ1 − φ0) / 2 and φm the phase at the
// piece's middle (closer to the true mean than the mean of the two ends, as φ bends).
#include "Experiment.h"

#include "Scene.h"
#include "SettingReader.h"

#include <cmath>

Experiment Experiment::fromSettings(const SettingReader& settings) {
    Experiment experiment;
    experiment.detectorX = Scene::detectorBaseX + settings.number(SettingField::Distance);
    experiment.slitSeparation = settings.number(SettingField::SlitSeparation);
    experiment.turnPerPixel = settings.number(SettingField::TurnPerPixel);
    experiment.slitWidth = settings.number(SettingField::SlitWidth);
    experiment.slitCount = settings.slitCount();
    experiment.open = settings.openSlits();
    experiment.whichSlitDetector = settings.whichSlitDetector();
    return experiment;
}

bool Experiment::isOpen(int slit) const {
    if (slitCount != 2 || open == OpenSlits::Both) {
        return true;
    }
    return (open == OpenSlits::Upper) == (slit == 0);
}

int Experiment::openCount() const {
    return slitCount != 2 || open == OpenSlits::Both ? slitCount : 1;
}

double Experiment::slitY(int slit) const {
    return slitY(slit, slitCount, slitSeparation);
}

double Experiment::slitY(int slit, int count, double separation) {
    // Halving is exact, so two slits stand at axisY ∓ separation / 2 to the last bit.
    return Scene::axisY + (slit - (count - 1) / 2.0) * separation;
}

std::complex<double> Experiment::slitArrow(int slit, double y) const {
    const double dx = detectorX - Scene::shieldX;
    const auto phaseFrom = [&](double height) {
        return turnPerPixel * std::sqrt(dx * dx + (height - y) * (height - y));
    };
    const double middle = slitY(slit);
    if (slitWidth <= 0) {
        return std::polar(1.0, phaseFrom(middle));
    }
    const double piece = slitWidth / slitPieces;
    std::complex<double> sum;
    double before = phaseFrom(middle - slitWidth / 2);
    for (int i = 1; i <= slitPieces; ++i) {
        const double from = middle - slitWidth / 2 + (i - 1) * piece;
        const double after = phaseFrom(from + piece);
        const double half = (after - before) / 2;
        const double sinc = std::abs(half) < 1e-9 ? 1.0 : std::sin(half) / half;
        sum += sinc * std::polar(1.0, phaseFrom(from + piece / 2));
        before = after;
    }
    return sum / static_cast<double>(slitPieces);
}
