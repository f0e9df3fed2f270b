// The settings are read as a run reads them, including the zero-scatter switch, which sends 50
// photons per dot while keeping the scales chosen from the field.
#include "ExpectedPattern.h"

#include "FieldSnapshot.h"
#include "Scene.h"
#include "SettingError.h"
#include "SettingReader.h"

#include <cmath>

namespace {

constexpr int phasesPerPass = 180;
constexpr double arrowSquared = 0.3 * 0.3; // each arrival arrow is 0.3 long

} // namespace

std::optional<ExpectedPattern> ExpectedPattern::forSettings(const FormFields& fields) {
    FieldSnapshot copy(fields);
    try {
        return fromSettings(SettingReader(copy));
    } catch (const SettingError&) {
        return std::nullopt;
    }
}

ExpectedPattern ExpectedPattern::fromSettings(const SettingReader& settings) {
    ExpectedPattern pattern;
    const double photons = settings.number(SettingField::PhotonsPerDot);
    pattern.probabilityScale_ = Scene::scalesFor(photons).probability;
    pattern.photons_ = settings.number(SettingField::PhaseScatter) == 0 ? 50 : photons;
    pattern.experiment_ = Experiment::fromSettings(settings);
    return pattern;
}

double ExpectedPattern::meanStartArrowSquared() {
    double x = 0.0;
    double y = 0.0;
    for (int r = 0; r < phasesPerPass; ++r) {
        x += std::cos(Scene::phaseUnit * r);
        y += std::sin(Scene::phaseUnit * r);
    }
    return (x * x + y * y) / (phasesPerPass * phasesPerPass);
}

std::complex<double> ExpectedPattern::meanStartArrow(int pass) {
    std::complex<double> sum;
    const int first = pass == 1 ? 0 : phasesPerPass;
    for (int r = first; r < first + phasesPerPass; ++r) {
        sum += std::polar(1.0, Scene::phaseUnit * r);
    }
    return sum / double(phasesPerPass);
}

double ExpectedPattern::sumFit(double sumScale) const {
    // The sums' column, in pixels; the detector's arrows reach arrowLength right of its line.
    const double left = experiment_.detectorX + Scene::arrowLength + 4;
    const double right = Scene::patternAxisX;
    const double top = Scene::topY;
    const double bottom = Scene::areaHeight - 36;
    const double n = photons_ < 1 ? 0 : std::floor(photons_);
    const double p = slitChance(experiment_, true);
    const double q = slitChance(experiment_, false);
    double fit = 1.0;
    // The tip lies 0.3·scale·Σ e^(iθ) from the sum's tail, the imaginary part downward; its
    // mean is the photons times m times each slit's arrow, weighted by the slit's chance.
    const auto keepIn = [&](double y, std::complex<double> mean) {
        const std::complex<double> tip = 0.3 * sumScale * n * mean;
        if (tip.real() != 0) {
            fit = std::min(fit, ((tip.real() > 0 ? right : left) - Scene::sumAxisX) / tip.real());
        }
        if (tip.imag() != 0) {
            fit = std::min(fit, ((tip.imag() > 0 ? bottom : top) - y) / tip.imag());
        }
    };
    for (int y = highestY; y <= lowestY; ++y) {
        // Sums are drawn only at multiples of 13 and 16 pixels.
        if (y % 13 != 0 && y % 16 != 0) {
            continue;
        }
        const std::complex<double> upper = p * experiment_.slitArrow(true, y);
        const std::complex<double> lower = q * experiment_.slitArrow(false, y);
        for (int pass : {1, 2}) {
            const std::complex<double> m = meanStartArrow(pass);
            if (experiment_.whichSlitDetector) {
                keepIn(y, m * upper);
                keepIn(y, m * lower);
            } else {
                keepIn(y, m * (upper + lower));
            }
        }
    }
    return std::max(fit, 0.0);
}

double ExpectedPattern::slitChance(const Experiment& experiment, bool upper) {
    if (experiment.open == OpenSlits::Both) {
        return upper ? upperChance : lowerChance;
    }
    return experiment.isOpen(upper) ? 1.0 : 0.0;
}

double ExpectedPattern::barLength(double y) const {
    static const double meanSquared = meanStartArrowSquared();
    const double p = slitChance(experiment_, true);
    const double q = slitChance(experiment_, false);
    // |p·Au + q·Al|² = p²·|Au|² + q²·|Al|² + 2pq·Re(Au·conj(Al)). For point slits the arrows
    // are e^(i·t·L), of length 1, and the last term is 2pq·cos(t·(Lu − Ll)).
    double upperSquared = 1.0;
    double lowerSquared = 1.0;
    double cross = 0.0;
    if (experiment_.slitWidth <= 0) {
        Scene scene;
        scene.detectorX = experiment_.detectorX;
        const Scene::Paths paths = scene.pathLengths(y, experiment_.slitSeparation);
        cross = std::cos(experiment_.turnPerPixel * (paths.upper - paths.lower));
    } else {
        const std::complex<double> upper = experiment_.slitArrow(true, y);
        const std::complex<double> lower = experiment_.slitArrow(false, y);
        upperSquared = std::norm(upper);
        lowerSquared = std::norm(lower);
        cross = std::real(upper * std::conj(lower));
    }
    // With the which-slit detector the two slits' photons are summed apart: no cross term.
    const double crossWeight = experiment_.whichSlitDetector ? 0.0 : 2 * p * q;
    const double slits = p * p * upperSquared + q * q * lowerSquared + crossWeight * cross;
    const double n = photons_ < 1 ? 0 : std::floor(photons_);
    return probabilityScale_ * arrowSquared * (n + n * (n - 1) * meanSquared * slits);
}
