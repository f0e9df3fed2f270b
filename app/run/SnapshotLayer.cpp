// The four looks differ in line style as well as colour, so that they stay apart for eyes without
// red or green cones and in a grey print; the colours are dark enough for a projector as they are.
#include "SnapshotLayer.h"

#include "ExpectedPattern.h"
#include "ExperimentSettings.h"
#include "HitsDrawing.h"
#include "ImageSurface.h"
#include "PhotonChance.h"
#include "PictureLabel.h"
#include "PictureView.h"
#include "Scene.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace {

struct Look {
    QRgb colour;
    Qt::PenStyle style;
};

constexpr Look looks[SnapshotLayer::most] = {
    {0x0050A0, Qt::SolidLine},
    {0xA04000, Qt::DashLine},
    {0x000000, Qt::DotLine},
    {0x600080, Qt::DashDotLine},
};

QPen penFor(std::size_t index, double zoom, bool projector) {
    const double thicker = projector && zoom >= 1.5 ? 1 : 0;
    QPen pen(QColor::fromRgb(looks[index].colour), std::max(1.0, std::round(2 * zoom)) + thicker,
             looks[index].style, Qt::FlatCap, Qt::MiterJoin);
    return pen;
}

// Each profile to its own highest point, so that patterns of any number of photons compare by
// their shapes.
SnapshotLayer::Snapshot scaled(SnapshotLayer::Snapshot snapshot) {
    const double highest = *std::max_element(snapshot.profile.begin(), snapshot.profile.end());
    for (double& value : snapshot.profile) {
        value = highest > 0 ? value / highest : 0.0;
    }
    return snapshot;
}

SnapshotLayer::Snapshot ofExpected(const ExpectedPattern& expected, const FormFields& settings) {
    SnapshotLayer::Snapshot snapshot{{}, ExperimentSettings::changes(settings)};
    for (int y = PhotonChance::highestY; y <= PhotonChance::lowestY; ++y) {
        snapshot.profile.push_back(expected.barLength(y));
    }
    return scaled(std::move(snapshot));
}

} // namespace

std::optional<SnapshotLayer::Snapshot> SnapshotLayer::ofRun(const PictureView& view) {
    const PictureView::FinishedRun& run = view.lastFinished();
    if (!run.expected || !run.settings) {
        return std::nullopt;
    }
    return ofExpected(*run.expected, *run.settings);
}

std::optional<SnapshotLayer::Snapshot> SnapshotLayer::ofSettings(const FormFields& settings) {
    const std::optional<ExpectedPattern> expected = ExpectedPattern::forSettings(settings);
    if (!expected) {
        return std::nullopt;
    }
    return ofExpected(*expected, settings);
}

std::optional<SnapshotLayer::Snapshot> SnapshotLayer::ofHits(const DetectorHits& hits,
                                                             const FormFields& settings) {
    if (hits.hits().empty()) {
        return std::nullopt;
    }
    const std::vector<int>& counts = hits.binCounts();
    Snapshot snapshot{{}, ExperimentSettings::changes(settings)};
    for (int y = PhotonChance::highestY; y <= PhotonChance::lowestY; ++y) {
        const auto bin = static_cast<std::size_t>(
            std::min<int>((y - PhotonChance::highestY) / HitsDrawing::binHeight,
                          static_cast<int>(counts.size()) - 1));
        snapshot.profile.push_back(counts[bin]);
    }
    return scaled(std::move(snapshot));
}

void SnapshotLayer::keep(Snapshot snapshot) {
    if (kept_.size() == most) {
        kept_.pop_front();
    }
    kept_.push_back(std::move(snapshot));
}

QStringList SnapshotLayer::legend() const {
    QStringList lines;
    for (std::size_t i = 0; i < kept_.size(); ++i) {
        lines << tr("Pattern %1: %2").arg(i + 1).arg(kept_[i].name);
    }
    return lines;
}

void SnapshotLayer::paint(QPainter& painter, QPoint origin, const QRegion&) const {
    if (kept_.empty()) {
        return;
    }
    const double zoom = view_.wantedZoom();
    const bool projector = view_.projectorColours();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    for (std::size_t i = 0; i < kept_.size(); ++i) {
        QPolygonF outline;
        const std::vector<double>& profile = kept_[i].profile;
        for (std::size_t k = 0; k < profile.size(); ++k) {
            outline << QPointF(origin) + QPointF(Scene::patternAxisX + profile[k] * width,
                                                 PhotonChance::highestY + static_cast<double>(k)) *
                                             zoom;
        }
        painter.setPen(penFor(i, zoom, projector));
        painter.drawPolyline(outline);
    }
    painter.restore();
    // The legend in the column's top right corner, each line after a sample of its outline.
    const QString indent(6, QLatin1Char(' '));
    QStringList lines;
    for (const QString& line : legend()) {
        lines << indent + line;
    }
    const QSize box = PictureLabel::size(lines, zoom);
    const QPoint topLeft =
        origin + QPoint(static_cast<int>(ImageSurface::width * zoom) - box.width(),
                        static_cast<int>(Scene::topY * zoom));
    PictureLabel::draw(painter, topLeft, lines, zoom);
    const QFontMetrics metrics(PictureLabel::font(zoom));
    const int inside = PictureLabel::padding(zoom);
    painter.save();
    for (std::size_t i = 0; i < kept_.size(); ++i) {
        const double y = topLeft.y() + inside + (static_cast<double>(i) + 0.5) * metrics.height();
        painter.setPen(penFor(i, zoom, projector));
        painter.drawLine(
            QPointF(topLeft.x() + inside, y),
            QPointF(topLeft.x() + inside + metrics.horizontalAdvance(indent) - 2 * zoom, y));
    }
    painter.restore();
}
