// The photon N drew, marked over the picture while the run stays paused: its path to the slit,
// its arrows at the slit and at the detector point, the point, and the point's sum so far. Drawn
// in the window's paint, never into the kept picture.
#pragma once

#include "PhotonRun.h"

#include <QPointF>

class QPainter;

class StepOverlay {
public:
    // Thick lines in a colour nothing else in the picture has.
    static constexpr unsigned colour = 0x9C009C;
    static constexpr double width = 3; // design pixels

    // Over the picture whose top-left stands at `origin`, at the zoom.
    static void paint(QPainter& painter, const PhotonRun::PhotonTrace& photon, QPointF origin,
                      double zoom);
};
