// Where the apparatus stands and the two drawing scales of a run. All positions are pixels of the
// drawing surface, origin top left, y downward.
#pragma once

#include <QString>

class DrawingSurface;
class Experiment;
class SettingReader;

class Scene {
public:
    static constexpr double areaWidth = 800;  // right end of the cleared area
    static constexpr double areaHeight = 581; // the other heights are counted from here
    static constexpr int clearedRows = 580;   // rows 580 up to 1; row 0 is never painted
    static constexpr double bottomMargin = 50;
    static constexpr double bottomY = areaHeight - bottomMargin; // 531
    static constexpr double topY = 70;                           // top of every vertical line
    static constexpr double sourceX = 80;
    static constexpr double axisY = areaHeight / 2 + 50; // 340.5, the source and the slits' middle
    static constexpr double shieldX = 150;               // the shield and both slits
    // The distance field places the detector line at this x plus its value, so the field reads
    // 50 px more than the distance from the slits to the detector that a user reads and types.
    static constexpr double detectorBaseX = 100;
    static constexpr double distanceOfField(double field) {
        return field + detectorBaseX - shieldX;
    }
    static constexpr double fieldOfDistance(double distance) {
        return distance - detectorBaseX + shieldX;
    }
    static constexpr double sumAxisX = 450;     // where the summed arrows start
    static constexpr double patternAxisX = 550; // where the pattern bars start
    static constexpr double arrowLength = 20;   // the drawn phase arrows
    static constexpr double sourceRadius = 5;
    // Radians per step of a random start phase: close to, but not exactly, one degree.
    static constexpr double phaseUnit = 1.57041 / 100 * 1.1;

    // Squared sum length to bar length, and sum to drawn arrow. Both 0 for a photons-per-dot
    // value that matches no row of the table.
    struct Scales {
        double probability = 0.0;
        double sum = 0.0;
    };
    // The photons-per-dot values the window offers, in the order of its buttons, each with its
    // two scales: the one place these values are written.
    struct PhotonsRow {
        int photons;
        Scales scales;
    };
    static constexpr PhotonsRow photonsRows[] = {
        {1, {800, 150}}, {5, {90, 65}},   {10, {30, 35}},
        {50, {2, 8}},    {100, {0.5, 4}}, {500, {0.02, 1}},
    };
    static Scales scalesFor(double photonsPerDot);
    // The offered values as a user reads them: "1, 5, 10, 50, 100, 500".
    static QString offeredPhotons();

    // Length in pixels of the path from the shield at height slitY to a detector point.
    double pathLength(double dotY, double slitY) const;

    // The first stage of a run: paints the drawing area grey, draws the apparatus, settles the
    // detector position and the scales, and applies the zero-scatter switch.
    static Scene prepare(DrawingSurface& surface, SettingReader& settings);
    // The shield at pen width 3: one line as designed while both slits are open and have no
    // width; otherwise a gap of the slit width at each open slit, and a short crossbar closing
    // a closed slit.
    static void drawShield(DrawingSurface& surface, const SettingReader& settings);
    // With the which-slit detector on, an eye beside each open slit, so that a class sees that
    // the slits are watched.
    static void drawWhichSlitDetector(DrawingSurface& surface, const Experiment& experiment);

    double detectorX = 0.0; // detectorBaseX + the distance field
    Scales scales;
};
