// The timing both pacers share: a timer that ticks once a frame of the screen, the clock it reads,
// and the credit each tick earns for the time since the one before, so that a pace per second
// holds whatever the frame rate.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>

class PaceClock : public QObject {
    Q_OBJECT
public:
    // A tick never earns for more than this, in seconds, so that a stall (a window drag, a
    // suspended machine) is not made up for by a burst.
    static constexpr double longestTickSeconds = 0.1;

    explicit PaceClock(QObject* parent = nullptr);

    // One tick per frame of a screen with this refresh rate, in hertz; 60 when it is unknown.
    void setFrameRate(double hertz);
    // Where the time is read, in nanoseconds from any fixed moment; the wall clock unless a test
    // gives one of its own.
    void setClock(std::function<qint64()> clock) { clock_ = std::move(clock); }

    // Ticks from now on with nothing earned yet: the time before, stopped or held, is not made up
    // for.
    void start();
    void stop() { timer_.stop(); }
    bool isActive() const { return timer_.isActive(); }

    // At a tick: adds to the credit what `perSecond` earns in the time since the last tick, and
    // returns it. The credit counts whatever the pace counts.
    double earn(double perSecond);
    void setCredit(double credit) { credit_ = credit; }
    // Whether less than this share of a frame has passed since the tick began, by the clock.
    bool isWithin(double shareOfFrame) const;

signals:
    // A frame has passed: the pacer's tick is due.
    void ticked();

private:
    QTimer timer_;
    QElapsedTimer wall_;
    std::function<qint64()> clock_;
    double credit_ = 0.0; // earned but not yet spent
    qint64 lastTickNs_ = 0;
};
