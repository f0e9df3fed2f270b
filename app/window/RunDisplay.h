// How far a run has come, at what pace, and what the photon N drew last did: three lines of text
// below the apparatus, outside the kept picture. A screen reader reads them when asked; the run's
// state alone is announced.
#pragma once

#include <QElapsedTimer>
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
    QString progressText() const;
    QString paceText() const;
    // "Photon 12 of 50 at point 37: upper slit, arrives turned by 2.41 rad"; empty when no
    // photon is followed.
    QString stepText() const;

private:
    const RunSession& session_;
    QLabel* progress_;
    QLabel* pace_;
    QLabel* step_;
    QElapsedTimer sinceProgress_; // since the progress line last changed
    bool wasGoing_ = false;       // a run was going on at the last refresh
};
