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
    const SettingReader settings(copy);
    ExpectedPattern pattern;
    try {
        const double photons = settings.number(SettingField::PocetFotonu);
        pattern.probabilityScale_ = Scene::scalesFor(photons).probability;
        pattern.photons_ = settings.number(SettingField::Rozptyl) == 0 ? 50 : photons;
        pattern.turnPerPixel_ = settings.number(SettingField::Ur);
        pattern.detectorX_ = settings.number(SettingField::Vzdalenost) + 100;
        pattern.slitSeparation_ = settings.number(SettingField::Rd);
    } catch (const SettingError&) {
        return std::nullopt;
    }
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

double ExpectedPattern::barLength(double y) const {
    static const double meanSquared = meanStartArrowSquared();
    Scene scene;
    scene.detectorX = detectorX_;
    const Scene::Paths paths = scene.pathLengths(y, slitSeparation_);
    // |p·e^(i·t·Lu) + q·e^(i·t·Ll)|² = p² + q² + 2pq·cos(t·(Lu − Ll))
    const double slits =
        upperChance * upperChance + lowerChance * lowerChance +
        2 * upperChance * lowerChance * std::cos(turnPerPixel_ * (paths.upper - paths.lower));
    const double n = photons_ < 1 ? 0 : std::floor(photons_);
    return probabilityScale_ * arrowSquared * (n + n * (n - 1) * meanSquared * slits);
}
