// The curtain covers from just left of the pattern's axis to the picture's right edge, between
// the captions and the bottom of the detector, and the screen's area where it stands.
#include "CurtainLayer.h"

#include "Colour.h"
#include "DetectorScreen.h"
#include "ImageSurface.h"
#include "PictureLabel.h"
#include "PictureView.h"
#include "Scene.h"

#include <QPainter>

void CurtainLayer::paint(QPainter& painter, QPoint origin, const QRegion&) const {
    if (!drawn_) {
        return;
    }
    const double zoom = view_.wantedZoom();
    QRectF column(QPointF(Scene::patternAxisX - 12, Scene::topY - 6) * zoom,
                  QPointF(ImageSurface::width, Scene::bottomY + 6) * zoom);
    QRegion covered(column.toAlignedRect());
    if (screen_.isShown()) {
        covered += screen_.area();
    }
    covered.translate(origin);
    painter.save();
    painter.setClipRegion(covered);
    painter.fillRect(covered.boundingRect(), QColor::fromRgb(Colour::background().rgb));
    painter.restore();
    const QStringList lines{question()};
    const QSize box = PictureLabel::size(lines, zoom);
    const QRect around = covered.boundingRect();
    PictureLabel::draw(
        painter,
        QPoint(around.center().x() - box.width() / 2, around.center().y() - box.height() / 2),
        lines, zoom);
}
