// The apparatus, drawn in a fixed order at fixed pen widths, and the table of drawing scales.
#include "Scene.h"

#include "DrawingSurface.h"
#include "ExpectedPattern.h"
#include "Experiment.h"
#include "SettingReader.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <vector>

Scene::Scales Scene::scalesFor(double photonsPerDot) {
    for (const PhotonsRow& row : photonsRows) {
        if (photonsPerDot == row.photons) {
            return row.scales;
        }
    }
    return {};
}

QString Scene::offeredPhotons() {
    QStringList values;
    for (const PhotonsRow& row : photonsRows) {
        values << QString::number(row.photons);
    }
    return values.join(QStringLiteral(", "));
}

double Scene::pathLength(double dotY, double slitY) const {
    const double dx = detectorX - shieldX;
    const double dy = slitY - dotY;
    return std::sqrt(dx * dx + dy * dy);
}

void Scene::drawShield(DrawingSurface& surface, const SettingReader& settings) {
    const auto x = static_cast<float>(shieldX);
    const Experiment experiment = Experiment::fromSettings(settings);
    const double width = experiment.slitWidth;
    if (width <= 0 && experiment.slitCount == 2 && experiment.open == OpenSlits::Both) {
        surface.line(x, static_cast<float>(bottomY), x, static_cast<float>(topY));
        return;
    }
    // The shield is drawn upward from bottomY in pieces that stop short of each opening by the
    // reach of the pen's round end, so that an opening shows its full width.
    constexpr double capReach = 1.5;
    constexpr double crossbar = 6; // pixels either side of the shield
    struct Slit {
        double y;
        bool isOpen;
    };
    std::vector<Slit> slits;
    for (int slit = experiment.slitCount - 1; slit >= 0; --slit) {
        slits.push_back({experiment.slitY(slit), experiment.isOpen(slit)});
    }
    // From the bottom up, whatever the sign of the separation.
    std::stable_sort(slits.begin(), slits.end(),
                     [](const Slit& one, const Slit& other) { return one.y > other.y; });
    double from = bottomY;
    for (const Slit& slit : slits) {
        if (!slit.isOpen) {
            surface.line(static_cast<float>(shieldX - crossbar), static_cast<float>(slit.y),
                         static_cast<float>(shieldX + crossbar), static_cast<float>(slit.y));
        } else if (width > 0) {
            const double to = std::max(slit.y + width / 2 + capReach, topY);
            if (to < from) {
                surface.line(x, static_cast<float>(from), x, static_cast<float>(to));
            }
            from = std::min(from, slit.y - width / 2 - capReach);
        }
    }
    if (from > topY) {
        surface.line(x, static_cast<float>(from), x, static_cast<float>(topY));
    }
}

void Scene::drawWhichSlitDetector(DrawingSurface& surface, const Experiment& experiment) {
    if (!experiment.whichSlitDetector) {
        return;
    }
    // An eye past each open slit, looking at it from beyond the reach of the slit's arrows: a
    // ring and its pupil.
    for (int slit = 0; slit < experiment.slitCount; ++slit) {
        if (experiment.isOpen(slit)) {
            const auto y = static_cast<float>(experiment.slitY(slit));
            surface.circle(static_cast<float>(shieldX + arrowLength + 8), y, 4);
            surface.circle(static_cast<float>(shieldX + arrowLength + 6), y, 1);
        }
    }
}

Scene Scene::prepare(DrawingSurface& surface, SettingReader& settings) {
    surface.setScaleToPixels();
    surface.setPenWidth(1);
    for (int i = 1; i <= clearedRows; ++i) {
        const auto y = static_cast<float>(areaHeight - i);
        surface.line(1, y, static_cast<float>(areaWidth), y, Colour::background());
    }

    Scene scene;
    scene.detectorX = detectorBaseX + settings.number(SettingField::Distance);

    const auto bottom = static_cast<float>(bottomY);
    const auto top = static_cast<float>(topY);
    surface.setPenWidth(3);
    drawShield(surface, settings);
    surface.setPenWidth(2);
    drawWhichSlitDetector(surface, Experiment::fromSettings(settings));
    for (double x : {scene.detectorX, sumAxisX, patternAxisX}) {
        surface.line(static_cast<float>(x), bottom, static_cast<float>(x), top);
    }
    surface.line(static_cast<float>(sourceX + 20), static_cast<float>(axisY),
                 static_cast<float>(areaWidth - 30), static_cast<float>(axisY));
    surface.setPenWidth(3);
    surface.circle(static_cast<float>(sourceX), static_cast<float>(axisY),
                   static_cast<float>(sourceRadius));
    surface.setPenWidth(1);

    scene.scales = scalesFor(settings.number(SettingField::PhotonsPerDot));
    // A changed experiment's sums may point where the designed one's never do: they are
    // shortened to stay in their column.
    if (!settings.isDesigned()) {
        scene.scales.sum *= ExpectedPattern::fromSettings(settings).sumFit(scene.scales.sum);
    }
    // With no phase scatter the run always sends 50 photons per dot. The scales stay as chosen.
    if (settings.number(SettingField::PhaseScatter) == 0) {
        settings.write(SettingField::PhotonsPerDot, QStringLiteral("50"));
    }
    return scene;
}
