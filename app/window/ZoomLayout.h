// The one zoom of the whole window: the factor by which the drawing area, every control and
// every font grow or shrink with the window, and where the zoomed design stands in it.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class ZoomLayout {
public:
    // Below half size the controls' texts can no longer be read; above four times the picture
    // would take more memory than a class's machine may have to spare.
    static constexpr double smallest = 0.5;
    static constexpr double largest = 4.0;

    // The largest zoom at which the 801 x 581 design, with `below` design pixels of controls
    // under it, fits the client area, within the bounds.
    static double zoomFor(QSize clientArea, int below = 0);
    // The smallest client area, the design at the smallest zoom.
    static QSize smallestArea();
    // Where the zoomed design's top-left stands: centred across, at the top.
    static QPoint originFor(QSize clientArea, double zoom);
    // A design rectangle at a zoom. Edges are rounded rather than sizes, so that controls that
    // touch in the design still touch.
    static QRect scaled(const QRect& design, double zoom);
    // A font size in pixels: points at 96 dots per inch, times the zoom.
    static int fontPixels(double points, double zoom);
};
