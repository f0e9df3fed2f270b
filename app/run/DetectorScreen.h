// The detector screen of single photons: hits landing one at a time where a photon's chance puts
// them, kept until cleared, drawn into a picture of their own at the window's zoom, which stands
// in place of the pattern bars while shown. Its stage, from no hits to a clear pattern, is told
// as it changes.
#pragma once

#include "DetectorHits.h"
#include "FieldSnapshot.h"
#include "HitPacer.h"
#include "ImageSurface.h"
#include "PictureLayer.h"
#include "RandomGenerator.h"

#include <QObject>
#include <QRect>

#include <cmath>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class FormFields;
class QPainter;

class DetectorScreen : public QObject, public PictureLayer {
    Q_OBJECT
public:
    // How far the hits have come, each from a number of hits: none (0), a few with no pattern
    // yet (1 to 99), a pattern emerging (100 to 999), the pattern clear (1,000 and more).
    enum class Stage { NoHits, FewHits, Emerging, Clear };
    static Stage stageFor(long long hits);
    static QString stageText(Stage stage);
    // "Hits: 1,187", as the count under the screen reads.
    QString countText() const { return tr("Hits: %L1").arg(count()); }

    // Without a seed the hits' random numbers are seeded from the clock.
    explicit DetectorScreen(std::optional<std::uint64_t> seed, QObject* parent = nullptr);

    // Shows the screen with no hits, for the settings as they stand, and lands photons at the
    // growing pace when `paced`. False, and nothing shown, when a setting cannot be used.
    bool show(const FormFields& fields, bool paced = true);
    void hide();
    bool isShown() const { return hits_.has_value(); }
    // Drops the hits and begins again with the settings as they stand now.
    bool clear(const FormFields& fields);
    // Lands `count` photons at once.
    void land(long long count);
    // P: no more hits land until let go again; time held is not made up for.
    void setPaused(bool paused);
    // S: no more hits land until the screen is cleared or shown again; those landed stay.
    void stopLanding();
    bool isLanding() const { return pacer_.isActive(); }
    // The teacher's pace: the most hits a second.
    void setMostPerSecond(double perSecond) { pacer_.setMostPerSecond(perSecond); }
    // The teacher's pace in whole hits a second, as a class is told it.
    int mostPerSecond() const { return static_cast<int>(std::lround(pacer_.mostPerSecond())); }
    bool isPaused() const { return pacer_.isHeld(); }
    // The chance as a curve over the histogram, or not.
    void setChanceShown(bool shown);

    // The zoom and pixel ratio of the picture it stands in; the hits are drawn again at them.
    void setZoom(double zoom, qreal devicePixelRatio);
    // Projector colours, or the picture's own; the hits are drawn again in them.
    void setProjectorColours(bool on);
    // The part of the picture the screen covers, in logical pixels of a picture at the zoom.
    QRect area() const;
    // Copies the screen over the picture, whose top-left stands at `origin`, with the latest
    // hit's arrows over it.
    void paint(QPainter& painter, QPoint origin, const QRegion& exposed = {}) const override;

    const DetectorHits* hits() const { return hits_ ? &*hits_ : nullptr; }
    // The setting texts the hits land by; nullptr while hidden.
    const FormFields* settings() const { return settings_ ? &*settings_ : nullptr; }
    long long count() const { return hits_ ? static_cast<long long>(hits_->hits().size()) : 0; }
    // Where the landing reads the time, in nanoseconds; the wall clock unless a test gives its
    // own, and then moves it on with tick().
    void setClock(std::function<qint64()> clock) { pacer_.setClock(std::move(clock)); }
    void tick() { pacer_.tick(); }
    std::uint64_t seed() const { return random_.seed(); }

signals:
    // Hits landed or the screen was drawn again: its area must be shown again.
    void changed();
    // The stage is another than it was.
    void stageChanged(DetectorScreen::Stage stage);

private:
    long long landAndDraw(long long count);
    void redrawAll();
    void remakeSurface();
    void tellStage();

    RandomGenerator random_;
    std::optional<DetectorHits> hits_;
    std::optional<FieldSnapshot> settings_;
    // The screen's own picture at the zoom, made only while it is shown: a hidden screen costs
    // no memory.
    std::unique_ptr<ImageSurface> surface_;
    double zoom_ = 1.0;
    qreal ratio_ = 1.0;
    bool projector_ = false;
    HitPacer pacer_;
    bool chanceShown_ = false;
    std::optional<Stage> toldStage_;
};
