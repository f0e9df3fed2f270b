// The settings of the experiment as a teacher chooses them, read the way a run reads them: whether
// two sets make the same experiment, and the one line that names a changed experiment on its
// picture.
#pragma once

#include "FormFields.h"

#include <QCoreApplication>
#include <QImage>
#include <QString>

#include <numbers>

class ExperimentSettings {
    Q_DECLARE_TR_FUNCTIONS(ExperimentSettings)

public:
    // Pixels. Beyond these the detector leaves the picture, the slits leave the shield, or the
    // arrows turn too fast or too slowly for the fringes to be seen.
    // The distance is from the slits to the detector line, as drawn.
    static constexpr int shortestDistance = 50;
    static constexpr int longestDistance = 250;
    static constexpr int narrowestSeparation = 10;
    static constexpr int widestSeparation = 200;
    static constexpr double shortestWavelength = 3.0;
    static constexpr double longestWavelength = 25.0;
    static constexpr int widestSlit = 30;

    // The wavelength is one whole turn of the arrow: 2π / turn per pixel, both ways.
    static double wavelengthOf(double turnPerPixel) { return 2 * std::numbers::pi / turnPerPixel; }
    // The text of the turn-per-pixel field for a wavelength in pixels.
    static QString turnText(double wavelength);
    // A number as the panel and the summary show it: at most `decimals` places, no trailing 0s.
    static QString shown(double value, int decimals);

    // Whether two sets of setting texts make the same experiment; settings a run could not use
    // make none.
    static bool sameExperiment(const FormFields& one, const FormFields& other);
    // One line naming every setting of the experiment, for a picture; empty for the designed
    // experiment or settings a run could not use.
    static QString summary(const FormFields& settings);
    // Writes the summary, if there is one, along the bottom of a picture made at the zoom.
    static void drawSummary(QImage& picture, const FormFields& settings, double zoom);
};
