// The ruler's label stands beside its middle; the fringes' line under the pattern, where the
// detector ends, right-aligned to the picture's edge.
#include "MeasureLayer.h"

#include "FringeLines.h"
#include "ImageSurface.h"
#include "PainterSurface.h"
#include "PictureLabel.h"
#include "PictureView.h"
#include "Scene.h"

#include <QFontMetrics>
#include <QLocale>
#include <QPainter>

#include <cmath>

namespace {

QString decimal(double value) {
    return QLocale().toString(value, 'f', 1);
}

} // namespace

QString MeasureLayer::rulerText(const Ruler& ruler) {
    return tr("Ruler: %1 px").arg(decimal(ruler.length()));
}

QString MeasureLayer::fringesText() const {
    const PhotonChance* chance = fringesShown_ ? chance_.chance() : nullptr;
    if (chance == nullptr) {
        return {};
    }
    const FringeLines lines(chance->experiment());
    switch (lines.missing()) {
    case FringeLines::Missing::OneSlit:
        return tr("No fringes to mark: only one slit is open");
    case FringeLines::Missing::Detector:
        return tr("No fringes to mark: the which-slit detector is on");
    case FringeLines::Missing::None:
        break;
    }
    const std::optional<double> first = lines.firstTrueOffset();
    return first ? tr("λL/d = %1 px; first bright fringes %2 px from the middle")
                       .arg(decimal(lines.spacing()), decimal(*first))
                 : tr("λL/d = %1 px").arg(decimal(lines.spacing()));
}

void MeasureLayer::paint(QPainter& painter, QPoint origin, const QRegion&) const {
    const double zoom = view_.wantedZoom();
    if (fringesShown_) {
        paintFringes(painter, origin, zoom);
    }
    if (ruler_) {
        paintRuler(painter, origin, zoom);
    }
}

void MeasureLayer::paintRuler(QPainter& painter, QPoint origin, double zoom) const {
    {
        PainterSurface over(painter, origin, zoom, view_.projectorColours());
        ruler_->draw(over);
    }
    const QStringList lines{rulerText(*ruler_)};
    const QSize box = PictureLabel::size(lines, zoom);
    // Right of the ruler's middle and below it, kept on the picture.
    const double x = std::clamp((ruler_->x1 + ruler_->x2) / 2 * zoom + 6 * zoom, 0.0,
                                ImageSurface::width * zoom - box.width());
    const double y = std::clamp((ruler_->y1 + ruler_->y2) / 2 * zoom + 6 * zoom, 0.0,
                                ImageSurface::height * zoom - box.height());
    PictureLabel::draw(painter, origin + QPoint(static_cast<int>(x), static_cast<int>(y)), lines,
                       zoom);
}

void MeasureLayer::paintFringes(QPainter& painter, QPoint origin, double zoom) const {
    const PhotonChance* chance = chance_.chance();
    if (chance == nullptr) {
        return;
    }
    const FringeLines lines(chance->experiment());
    {
        PainterSurface over(painter, origin, zoom, view_.projectorColours());
        lines.draw(over);
    }
    painter.save();
    painter.setFont(PictureLabel::font(zoom));
    painter.setPen(QColor::fromRgb(Colour::measure().rgb));
    const QFontMetrics metrics(painter.font());
    // Each textbook tick's order, left of the true fringes' circles.
    const double right = (FringeLines::trueX - FringeLines::trueRadius - 3) * zoom;
    for (const FringeLines::Fringe& fringe : lines.fringes()) {
        const QString order = QLocale().toString(fringe.order);
        painter.drawText(QPointF(origin.x() + right - metrics.horizontalAdvance(order),
                                 origin.y() + fringe.textbookY * zoom + metrics.ascent() / 2.0 -
                                     metrics.descent() / 2.0),
                         order);
    }
    painter.restore();
    const QStringList text{fringesText()};
    const QSize box = PictureLabel::size(text, zoom);
    PictureLabel::draw(painter,
                       origin + QPoint(static_cast<int>(ImageSurface::width * zoom) - box.width(),
                                       static_cast<int>((PhotonChance::lowestY + 2) * zoom)),
                       text, zoom);
}
