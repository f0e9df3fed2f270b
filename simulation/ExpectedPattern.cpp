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
    std::complex<double> weighted[mostSlits];
    const int count = experiment_.slitCount;
    for (int y = highestY; y <= lowestY; ++y) {
        // Sums are drawn only at multiples of 13 and 16 pixels.
        if (y % 13 != 0 && y % 16 != 0) {
            continue;
        }
        std::complex<double> all;
        for (int slit = 0; slit < count; ++slit) {
            weighted[slit] = slitChance(experiment_, slit) * experiment_.slitArrow(slit, y);
            all += weighted[slit];
        }
        for (int pass : {1, 2}) {
            const std::complex<double> m = meanStartArrow(pass);
            if (experiment_.whichSlitDetector) {
                for (int slit = 0; slit < count; ++slit) {
                    keepIn(y, m * weighted[slit]);
                }
            } else {
                keepIn(y, m * all);
            }
        }
    }
    return std::max(fit, 0.0);
}

double ExpectedPattern::slitChance(const Experiment& experiment, int slit) {
    if (experiment.slitCount != 2) {
        return 1.0 / experiment.slitCount;
    }
    if (experiment.open == OpenSlits::Both) {
        return slit == 0 ? upperChance : lowerChance;
    }
    return experiment.isOpen(slit) ? 1.0 : 0.0;
}

double ExpectedPattern::barLength(double y) const {
    static const double meanSquared = meanStartArrowSquared();
    // |Σ p_k·A_k|² = Σ p_k²·|A_k|² + Σ_(j<k) 2·p_j·p_k·Re(A_j·conj(A_k)). For point slits the
    // arrows are e^(i·t·L), of length 1, and the pairs' terms are 2·p_j·p_k·cos(t·(L_j − L_k)).
    const int count = experiment_.slitCount;
    double chance[mostSlits];
    std::complex<double> arrow[mostSlits];
    double path[mostSlits];
    Scene scene;
    scene.detectorX = experiment_.detectorX;
    for (int slit = 0; slit < count; ++slit) {
        chance[slit] = slitChance(experiment_, slit);
        if (experiment_.slitWidth <= 0) {
            path[slit] = scene.pathLength(y, experiment_.slitY(slit));
        } else {
            arrow[slit] = experiment_.slitArrow(slit, y);
        }
    }
    const bool point = experiment_.slitWidth <= 0;
    double slits = 0.0;
    for (int slit = 0; slit < count; ++slit) {
        slits += chance[slit] * chance[slit] * (point ? 1.0 : std::norm(arrow[slit]));
    }
    // With the which-slit detector each slit's photons are summed apart: no pairs' terms.
    for (int j = 0; j < count && !experiment_.whichSlitDetector; ++j) {
        for (int k = j + 1; k < count; ++k) {
            const double cross = point ? std::cos(experiment_.turnPerPixel * (path[j] - path[k]))
                                       : std::real(arrow[j] * std::conj(arrow[k]));
            slits += 2 * chance[j] * chance[k] * cross;
        }
    }
    const double n = photons_ < 1 ? 0 : std::floor(photons_);
    return probabilityScale_ * arrowSquared * (n + n * (n - 1) * meanSquared * slits);
}
