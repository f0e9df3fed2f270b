// Drives a run from a timer at a pace the eye can follow: a steady number of photon repetitions
// per second of wall time, whatever the screen's frame rate, or as many as the machine can draw
// if that is fewer. Between runs no timer fires.
#pragma once

#include "PaceClock.h"

#include <QObject>

#include <functional>
#include <iterator>

class PhotonRun;

class RunPacer : public QObject {
    Q_OBJECT
public:
    // The pace of a run in the window: the default run (26,000 repetitions) then takes 6.5 s.
    static constexpr double repetitionsPerSecond = 4000;

    // The paces a teacher may choose, fastest first; the first is the constant above.
    struct Level {
        double perSecond;
        bool photons; // whole photons a second, each of its repetitions, rather than repetitions
    };
    static constexpr Level levels[] = {{repetitionsPerSecond, false},
                                       {1000, false},
                                       {250, false},
                                       {50, false},
                                       {10, true},
                                       {3, true},
                                       {1, true}};
    static constexpr int levelCount = static_cast<int>(std::size(levels));

    explicit RunPacer(QObject* parent = nullptr);

    // Why a run may wait without ending: each reason holds it until released.
    enum class Hold { Redraw = 1, User = 2 };

    // Starts stepping the run, which must have been started and outlive the stepping.
    void start(PhotonRun& run);
    void stop();
    // Stops and resumes the stepping of the run in progress; it goes on when no reason holds it.
    // Time spent held is not made up for.
    void hold(Hold reason);
    void release(Hold reason);
    bool isHeld(Hold reason) const { return (held_ & static_cast<int>(reason)) != 0; }
    // One tick per frame of a screen with this refresh rate, in hertz.
    void setFrameRate(double hertz) { clock_.setFrameRate(hertz); }
    // Repetitions a second: the constant above, or a slower level's.
    void setPace(double repetitionsPerSecond) { pace_ = repetitionsPerSecond; }
    // Where the time is read, in nanoseconds from any fixed moment; the wall clock unless a test
    // gives one of its own. Set before start().
    void setClock(std::function<qint64()> clock) { clock_.setClock(std::move(clock)); }
    // One frame's work: the repetitions earned since the last tick; nothing while held. The timer
    // calls it.
    void tick();

signals:
    // After each tick's work, for the window to repaint what changed.
    void stepped();
    void finished();
    // A setting read during the run could not be used; the run is over.
    void failed(const QString& message);

private:
    PaceClock clock_; // its credit: repetitions due but not yet done
    PhotonRun* run_ = nullptr;
    double pace_ = repetitionsPerSecond;
    int held_ = 0; // the reasons holding the run, as bits
};
