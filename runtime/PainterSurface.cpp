// Pens follow the kept picture's: whole pixels wide at the zoom, no antialiasing, so that what is
// drawn over the picture looks like what is drawn in it.
#include "PainterSurface.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

PainterSurface::PainterSurface(QPainter& painter, QPointF origin, double zoom, bool projector)
    : painter_(painter), origin_(origin), zoom_(zoom), projector_(projector) {
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing, false);
}

PainterSurface::~PainterSurface() {
    painter_.restore();
}

void PainterSurface::usePen(Colour wanted) {
    const Colour colour = projector_ ? Colour::forProjector(wanted) : wanted;
    constexpr double thickerFromZoom = 1.5;
    const int width = penWidth_ + (projector_ && zoom_ >= thickerFromZoom ? 1 : 0);
    painter_.setPen(QPen(QColor::fromRgb(colour.rgb), std::max(1.0, std::round(width * zoom_)),
                         Qt::SolidLine, width > 1 ? Qt::RoundCap : Qt::SquareCap, Qt::RoundJoin));
}

void PainterSurface::line(float x1, float y1, float x2, float y2, std::optional<Colour> colour) {
    usePen(colour.value_or(Colour::foreground()));
    painter_.drawLine(origin_ + QPointF(x1, y1) * zoom_, origin_ + QPointF(x2, y2) * zoom_);
}

void PainterSurface::circle(float x, float y, float radius) {
    usePen(Colour::foreground());
    painter_.setBrush(Qt::NoBrush);
    painter_.drawEllipse(origin_ + QPointF(x, y) * zoom_, radius * zoom_, radius * zoom_);
}
