// The same geometry as the run's own drawing of the photon, from its recorded trace.
#include "StepOverlay.h"

#include "PictureView.h"
#include "Scene.h"

#include <QLineF>
#include <QPainter>
#include <QPen>

#include <cmath>

void StepOverlay::paint(QPainter& painter, QPoint origin, const QRegion&) const {
    if (!photon_) {
        return;
    }
    const PhotonRun::PhotonTrace& photon = *photon_;
    const double zoom = view_.wantedZoom();
    const double length = Scene::arrowLength;
    const QPointF source(Scene::sourceX, Scene::axisY);
    const QPointF slit(Scene::shieldX, photon.slitY);
    const QPointF point(photon.detectorX, photon.dotY);
    const QLineF lines[] = {
        {source, slit},
        // The leg from the slit to the point, whose length against the other slit's makes the
        // arrows differ.
        {slit, point},
        {slit, slit - QPointF(length * photon.startCos, length * photon.startSin)},
        {point, point + QPointF(length * photon.arrivalCos, -length * photon.arrivalSin)},
        {QPointF(Scene::sumAxisX, photon.dotY), QPointF(photon.sumEndX, photon.sumEndY)},
    };
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor::fromRgb(colour), std::max(1.0, std::round(width * zoom)),
                        Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const QLineF& line : lines) {
        painter.drawLine(
            QLineF(QPointF(origin) + line.p1() * zoom, QPointF(origin) + line.p2() * zoom));
    }
    const double radius = 5 * zoom;
    painter.drawEllipse(QPointF(origin) + point * zoom, radius, radius);
    painter.restore();
}
