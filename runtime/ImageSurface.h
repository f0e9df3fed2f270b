// The drawing surface the user sees: a kept image of the drawing area that the window copies to
// the screen. Drawing is aliased, so a line redrawn in the background grey is erased pixel for
// pixel.
#pragma once

#include "DrawingSurface.h"

#include <QImage>
#include <QPainter>
#include <QRect>

#include <limits>

class ImageSurface : public DrawingSurface {
public:
    // 801 x 581 logical pixels, so that column 800 and row 580 exist.
    static constexpr int width = 801;
    static constexpr int height = 581;

    // At a device pixel ratio above 1 the image holds that many device pixels per logical pixel,
    // so that lines stay sharp on high-density screens.
    explicit ImageSurface(qreal devicePixelRatio = 1.0);
    ~ImageSurface() override;
    ImageSurface(const ImageSurface&) = delete;
    ImageSurface& operator=(const ImageSurface&) = delete;

    using DrawingSurface::line;
    void setScaleToPixels() override;
    void setPenWidth(int pixels) override;
    void line(float x1, float y1, float x2, float y2, std::optional<Colour> colour) override;
    void circle(float x, float y, float radius) override;

    // The live image, for copying to the screen. It changes as drawing goes on: keep a
    // snapshot() rather than a copy of this reference.
    const QImage& image() const { return image_; }
    QImage snapshot() const { return image_.copy(); }
    // The logical rectangle drawn on since the last call, empty when nothing was drawn.
    QRect takeDirtyRect();

private:
    void usePen(Colour colour);
    void markDirty(double left, double top, double right, double bottom);

    QImage image_;
    QPainter painter_;
    int penWidth_ = 1;
    // The pen the painter holds; width 0 means none has been set yet.
    int appliedWidth_ = 0;
    Colour appliedColour_ = Colour::foreground();
    // Bounds of what was drawn since the dirty rectangle was last taken, in logical pixels;
    // left > right when nothing was.
    double dirtyLeft_ = std::numeric_limits<double>::max();
    double dirtyTop_ = std::numeric_limits<double>::max();
    double dirtyRight_ = std::numeric_limits<double>::lowest();
    double dirtyBottom_ = std::numeric_limits<double>::lowest();
};
