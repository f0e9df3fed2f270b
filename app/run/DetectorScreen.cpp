// The hits go on from where the random numbers are, so that a seeded window or render lands the
// same hits in the same order. Only new dots are drawn as hits land; the arrows and the histogram
// are drawn anew each time, and everything at a new zoom.
#include "DetectorScreen.h"

#include "HitsDrawing.h"
#include "PainterSurface.h"
#include "PhotonChance.h"

#include <QPainter>

namespace {

RandomGenerator makeGenerator(std::optional<std::uint64_t> seed) {
    return seed ? RandomGenerator(*seed) : RandomGenerator();
}

} // namespace

DetectorScreen::DetectorScreen(std::optional<std::uint64_t> seed, QObject* parent)
    : QObject(parent), random_(makeGenerator(seed)), pacer_(this) {}

DetectorScreen::Stage DetectorScreen::stageFor(long long hits) {
    if (hits <= 0) {
        return Stage::NoHits;
    }
    if (hits < 100) {
        return Stage::FewHits;
    }
    return hits < 1000 ? Stage::Emerging : Stage::Clear;
}

QString DetectorScreen::stageText(Stage stage) {
    switch (stage) {
    case Stage::NoHits:
        return tr("Detector screen: no hits yet");
    case Stage::FewHits:
        return tr("Detector screen: a few hits, no pattern yet");
    case Stage::Emerging:
        return tr("Detector screen: a pattern is emerging");
    case Stage::Clear:
        break;
    }
    return tr("Detector screen: the pattern is clear");
}

bool DetectorScreen::show(const FormFields& fields, bool paced) {
    hide();
    const std::optional<PhotonChance> chance = PhotonChance::forSettings(fields);
    if (!chance) {
        return false;
    }
    hits_.emplace(*chance, random_, HitsDrawing::bandWidth);
    settings_.emplace(fields);
    remakeSurface();
    // Landing before the screen is first drawn, so that what is told of it says so.
    if (paced) {
        pacer_.start([this](long long count) { return landAndDraw(count); }, 0);
    }
    redrawAll();
    return true;
}

void DetectorScreen::hide() {
    pacer_.stop();
    if (hits_) {
        hits_.reset();
        settings_.reset();
        surface_.reset();
        toldStage_.reset();
        emit changed();
    }
}

bool DetectorScreen::clear(const FormFields& fields) {
    const bool paused = isPaused();
    if (!show(fields)) {
        return false;
    }
    pacer_.setHeld(paused);
    tellStage();
    return true;
}

void DetectorScreen::land(long long count) {
    landAndDraw(count);
}

long long DetectorScreen::landAndDraw(long long count) {
    if (!hits_) {
        return 0;
    }
    for (long long i = 0; i < count; ++i) {
        HitsDrawing::drawHit(*surface_, hits_->land());
    }
    HitsDrawing::drawHistogram(*surface_, *hits_, chanceShown_);
    emit changed();
    tellStage();
    return this->count();
}

void DetectorScreen::setPaused(bool paused) {
    if (isShown()) {
        pacer_.setHeld(paused);
        emit changed();
    }
}

void DetectorScreen::stopLanding() {
    pacer_.stop();
    emit changed();
}

void DetectorScreen::setChanceShown(bool shown) {
    chanceShown_ = shown;
    if (hits_) {
        HitsDrawing::drawHistogram(*surface_, *hits_, chanceShown_);
        emit changed();
    }
}

void DetectorScreen::setZoom(double zoom, qreal devicePixelRatio) {
    if (zoom_ == zoom && ratio_ == devicePixelRatio) {
        return;
    }
    zoom_ = zoom;
    ratio_ = devicePixelRatio;
    if (hits_) {
        remakeSurface();
        redrawAll();
    }
}

void DetectorScreen::setProjectorColours(bool on) {
    if (on == projector_) {
        return;
    }
    projector_ = on;
    if (hits_) {
        remakeSurface();
        redrawAll();
    }
}

void DetectorScreen::remakeSurface() {
    surface_ = std::make_unique<ImageSurface>(zoom_, ratio_);
    surface_->setProjectorColours(projector_);
}

void DetectorScreen::redrawAll() {
    HitsDrawing::drawAll(*surface_, *hits_, chanceShown_);
    emit changed();
    tellStage();
}

void DetectorScreen::tellStage() {
    const Stage stage = stageFor(count());
    // No hits is not told while the first is due within a second: that one is told instead, so
    // that showing the screen is said once.
    if (stage == Stage::NoHits && isLanding() && !isPaused()) {
        return;
    }
    if (toldStage_ != stage) {
        toldStage_ = stage;
        emit stageChanged(stage);
    }
}

QRect DetectorScreen::area() const {
    const double zoom = zoom_;
    return QRectF(HitsDrawing::left * zoom, HitsDrawing::top * zoom,
                  (HitsDrawing::right - HitsDrawing::left + 1) * zoom,
                  (HitsDrawing::bottom - HitsDrawing::top + 1) * zoom)
        .toAlignedRect();
}

void DetectorScreen::paint(QPainter& painter, QPoint origin, const QRegion&) const {
    if (!hits_) {
        return;
    }
    const QRect logical = area();
    const qreal ratio = ratio_;
    const QRectF source(logical.x() * ratio, logical.y() * ratio, logical.width() * ratio,
                        logical.height() * ratio);
    painter.drawImage(QRectF(logical.translated(origin)), surface_->image(), source);
    PainterSurface over(painter, origin, zoom_, projector_);
    HitsDrawing::drawLatest(over, *hits_);
}
