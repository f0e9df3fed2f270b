// Lands the detector screen's photons from a timer: the first few slowly enough to follow one by
// one, then faster as the hits grow, up to thousands a second, whatever the screen's frame rate.
// The one place the screen's pace is set.
#pragma once

#include "PaceClock.h"

#include <QObject>

#include <functional>

class HitPacer : public QObject {
    Q_OBJECT
public:
    // The first hits come at this many a second...
    static constexpr double slowestPerSecond = 3;
    // ...until the pace grows with the hits so far: a share of them a second, so that the count
    // grows tenfold in about 25 s and a class has time to talk at each stage...
    static constexpr double growthPerSecond = 0.09;
    // ...up to this many a second.
    static constexpr double fastestPerSecond = 5000;
    // The screen is full: no more land after this many.
    static constexpr long long mostHits = 100000;

    explicit HitPacer(QObject* parent = nullptr);

    // Hits a second once `landed` have landed.
    static double hitsPerSecond(long long landed);

    // Lands hits through `land` (given how many to land, it returns how many have landed in
    // all) until stopped, held, or the screen is full.
    void start(std::function<long long(long long)> land, long long landed);
    void stop();
    bool isActive() const { return land_ != nullptr; }
    // P: holds the landing, or lets it go on; time held is not made up for.
    void setHeld(bool held);
    bool isHeld() const { return held_; }
    // The most hits a second whatever the hits so far: the teacher's pace. At most
    // fastestPerSecond.
    void setMostPerSecond(double perSecond) { mostPerSecond_ = perSecond; }
    double mostPerSecond() const { return mostPerSecond_; }
    // Where the time is read, in nanoseconds; the wall clock unless a test gives its own.
    void setClock(std::function<qint64()> clock) { clock_.setClock(std::move(clock)); }
    // One frame's landings: those earned since the last tick. The timer calls it.
    void tick();

private:
    PaceClock clock_; // its credit: hits due but not yet landed
    std::function<long long(long long)> land_;
    long long total_ = 0;
    bool held_ = false;
    double mostPerSecond_ = fastestPerSecond;
};
