// The line is the picture view's, worked out once per run; this only says when it is drawn.
#include "ExpectedLayer.h"

#include "PictureView.h"

void ExpectedLayer::paint(QPainter& painter, QPoint origin, const QRegion&) const {
    if (shown_) {
        view_.paintExpected(painter, origin, view_.wantedZoom());
    }
}
