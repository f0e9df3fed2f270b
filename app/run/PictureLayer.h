// One thing drawn over the drawing area, in order with the others: the kept picture, the expected
// line, the detector screen, the followed photon. The window paints the session's list of them,
// and the picture taken away is composed from the same list.
#pragma once

#include <QPoint>
#include <QRegion>

class QPainter;

class PictureLayer {
public:
    virtual ~PictureLayer() = default;

    // Paints itself, at least where `exposed` says, over a picture whose top-left stands at
    // `origin`, at the zoom the picture is shown at.
    virtual void paint(QPainter& painter, QPoint origin, const QRegion& exposed) const = 0;
    // Whether a saved, copied or rendered picture shows it too.
    virtual bool isSaved() const { return true; }
};
