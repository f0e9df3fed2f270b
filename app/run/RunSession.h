// Everything about the runs of one window, without a widget: the random generator, the run in
// progress and its pacer, the clicks held while it lasts, the kept picture with its redraws, the
// detector screen, the expected pattern's switch and the last finished run. The teacher's commands
// act on them through it alone, and the window shows what it says.
#pragma once

#include "CurtainLayer.h"
#include "DetectorScreen.h"
#include "ExpectedLayer.h"
#include "FormFields.h"
#include "HeldClicks.h"
#include "MeasureLayer.h"
#include "PhotonRun.h"
#include "PictureView.h"
#include "ProbeLayer.h"
#include "RandomGenerator.h"
#include "RunPacer.h"
#include "SnapshotLayer.h"
#include "StepOverlay.h"

#include <QElapsedTimer>
#include <QObject>
#include <QRegion>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class RunSession : public QObject {
    Q_OBJECT
public:
    // The runs read and write the settings in `fields`, which must outlive the session. Without
    // a seed the random generator is seeded from the clock.
    RunSession(FormFields& fields, std::optional<std::uint64_t> seed, qreal devicePixelRatio,
               QObject* parent = nullptr);
    ~RunSession() override;

    // Checks the settings and starts a run, or says why not through settingRefused().
    void start();
    // P: holds the run and the detector screen's hits, or lets them go on. While the screen is
    // shown its hits decide, and a run in progress follows them. A paused run is still a run:
    // clicks are held.
    void togglePause();
    // N while paused: the next photon, and after a dot's last photon its bar and sum arrow.
    void nextPhoton();
    // Does the rest of the run at once, without the timer, and any redraw first.
    void finish();
    // S: ends the run at once, leaving the picture as far as it was drawn, and lands no more
    // hits. The held Starts are dropped, since the user asked to stop; the other held clicks are
    // applied.
    void stop();
    // Ends everything at once, for a closing window: the run is dropped and nothing held runs.
    void close();

    // Runs a click's handler now, or holds it until the run has ended when one is in progress.
    // Starts are held by HeldClicks' rule.
    void act(std::function<void()> handler, bool isStart = false);

    bool isRunning() const { return run_ != nullptr; }
    // The run is held by P, and N steps it.
    bool isPaused() const;
    // P holds the run or the screen's hits: the paused caption shows, and P resumes.
    bool isAnythingPaused() const { return isPaused() || screen_.isPaused(); }
    // A run is in progress or hits land, paused or not: S has something to stop.
    bool isAnythingGoing() const { return isRunning() || screen_.isLanding(); }

    // E: the expected pattern over the picture, on or off; the choice lasts across runs.
    void setExpectedShown(bool shown);
    bool isExpectedShown() const { return expectedShown_; }
    // Ctrl+P: the picture and the screen in projector colours, or in their own.
    void setProjectorColours(bool on);
    bool projectorColours() const { return picture_.projectorColours(); }

    // The pace, as an index into RunPacer::levels: 0 is the fastest and the default. It lasts
    // across runs and may change during one; a run draws the same whatever its pace. The hits
    // slow down alike.
    void setPaceLevel(int level);
    int paceLevel() const { return paceLevel_; }
    // One tick of the run per frame of a screen with this refresh rate, in hertz.
    void setFrameRate(double hertz) { pacer_.setFrameRate(hertz); }
    // Where the run and the hits read the time, in nanoseconds from any fixed moment; the wall
    // clock unless a test gives its own, and then moves it on with tick().
    void setClock(const std::function<qint64()>& clock);
    // The time by that clock, in nanoseconds.
    qint64 now() const { return clock_ ? clock_() : wall_.nsecsElapsed(); }
    // One frame of the run and of the hits, as their timers would give it.
    void tick();
    // How far the run in progress has come; nullopt between runs.
    std::optional<PhotonRun::Progress> progress() const;
    // The photon N drew last, while the run stays paused after it; nullopt otherwise.
    const std::optional<PhotonRun::PhotonTrace>& followedPhoton() const { return followed_; }

    // The kept picture and the detector screen, shown at `zoom` on a screen of this pixel
    // density; the picture follows after a short pause, or at once by finishRedraw().
    void showAt(double zoom, qreal devicePixelRatio);
    void finishRedraw() { picture_.finishRedraw(); }
    // What the picture and the screen show; it changes through the functions above.
    const PictureView& picture() const { return picture_; }
    const DetectorScreen& screen() const { return screen_; }
    // What is drawn over the drawing area, bottom first: the kept picture, the expected line,
    // the detector screen, the followed photon, the kept patterns, the curtain, the arrow probe,
    // the ruler and the fringe marks. A new view is a layer and a line here.
    std::array<const PictureLayer*, 8> layers() const {
        return {&picture_,   &expectedLayer_, &screen_,     &followedLayer_,
                &snapshots_, &curtain_,       &probeLayer_, &measures_};
    }
    const ImageSurface& surface() const { return picture_.surface(); }
    std::uint64_t seed() const { return random_.seed(); }
    // The random numbers begun again from `seed`, so that the next run repeats one made with it.
    void setSeed(std::uint64_t seed) { random_ = RandomGenerator(seed); }
    const PictureView::FinishedRun& lastFinished() const { return picture_.lastFinished(); }

    // D: the detector screen of single photons, beside the runs; hidden at first. Shows the
    // screen with no hits for the settings as they stand, or hides it. A setting that cannot be
    // used is said through settingRefused(), and the screen stays hidden.
    bool setScreenShown(bool shown, bool paced = true);
    // Shift+D: the hits dropped, and landing begun again with the settings as they stand.
    void clearScreen();
    // Lands `count` hits on the screen at once.
    void landHits(long long count) { screen_.land(count); }

    // The arrow probe at a height of the detector, in design pixels, kept within the heights the
    // detector points take; nullopt removes it. It follows the settings as they stand.
    void setProbe(std::optional<double> y);
    const std::optional<double>& probeHeight() const { return probeHeight_; }
    // The probe for the settings as they stand; nullptr while none is set or a setting cannot be
    // used.
    const ArrowProbe* probe() const { return probeLayer_.probe(); }

    // The ruler, in design pixels, or none; laid from one point to another, its ends snap to the
    // nearest bright fringe near the detector line or in the pattern's column.
    void setRuler(std::optional<Ruler> ruler);
    void layRuler(double x1, double y1, double x2, double y2);
    // The ruler along the detector from the middle bright fringe to the next, or none.
    void setRulerShown(bool shown);
    const std::optional<Ruler>& ruler() const { return ruler_; }
    // The fringe marks beside the pattern, with their line of numbers.
    void setFringeMarksShown(bool shown);
    bool fringeMarksShown() const { return fringeMarksShown_; }
    const MeasureLayer& measures() const { return measures_; }

    // Keeps the pattern as it stands, the screen's histogram while the screen has hits or else
    // the last finished run's expected pattern, to compare with those to come; false when there
    // is neither.
    bool keepSnapshot();
    void keepSnapshot(SnapshotLayer::Snapshot snapshot);
    void clearSnapshots();
    const SnapshotLayer& snapshots() const { return snapshots_; }
    // Predict first: the pattern's column and the screen behind a curtain, or revealed.
    void setCurtain(bool drawn);
    bool isCurtainDrawn() const { return curtain_drawn_; }

    // The settings of what the picture shows: the run drawn on it, or else the screen's hits;
    // nullptr while it shows neither. The screen and a drawn run always share one experiment.
    const FormFields* shownSettings() const;
    // Whether a setting changed since what is shown was begun, so that the picture shows another
    // experiment than the next Start would.
    bool showsAnotherExperiment() const;

signals:
    // "Run in progress", "Run paused", "Run finished" or why a run failed.
    void stateChanged(const QString& state);
    // Part of the picture was drawn: `region`, in pixels of the picture as shown; `whole` when
    // all of it must be shown again.
    void pictureChanged(bool whole, const QRegion& region);
    // A run has ended, whole or by a setting it could not use.
    void finished();
    // A setting's text cannot be used; the message names the field and the text.
    void settingRefused(const QString& message);
    // The probe, the ruler or the fringe marks were set, moved or removed.
    void toolsChanged();

private:
    void ended(const QString& state);
    void emitPictureChanged(bool whole);
    // A tool over the picture changed: said, and the picture shown again with it.
    void showTools();
    void applyPace();
    // Forgets the followed photon, and has the picture shown again without it.
    void unfollow();
    bool screenSettingsUsable();
    // A screen begun with another experiment than the picture's has the picture show the
    // apparatus of its own, so that the two never mix.
    void matchPictureToScreen();

    FormFields& fields_;
    bool expectedShown_ = false;
    PictureView picture_;
    RandomGenerator random_;
    std::unique_ptr<PhotonRun> run_;
    RunPacer pacer_;
    HeldClicks held_;
    std::function<qint64()> clock_;
    QElapsedTimer wall_; // the clock unless a test gives its own
    int paceLevel_ = 0;
    double repetitionsPerPhoton_ = 1.0; // of the run in progress, for the paces in photons
    std::optional<PhotonRun::PhotonTrace> followed_;
    DetectorScreen screen_;
    ExpectedLayer expectedLayer_{picture_, expectedShown_};
    StepOverlay followedLayer_{followed_, picture_};
    ChanceCache chance_{fields_};
    std::optional<double> probeHeight_;
    ProbeLayer probeLayer_{chance_, picture_, probeHeight_};
    std::optional<Ruler> ruler_;
    bool fringeMarksShown_ = false;
    MeasureLayer measures_{chance_, picture_, ruler_, fringeMarksShown_};
    SnapshotLayer snapshots_{picture_};
    bool curtain_drawn_ = false;
    CurtainLayer curtain_{picture_, screen_, curtain_drawn_};
};
