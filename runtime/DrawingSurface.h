// The one way anything is drawn: pixel units with the origin at the top left and y downward.
// The simulation draws only through this interface, so that it needs no widget and the tests can
// record what it drew.
#pragma once

#include "Colour.h"

#include <cmath>
#include <numbers>
#include <optional>

class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    // Pixel units, origin top left, y downward. The only scale the program uses.
    virtual void setScaleToPixels() = 0;
    // Width in pixels (1, 2 or 3) of the lines and circles that follow.
    virtual void setPenWidth(int pixels) = 0;
    // A line drawn at once; without a colour, in the foreground colour.
    virtual void line(float x1, float y1, float x2, float y2, std::optional<Colour> colour) = 0;
    void line(float x1, float y1, float x2, float y2) { line(x1, y1, x2, y2, std::nullopt); }
    // A circle outline in the foreground colour, not filled.
    virtual void circle(float x, float y, float radius) = 0;

    // A line with a head at its second end: two strokes of `head` pixels back from the tip, each
    // 25 degrees off the shaft; no head on a line shorter than it, or with `head` 0.
    void arrow(double x1, double y1, double x2, double y2, std::optional<Colour> colour,
               double head) {
        const auto f = [](double value) { return static_cast<float>(value); };
        line(f(x1), f(y1), f(x2), f(y2), colour);
        if (head <= 0 || std::hypot(x2 - x1, y2 - y1) < head) {
            return;
        }
        const double angle = std::atan2(y2 - y1, x2 - x1);
        for (double side : {-1.0, 1.0}) {
            const double back = angle + std::numbers::pi + side * 25 * std::numbers::pi / 180;
            line(f(x2), f(y2), f(x2 + head * std::cos(back)), f(y2 + head * std::sin(back)),
                 colour);
        }
    }
};
