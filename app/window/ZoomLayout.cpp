// Plain arithmetic on sizes, kept apart from the window so that it can be checked on its own.
#include "ZoomLayout.h"

#include "ImageSurface.h"

#include <algorithm>
#include <cmath>

double ZoomLayout::zoomFor(QSize clientArea, int below) {
    const double across = static_cast<double>(clientArea.width()) / ImageSurface::width;
    const double down = static_cast<double>(clientArea.height()) / (ImageSurface::height + below);
    return std::clamp(std::min(across, down), smallest, largest);
}

QSize ZoomLayout::smallestArea() {
    return {static_cast<int>(std::ceil(ImageSurface::width * smallest)),
            static_cast<int>(std::ceil(ImageSurface::height * smallest))};
}

QPoint ZoomLayout::originFor(QSize clientArea, double zoom) {
    const double spare = clientArea.width() - ImageSurface::width * zoom;
    return {std::max(0, static_cast<int>(std::floor(spare / 2))), 0};
}

QRect ZoomLayout::scaled(const QRect& design, double zoom) {
    const auto at = [zoom](int design) { return static_cast<int>(std::lround(design * zoom)); };
    const int left = at(design.x());
    const int top = at(design.y());
    return {left, top, at(design.x() + design.width()) - left,
            at(design.y() + design.height()) - top};
}

int ZoomLayout::fontPixels(double points, double zoom) {
    return std::max(1, static_cast<int>(std::lround(points * 4 / 3 * zoom)));
}
