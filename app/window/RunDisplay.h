// How far a run has come, at what pace, what the photon N drew last did, and the detector
// screen's hits: lines of text below the apparatus, outside the kept picture. A screen reader
// reads each by its name, the progress as a progress bar, when asked; none is announced.
#pragma once

#include <QObject>

class QLabel;
class QWidget;
class RunSession;

class RunDisplay : public QObject {
    Q_OBJECT
public:
    RunDisplay(QWidget& window, const RunSession& session);

    // Places the lines at the window's zoom, over the picture whose top-left is `origin`.
    void place(double zoom, QPoint origin);
    // Brings the texts in line with the session; cheap when nothing changed.
    void refresh();

    // "Point 137 of 520", and while paused the photon within the point.
    static QString progressText(const RunSession& session);
    // "Pace: 250 repetitions a second", or the hits' most while they land.
    static QString paceText(const RunSession& session);
    // "Photon 12 of 50 at point 37: upper slit, arrives turned by 2.41 rad"; empty when no
    // photon is followed.
    static QString stepText(const RunSession& session);

private:
    const RunSession& session_;
    QLabel* progress_;
    QLabel* pace_;
    QLabel* step_;
    QLabel* hits_;
    qint64 progressShownNs_ = 0; // when the progress and the hits' name last changed
    bool wasGoing_ = false;      // a run or the hits went on at the last refresh
};
