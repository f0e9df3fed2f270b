// The readout stands right of the arrows, or left of the detector where the picture ends first,
// in a grey box so that it reads over whatever the run drew there.
#include "ProbeLayer.h"

#include "PainterSurface.h"
#include "PictureLabel.h"
#include "PictureView.h"

#include <QLocale>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

QString decimal(double value) {
    return QLocale().toString(value, 'f', 2);
}

} // namespace

const ArrowProbe* ProbeLayer::probe() const {
    const PhotonChance* chance = height_ ? chance_.chance() : nullptr;
    if (chance == nullptr) {
        return nullptr;
    }
    if (!probe_ || probed_ != chance_.generation() || probe_->y() != *height_) {
        probe_.emplace(*chance, *height_);
        probed_ = chance_.generation();
    }
    return &*probe_;
}

QStringList ProbeLayer::readout(const ArrowProbe& probe) {
    QStringList lines{tr("Point at y = %1 px").arg(decimal(probe.y()))};
    const double wavelength = probe.wavelength();
    const int slits = probe.experiment().slitCount;
    for (const ArrowProbe::Path& path : probe.paths()) {
        const QString length = decimal(path.length);
        const QString waves = decimal(path.length / wavelength);
        if (slits == 2) {
            lines << (path.slit == 0 ? tr("Upper path: %1 px = %2 λ")
                                     : tr("Lower path: %1 px = %2 λ"))
                         .arg(length, waves);
        } else {
            lines << tr("Path %1: %2 px = %3 λ").arg(path.slit + 1).arg(length, waves);
        }
    }
    if (const std::optional<double> difference = probe.pathDifference()) {
        // With more slits, what follows is of each arrow and the next.
        if (slits > 2) {
            lines << tr("Between neighbouring slits:");
        }
        // How far the arrows' directions differ, as a share of a whole turn, 0 to 0.5.
        const double apart = std::abs(*difference - std::round(*difference));
        const QString value = decimal(std::abs(*difference));
        if (!probe.joined()) {
            lines << tr("%1 λ: the detector is on, so the squared lengths are added, not the "
                        "arrows")
                         .arg(value);
        } else if (apart <= 0.125) {
            lines << tr("%1 λ: the arrows point the same way").arg(value);
        } else if (apart >= 0.375) {
            lines << tr("%1 λ: they point opposite ways").arg(value);
        } else {
            lines << tr("%1 λ: they point %2° apart").arg(value).arg(std::lround(apart * 360));
        }
    }
    lines << tr("Chance here: %1 % of the largest")
                 .arg(QLocale().toString(probe.relativeChance() * 100, 'f', 0));
    return lines;
}

void ProbeLayer::paint(QPainter& painter, QPoint origin, const QRegion&) const {
    const ArrowProbe* shown = probe();
    if (shown == nullptr) {
        return;
    }
    const double zoom = view_.wantedZoom();
    // The arrows stand on a clear grey patch, so that the run's own arrows do not hide them.
    double left = shown->experiment().detectorX;
    double right = left;
    double top = shown->y();
    double bottom = top;
    for (const ArrowProbe::Stroke& stroke : shown->arrows()) {
        left = std::min({left, stroke.x1, stroke.x2});
        right = std::max({right, stroke.x1, stroke.x2});
        top = std::min({top, stroke.y1, stroke.y2});
        bottom = std::max({bottom, stroke.y1, stroke.y2});
    }
    const double margin = ArrowProbe::arrowHead + 3;
    painter.fillRect(QRectF(origin.x() + (left - margin) * zoom, origin.y() + (top - margin) * zoom,
                            (right - left + 2 * margin) * zoom, (bottom - top + 2 * margin) * zoom),
                     QColor::fromRgb(Colour::background().rgb));
    {
        PainterSurface over(painter, origin, zoom, view_.projectorColours());
        shown->draw(over);
    }
    const QStringList lines = readout(*shown);
    const QSize box = PictureLabel::size(lines, zoom);
    // Right of the arrows' patch, or left of it where the picture ends first.
    double boxLeft = (right + margin) * zoom;
    if (boxLeft + box.width() > ImageSurface::width * zoom) {
        boxLeft = (left - margin) * zoom - box.width();
    }
    const double boxTop = std::clamp(shown->y() * zoom - box.height() / 2.0, 0.0,
                                     ImageSurface::height * zoom - box.height());
    PictureLabel::draw(
        painter, origin + QPoint(static_cast<int>(boxLeft), static_cast<int>(boxTop)), lines, zoom);
}
