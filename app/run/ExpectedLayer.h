// The expected pattern as a layer over the picture, while it is asked for: a red line through the
// expected bar length at each height of the run drawn.
#pragma once

#include "PictureLayer.h"

class PictureView;

class ExpectedLayer : public PictureLayer {
public:
    // Both must outlive the layer; `shown` is the session's switch.
    ExpectedLayer(const PictureView& view, const bool& shown) : view_(view), shown_(shown) {}

    void paint(QPainter& painter, QPoint origin, const QRegion& exposed) const override;

private:
    const PictureView& view_;
    const bool& shown_;
};
