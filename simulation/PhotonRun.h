// One run of the experiment, from painting the drawing area to the finished pattern, as a
// stepper: advance() does a bounded piece of work and returns, so that a window can show the run
// as it grows and stay responsive. How the work is cut into steps never changes the outcome.
#pragma once

#include "ArrowSum.h"
#include "Colour.h"
#include "Scene.h"
#include "SettingReader.h"

#include <array>
#include <complex>
#include <optional>
#include <vector>

class DrawingSurface;
class FormFields;
class RandomSource;

class PhotonRun {
public:
    static constexpr int passes = 2;
    static constexpr int dotsPerPass = 260;

    // What one detector point came to: the pattern as data.
    struct DotResult {
        int pass = 0;
        int dot = 0;
        double y = 0.0; // pixels
        double photonsPerDot = 0.0;
        double sumX = 0.0; // the arrow sum, in sum units
        double sumY = 0.0;
        double barLength = 0.0; // pixels
        int lastSlit = -1;      // from 0 at the top; -1 before the run's first photon
        int slitCount = 2;
        bool sumArrowDrawn = false;
        // The sums of the photons through each slit apart, in sum units (x, y): with the
        // which-slit detector on the bar is made of these.
        std::array<std::complex<double>, mostSlits> slitSums{};
    };

    // The photon finished last, as a teacher following it needs it: where it went and what it
    // added. Positions in pixels of the drawing surface.
    struct PhotonTrace {
        int point = 0;        // the detector point, 1 to passes x dotsPerPass, in run order
        long long photon = 0; // within its point, from 1
        double photonsPerDot = 0.0;
        int slit = 0; // the slit it went through, from 0 at the top
        int slitCount = 2;
        double slitY = 0.0;
        double dotY = 0.0;
        double detectorX = 0.0;
        double startCos = 1.0; // of the start phase, the arrow at the slit
        double startSin = 0.0;
        double arrivalCos = 1.0; // of the arrival phase, the arrow at the detector point
        double arrivalSin = 0.0;
        double turn = 0.0;    // arrival less start phase, radians in [0, 2 pi)
        double sumEndX = 0.0; // the tip of the point's sum so far, drawn from sumAxisX at dotY
        double sumEndY = 0.0;
    };
    // How far the run has come: the detector point under way and the photon within it.
    struct Progress {
        int point = 0; // from 1; passes x dotsPerPass once over
        long long photon = 0;
        double photonsPerDot = 0.0;
    };

    PhotonRun(DrawingSurface& surface, RandomSource& random, FormFields& fields);

    // The first stage: apparatus, scales, zero-scatter switch. Throws SettingError, having drawn
    // nothing, when any setting text cannot be used.
    void start();
    // Does up to `steps` photon repetitions (a photon whose slowdown is below 1 counts as one
    // step, so that even a run with nothing to animate moves on in bounded pieces), with the
    // bookkeeping of the dots around them. After the last dot it does the closing steps. Returns
    // true when the run is over. Throws SettingError if a setting read during the run cannot be
    // used; the run is then over.
    bool advance(long long steps);
    // Does the rest of the photon under way, or else the next one: its repetitions and its place
    // in the dot's sum, and after a dot's last photon the dot's bar and sum arrow. Returns true
    // when the run is over. Throws as advance() does.
    bool advancePhoton();
    bool isOver() const { return stage_ == Stage::Over; }
    // The photon finished last; nullopt before the first.
    const std::optional<PhotonTrace>& lastPhoton() const { return lastPhoton_; }
    Progress progress() const;
    // Over with its closing steps done, rather than ended by a setting it could not use.
    bool isComplete() const { return complete_; }
    // The detector points finished so far, in the order the run made them.
    const std::vector<DotResult>& dots() const { return dots_; }
    // The steps done so far. A run started alike and advanced by as many steps, in any pieces,
    // stands exactly where this one does.
    long long stepsDone() const { return stepsDone_; }

    const Scene& scene() const { return scene_; }
    // The steps a whole run takes at these settings: its photon repetitions, or one a photon
    // where the slowdown is below 1.
    static long long repetitionsFor(double photonsPerDot, double slowdown);

private:
    enum class Stage { NotStarted, NextDot, NextPhoton, NextRepetition, Over };

    void beginDot();
    void beginPhoton();
    void animateRepetition();
    void finishPhoton();
    void finishDot();
    void drawSumArrow(const ArrowSum& sum, std::optional<Colour> colour);
    void close();

    DrawingSurface& surface_;
    RandomSource& random_;
    SettingReader settings_;
    Scene scene_;
    Stage stage_ = Stage::NotStarted;

    // Loop counters and the bounds read when each loop began.
    int pass_ = 1;
    int dot_ = 1;
    long long photon_ = 1;
    double photonBound_ = 0.0;
    long long repetition_ = 1;
    double repetitionBound_ = 0.0;
    bool idleStepDue_ = false; // a photon with no repetitions still spends one step
    long long stepsDone_ = 0;
    long long photonsFinished_ = 0;
    bool complete_ = false;
    std::vector<DotResult> dots_;

    // The values of the run, 0 before they are first set.
    double dotOffset_ = 0.0; // height of the detector point above bottomY
    float dotY_ = 0.0f;
    // Phases are kept with their cosine and sine, which every arrow needs. The photon before the
    // first one had phase 0, so the first photon erases an arrow pointing straight left.
    double phase_ = 0.0; // start phase of the current photon, radians
    double phaseCos_ = 1.0;
    double phaseSin_ = 0.0;
    int slit_ = -1;           // the last photon's slit, from 0 at the top; -1 before the first
    int slitCount_ = 2;       // of the last photon's apparatus
    double arrivalCos_ = 1.0; // of the arrival phase at the detector point
    double arrivalSin_ = 0.0;
    double slitY_ = 0.0;
    double turn_ = 0.0; // radians the arrow turned along the path, in [0, 2 pi)
    std::optional<PhotonTrace> lastPhoton_;
    ArrowSum sum_;
    std::array<ArrowSum, mostSlits> slitSums_;
};
