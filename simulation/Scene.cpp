// The apparatus, drawn in a fixed order at fixed pen widths, and the table of drawing scales.
#include "Scene.h"

#include "DrawingSurface.h"
#include "SettingReader.h"

#include <QStringList>

#include <cmath>

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

Scene::Paths Scene::pathLengths(double dotY, double slitSeparation) const {
    const double dx = detectorX - shieldX;
    const double upperDy = axisY - slitSeparation / 2 - dotY;
    const double lowerDy = axisY + slitSeparation / 2 - dotY;
    return {std::sqrt(dx * dx + upperDy * upperDy), std::sqrt(dx * dx + lowerDy * lowerDy)};
}

Scene Scene::prepare(DrawingSurface& surface, SettingReader& settings) {
    surface.setScaleToPixels();
    surface.setPenWidth(1);
    for (int i = 1; i <= clearedRows; ++i) {
        const auto y = static_cast<float>(areaHeight - i);
        surface.line(1, y, static_cast<float>(areaWidth), y, Colour::background());
    }

    Scene scene;
    scene.detectorX = settings.number(SettingField::Vzdalenost) + 100;

    const auto bottom = static_cast<float>(bottomY);
    const auto top = static_cast<float>(topY);
    surface.setPenWidth(3);
    surface.line(static_cast<float>(shieldX), bottom, static_cast<float>(shieldX), top);
    surface.setPenWidth(2);
    for (double x : {scene.detectorX, sumAxisX, patternAxisX}) {
        surface.line(static_cast<float>(x), bottom, static_cast<float>(x), top);
    }
    surface.line(static_cast<float>(sourceX + 20), static_cast<float>(axisY),
                 static_cast<float>(areaWidth - 30), static_cast<float>(axisY));
    surface.setPenWidth(3);
    surface.circle(static_cast<float>(sourceX), static_cast<float>(axisY),
                   static_cast<float>(sourceRadius));
    surface.setPenWidth(1);

    scene.scales = scalesFor(settings.number(SettingField::PocetFotonu));
    // With no phase scatter the run always sends 50 photons per dot. The scales stay as chosen.
    if (settings.number(SettingField::Rozptyl) == 0) {
        settings.write(SettingField::PocetFotonu, QStringLiteral("50"));
    }
    return scene;
}
