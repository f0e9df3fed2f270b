// The one way anything is drawn: pixel units with the origin at the top left and y downward.
// The simulation draws only through this interface, so that it needs no widget and the tests can
// record what it drew.
#pragma once

#include "Colour.h"

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
};
