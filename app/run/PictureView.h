// The kept picture at the window's zoom: the surface runs draw on, the record of the run on it,
// the redraw of that run when the zoom or the screen's pixel ratio changes, and the copy to the
// screen. What stays on screen is always drawn at its own size, never stretched.
#pragma once

#include "ExpectedPattern.h"
#include "FieldSnapshot.h"
#include "ImageSurface.h"
#include "PhotonRun.h"
#include "PictureLayer.h"
#include "PictureReplay.h"
#include "RandomGenerator.h"

#include <QObject>
#include <QPolygonF>
#include <QTimer>

#include <memory>
#include <optional>

class QPainter;

class PictureView : public QObject, public PictureLayer {
    Q_OBJECT
public:
    explicit PictureView(double zoom, qreal devicePixelRatio, QObject* parent = nullptr);
    ~PictureView() override;

    ImageSurface& surface() { return *surface_; }
    const ImageSurface& surface() const { return *surface_; }

    // A run is about to start from this generator state and these setting texts. Any redraw is
    // dropped and the surface made at the wanted size, since the run paints it over.
    void runStarting(const RandomGenerator& random, const FormFields& fields);
    // The apparatus of these settings alone, in place of the picture, as a run that stopped
    // before its first photon: for a detector screen begun with another experiment than drawn.
    void showApparatus(const RandomGenerator& random, const FormFields& fields);
    // The run on the surface, while it is in progress; nullptr when it has ended. A redraw
    // replays as many steps as it has done.
    void setLiveRun(const PhotonRun* run);

    // The zoom and pixel ratio the window wants. The picture follows after a short pause, since
    // a window being dragged to a new size sends many of them.
    void want(double zoom, qreal devicePixelRatio);
    double wantedZoom() const { return wantedZoom_; }
    // Projector colours, or the picture's own; the picture is drawn again in them as for a new
    // size, and the expected line follows.
    void setProjectorColours(bool on);
    bool projectorColours() const { return wantedProjector_; }
    bool isRedrawing() const;
    // Makes the picture at the wanted size now, in one go.
    void finishRedraw();

    // Draws the expected pattern over the picture, whose top-left stands at `origin`, at the
    // zoom: a red line through the expected bar length at each height.
    void paintExpected(QPainter& painter, QPointF origin, double zoom) const;

    // The last run that finished: its detector points, the expected pattern of its settings and
    // the settings it started from. No points before a run has finished.
    struct FinishedRun {
        std::vector<PhotonRun::DotResult> dots;
        std::optional<ExpectedPattern> expected;
        std::optional<FieldSnapshot> settings;
    };
    const FinishedRun& lastFinished() const { return lastFinished_; }
    // The settings the run on the surface started from; nullptr before the first run.
    const FieldSnapshot* drawnSettings() const { return record_ ? &record_->fields : nullptr; }

    // Copies the exposed part of the picture, whose top-left stands at `origin` in the widget.
    // While a redraw is being made the old picture is shown stretched to the new size.
    void paint(QPainter& painter, QPoint origin, const QRegion& exposed) const override;
    // What was drawn since the last call, in pixels of the picture as shown.
    QRegion takeDirtyRegion();

signals:
    // A redraw is about to replay the live run: it must not go on until redrawn().
    void redrawStarting();
    // The picture is at the wanted size again; all of it must be repainted.
    void redrawn();

private:
    bool isAtWantedSize() const;
    // The wanted zoom, ratio or colours changed: the picture follows.
    void wantChanged();
    void makeBlank();
    void beginRedraw();
    void redrawPiece();
    void replaceSurface(ImageSurface& drawn);

    std::unique_ptr<ImageSurface> surface_;
    double wantedZoom_;
    qreal wantedRatio_;
    bool wantedProjector_ = false;
    // What the run on the surface started from, and how far it got.
    struct Record {
        RandomGenerator random;
        FieldSnapshot fields;
    };
    std::optional<Record> record_;
    std::optional<ExpectedPattern> expected_;
    QPolygonF expectedCurve_; // in design pixels; empty when there is no expected pattern
    FinishedRun lastFinished_;
    const PhotonRun* liveRun_ = nullptr;
    long long finalSteps_ = 0;
    std::unique_ptr<PictureReplay> replay_;
    QTimer settle_; // waits for resizing to pause
    QTimer pieces_; // draws the replay between events
};
