// A redraw is a replay of the run at full speed into a new surface, which then replaces the old
// one: drawn from the start at the new zoom, the picture is pixel for pixel what it would have
// been had the run been drawn at that zoom all along.
#include "PictureView.h"

#include "PhotonRun.h"
#include "Scene.h"

#include <QPainter>

#include <algorithm>
#include <chrono>
#include <cmath>

namespace {

// How long the size must stay put before the picture is redrawn, in milliseconds.
constexpr int settleMs = 120;
// Drawing time per piece of a replay: the event loop runs between pieces, so the window
// answers input within a frame or two.
constexpr std::chrono::milliseconds pieceBudget(8);

} // namespace

PictureView::PictureView(double zoom, qreal devicePixelRatio, QObject* parent)
    : QObject(parent), surface_(std::make_unique<ImageSurface>(zoom, devicePixelRatio)),
      wantedZoom_(zoom), wantedRatio_(devicePixelRatio) {
    settle_.setSingleShot(true);
    settle_.setInterval(settleMs);
    connect(&settle_, &QTimer::timeout, this, &PictureView::beginRedraw);
    pieces_.setInterval(0);
    connect(&pieces_, &QTimer::timeout, this, &PictureView::redrawPiece);
}

PictureView::~PictureView() = default;

void PictureView::runStarting(const RandomGenerator& random, const FormFields& fields) {
    settle_.stop();
    pieces_.stop();
    replay_.reset();
    if (!isAtWantedSize()) {
        makeBlank();
    }
    record_.emplace(Record{random, FieldSnapshot(fields)});
    expected_ = ExpectedPattern::forSettings(fields);
    // The curve through the expected bar ends, worked out once for the run rather than at every
    // paint: a point for each whole pixel of height the detector points can take, cut off at the
    // right edge of the drawing area as the bars are.
    expectedCurve_.clear();
    for (int y = ExpectedPattern::highestY; expected_ && y <= ExpectedPattern::lowestY; ++y) {
        expectedCurve_ << QPointF(
            std::min(Scene::patternAxisX + expected_->barLength(y), Scene::areaWidth), y);
    }
    finalSteps_ = 0;
}

void PictureView::showApparatus(const RandomGenerator& random, const FormFields& fields) {
    runStarting(random, fields);
    PictureReplay apparatus(random, record_->fields, 0, wantedZoom_, wantedRatio_,
                            wantedProjector_);
    apparatus.advance(std::chrono::nanoseconds::max());
    replaceSurface(apparatus.surface());
}

void PictureView::setLiveRun(const PhotonRun* run) {
    if (liveRun_ != nullptr && run == nullptr) {
        finalSteps_ = liveRun_->stepsDone();
        if (liveRun_->isComplete()) {
            lastFinished_ = {liveRun_->dots(), expected_, record_->fields};
        }
    }
    liveRun_ = run;
}

void PictureView::want(double zoom, qreal devicePixelRatio) {
    if (zoom == wantedZoom_ && devicePixelRatio == wantedRatio_) {
        return;
    }
    wantedZoom_ = zoom;
    wantedRatio_ = devicePixelRatio;
    wantChanged();
}

void PictureView::setProjectorColours(bool on) {
    if (on == wantedProjector_) {
        return;
    }
    wantedProjector_ = on;
    wantChanged();
}

void PictureView::wantChanged() {
    const bool resuming = replay_ != nullptr;
    pieces_.stop();
    replay_.reset();
    if (resuming) {
        // The live run waited for the dropped replay; it waits on for the next one.
        settle_.start();
        return;
    }
    if (isAtWantedSize()) {
        settle_.stop();
        emit redrawn();
        return;
    }
    settle_.start();
}

bool PictureView::isRedrawing() const {
    return settle_.isActive() || replay_ != nullptr;
}

bool PictureView::isAtWantedSize() const {
    return surface_->zoom() == wantedZoom_ && surface_->devicePixelRatio() == wantedRatio_ &&
           surface_->projectorColours() == wantedProjector_;
}

void PictureView::makeBlank() {
    ImageSurface blank(wantedZoom_, wantedRatio_);
    blank.setProjectorColours(wantedProjector_);
    replaceSurface(blank);
}

void PictureView::beginRedraw() {
    if (isAtWantedSize() && replay_ == nullptr) {
        emit redrawn();
        return;
    }
    if (!record_) {
        // Nothing was drawn yet: a blank picture at the new size is all there is.
        makeBlank();
        emit redrawn();
        return;
    }
    emit redrawStarting();
    const long long steps = liveRun_ != nullptr ? liveRun_->stepsDone() : finalSteps_;
    replay_ = std::make_unique<PictureReplay>(record_->random, record_->fields, steps, wantedZoom_,
                                              wantedRatio_, wantedProjector_);
    pieces_.start();
}

void PictureView::redrawPiece() {
    if (replay_ && replay_->advance(pieceBudget)) {
        pieces_.stop();
        replaceSurface(replay_->surface());
        replay_.reset();
        emit redrawn();
    }
}

void PictureView::finishRedraw() {
    if (settle_.isActive()) {
        settle_.stop();
        beginRedraw();
    }
    if (replay_) {
        replay_->advance(std::chrono::nanoseconds::max());
        redrawPiece();
    }
}

void PictureView::replaceSurface(ImageSurface& drawn) {
    // The surface object stays, so that a live run keeps drawing on it.
    surface_->takePicture(drawn);
}

void PictureView::paint(QPainter& painter, QPoint origin, const QRegion& exposed) const {
    const QImage& image = surface_->image();
    const QRectF target(
        origin, QSizeF(ImageSurface::width * wantedZoom_, ImageSurface::height * wantedZoom_));
    if (!isAtWantedSize()) {
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.setClipRegion(exposed);
        painter.drawImage(target, image);
        painter.restore();
        return;
    }
    const qreal ratio = image.devicePixelRatio();
    for (const QRect& rect : exposed) {
        const QRectF area = QRectF(rect) & target;
        if (area.isEmpty()) {
            continue;
        }
        const QRectF source((area.x() - origin.x()) * ratio, (area.y() - origin.y()) * ratio,
                            area.width() * ratio, area.height() * ratio);
        painter.drawImage(area, image, source);
    }
}

void PictureView::paintExpected(QPainter& painter, QPointF origin, double zoom) const {
    if (expectedCurve_.isEmpty()) {
        return;
    }
    QPolygonF curve;
    curve.reserve(expectedCurve_.size());
    for (const QPointF& point : std::as_const(expectedCurve_)) {
        curve << origin + point * zoom;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const Colour colour =
        wantedProjector_ ? Colour::forProjector(Colour::expectedLine()) : Colour::expectedLine();
    const double thicker = wantedProjector_ && zoom >= 1.5 ? 1.0 : 0.0;
    painter.setPen(QPen(QColor::fromRgb(colour.rgb), std::max(1.0, std::round(zoom)) + thicker,
                        Qt::SolidLine, Qt::SquareCap, Qt::RoundJoin));
    painter.drawPolyline(curve);
    painter.restore();
}

QRegion PictureView::takeDirtyRegion() {
    const QRegion drawn = surface_->takeDirtyRegion();
    if (!isAtWantedSize()) {
        // Shown stretched until it is redrawn, so all of it changes.
        return QRectF(0, 0, ImageSurface::width * wantedZoom_, ImageSurface::height * wantedZoom_)
            .toAlignedRect();
    }
    QRegion region;
    const double zoom = surface_->zoom();
    for (const QRect& rect : drawn) {
        const QRectF scaled(rect.x() * zoom, rect.y() * zoom, rect.width() * zoom,
                            rect.height() * zoom);
        region += scaled.toAlignedRect().adjusted(-1, -1, 1, 1);
    }
    return region;
}
