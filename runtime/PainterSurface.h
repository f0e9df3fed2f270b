// A drawing surface over a painter that someone else holds: for what is drawn over the kept
// picture at every paint rather than into it, at the picture's zoom and in its colours.
#pragma once

#include "DrawingSurface.h"

#include <QPointF>

class QPainter;

class PainterSurface : public DrawingSurface {
public:
    // Design pixels are drawn `zoom` logical pixels large, the drawing area's top-left at
    // `origin`; with `projector`, in projector colours and a pixel thicker from a zoom of 1.5.
    // The painter's state is restored when the surface goes.
    PainterSurface(QPainter& painter, QPointF origin, double zoom, bool projector);
    ~PainterSurface() override;
    PainterSurface(const PainterSurface&) = delete;
    PainterSurface& operator=(const PainterSurface&) = delete;

    using DrawingSurface::line;
    void setScaleToPixels() override {}
    void setPenWidth(int pixels) override { penWidth_ = pixels; }
    void line(float x1, float y1, float x2, float y2, std::optional<Colour> colour) override;
    void circle(float x, float y, float radius) override;

private:
    void usePen(Colour colour);

    QPainter& painter_;
    QPointF origin_;
    double zoom_;
    bool projector_;
    int penWidth_ = 1;
};
