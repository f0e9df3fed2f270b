// Paints on the kept image with one QPainter that lives as long as the surface, so that a run's
// hundreds of thousands of lines pay for no painter set-up, nor for pens or bookkeeping beyond a
// few comparisons each.
#include "ImageSurface.h"

#include <QPen>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Lines are cut to this margin around the image before they reach the painter: far-off or huge
// coordinates (from extreme settings) then cost nothing, and non-finite ones are dropped.
constexpr double clipMargin = 64.0;
// Lines and circles a window may draw between two looks at the changed area. A window looks at
// every frame, after a few hundred lines; a render, a run finished at once or a redraw draws
// hundreds of thousands without a look, and past this many all of the picture counts as changed.
constexpr int mostMarksBetweenTakes = 8192;
// How near a line must come to a place, in design pixels, to be counted as drawn there.
constexpr double nearby = 4.0;

QColor toQColor(Colour colour) {
    return QColor::fromRgb(colour.rgb);
}

// Liang-Barsky clipping of the segment to the rectangle [lo, hi]^2 (per axis). Returns false when
// nothing of it is left.
bool clipSegment(double& x1, double& y1, double& x2, double& y2, double loX, double loY, double hiX,
                 double hiY) {
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    // Nearly every line lies inside, and keeps its start and its start plus its extent, as
    // below, without the four divisions.
    if (std::min(x1, x2) >= loX && std::max(x1, x2) <= hiX && std::min(y1, y2) >= loY &&
        std::max(y1, y2) <= hiY) {
        x2 = x1 + dx;
        y2 = y1 + dy;
        return true;
    }
    double t0 = 0.0;
    double t1 = 1.0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - loX, hiX - x1, y1 - loY, hiY - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) {
                return false;
            }
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
        if (t0 > t1) {
            return false;
        }
    }
    const double sx = x1;
    const double sy = y1;
    x1 = sx + t0 * dx;
    y1 = sy + t0 * dy;
    x2 = sx + t1 * dx;
    y2 = sy + t1 * dy;
    return true;
}

} // namespace

ImageSurface::ImageSurface(double zoom, qreal devicePixelRatio)
    : zoom_(zoom), image_(qRound(width * zoom * devicePixelRatio),
                          qRound(height * zoom * devicePixelRatio), QImage::Format_RGB32) {
    image_.setDevicePixelRatio(devicePixelRatio);
    image_.fill(toQColor(Colour::background()));
    beginPainting();
}

ImageSurface::~ImageSurface() {
    // A surface whose picture was taken over has no painter left to end.
    if (painter_.isActive()) {
        painter_.end();
    }
}

void ImageSurface::beginPainting() {
    // The painter already maps logical pixels to device pixels; the zoom maps design pixels to
    // logical ones.
    painter_.begin(&image_);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setBrush(Qt::NoBrush);
    painter_.scale(zoom_, zoom_);
    appliedWidth_ = 0;
}

void ImageSurface::setScaleToPixels() {
    // The image is always addressed in design pixels; there is no other scale to leave.
}

void ImageSurface::setPenWidth(int pixels) {
    penWidth_ = pixels;
}

void ImageSurface::setProjectorColours(bool on) {
    projector_ = on;
    // The pens were made for the other colours.
    pens_.clear();
    appliedWidth_ = 0;
}

int ImageSurface::drawnWidth(int pixels) const {
    constexpr double thickerFromZoom = 1.5;
    return projector_ && zoom_ >= thickerFromZoom ? pixels + 1 : pixels;
}

int ImageSurface::devicePenWidth(int pixels) const {
    return std::max(1, static_cast<int>(std::lround(pixels * scale())));
}

void ImageSurface::line(float x1, float y1, float x2, float y2, std::optional<Colour> colour) {
    double ax = x1;
    double ay = y1;
    double bx = x2;
    double by = y2;
    if (!std::isfinite(ax) || !std::isfinite(ay) || !std::isfinite(bx) || !std::isfinite(by)) {
        return;
    }
    if (!clipSegment(ax, ay, bx, by, -clipMargin, -clipMargin, width + clipMargin,
                     height + clipMargin)) {
        return;
    }
    usePen(colour.value_or(Colour::foreground()));
    painter_.drawLine(QLineF(ax, ay, bx, by));
    markDirty(std::min(ax, bx), std::min(ay, by), std::max(ax, bx), std::max(ay, by));
}

void ImageSurface::circle(float x, float y, float radius) {
    if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(radius) ||
        std::abs(radius) > width + height) {
        return;
    }
    usePen(Colour::foreground());
    const QPointF centre(x, y);
    painter_.drawEllipse(centre, radius, radius);
    const double reach = std::abs(radius);
    markDirty(x - reach, y - reach, x + reach, y + reach);
}

QRegion ImageSurface::takeDirtyRegion() {
    const QRect area(0, 0, width, height);
    QRegion region;
    if (allDirty_) {
        region = area;
    }
    for (int i = 0; !allDirty_ && i < placeCount_; ++i) {
        const Place& drawn = places_[i];
        // Grown by the widest pen's reach and a pixel for rounding.
        region += QRectF(QPointF(drawn.left, drawn.top), QPointF(drawn.right, drawn.bottom))
                      .adjusted(-3, -3, 3, 3)
                      .toAlignedRect();
    }
    allDirty_ = false;
    placeCount_ = 0;
    lastPlace_ = 0;
    marksSinceTaken_ = 0;
    return region & area;
}

void ImageSurface::takePicture(ImageSurface& drawn) {
    painter_.end();
    drawn.painter_.end();
    image_ = std::exchange(drawn.image_, QImage());
    zoom_ = drawn.zoom_;
    penWidth_ = drawn.penWidth_;
    projector_ = drawn.projector_;
    // The pens were made for the old scale.
    pens_.clear();
    markAllDirty();
    beginPainting();
}

void ImageSurface::usePen(Colour wanted) {
    const Colour colour = projector_ ? Colour::forProjector(wanted) : wanted;
    // Setting a pen is not free, so it is set only when the width or the colour changes, and a
    // pen is made only the first time its width and colour are used.
    if (penWidth_ == appliedWidth_ && colour == appliedColour_) {
        return;
    }
    appliedWidth_ = penWidth_;
    appliedColour_ = colour;
    for (const MadePen& made : pens_) {
        if (made.width == penWidth_ && made.colour == colour) {
            painter_.setPen(made.pen);
            return;
        }
    }
    // Widths are whole device pixels, given as a cosmetic pen so that the zoom does not scale
    // them again. A pen one device pixel wide takes the painter's fast line path. The run's
    // hundreds of thousands of thin lines get square caps when zoomed: round ones are made of
    // curves, which cost twice the drawing, and differ only in a corner pixel at some line ends.
    const Qt::PenCapStyle cap = penWidth_ > 1 ? Qt::RoundCap : Qt::SquareCap;
    QPen pen(toQColor(colour), devicePenWidth(drawnWidth(penWidth_)), Qt::SolidLine, cap,
             Qt::RoundJoin);
    pen.setCosmetic(true);
    pens_.push_back({penWidth_, colour, pen});
    painter_.setPen(pen);
}

void ImageSurface::markAllDirty() {
    allDirty_ = true;
    placeCount_ = 0;
}

void ImageSurface::markDirty(double left, double top, double right, double bottom) {
    if (allDirty_) {
        return;
    }
    if (++marksSinceTaken_ > mostMarksBetweenTakes) {
        markAllDirty();
        return;
    }
    // The run draws in a few places over and over (the source, the slits, the detector point,
    // the bar): a new place joins the one it comes near, so that the region stays a few
    // rectangles. The place drawn on last is tried first, since most lines land there again.
    const auto comesNear = [&](const Place& place) {
        return left - nearby <= place.right && place.left <= right + nearby &&
               top - nearby <= place.bottom && place.top <= bottom + nearby;
    };
    const auto join = [&](Place& place) {
        place.left = std::min(place.left, left);
        place.top = std::min(place.top, top);
        place.right = std::max(place.right, right);
        place.bottom = std::max(place.bottom, bottom);
    };
    for (int tried = 0, i = lastPlace_; tried < placeCount_; ++tried) {
        if (comesNear(places_[i])) {
            join(places_[i]);
            lastPlace_ = i;
            return;
        }
        i = i + 1 < placeCount_ ? i + 1 : 0;
    }
    if (placeCount_ < mostPlaces) {
        lastPlace_ = placeCount_++;
        places_[lastPlace_] = {left, top, right, bottom};
        return;
    }
    // Too many places: joined with the one whose bounds grow least.
    double leastGrowth = std::numeric_limits<double>::max();
    for (int i = 0; i < placeCount_; ++i) {
        const Place& place = places_[i];
        const double joinedArea = (std::max(place.right, right) - std::min(place.left, left)) *
                                  (std::max(place.bottom, bottom) - std::min(place.top, top));
        const double growth = joinedArea - (place.right - place.left) * (place.bottom - place.top);
        if (growth < leastGrowth) {
            leastGrowth = growth;
            lastPlace_ = i;
        }
    }
    join(places_[lastPlace_]);
}
