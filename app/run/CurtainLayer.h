// Predict first: a plain curtain over the pattern's column and the detector screen while photons
// keep arriving, so that a class says what it expects before it sees. Shown in the window only.
#pragma once

#include "PictureLayer.h"

#include <QCoreApplication>

class DetectorScreen;
class PictureView;

class CurtainLayer : public PictureLayer {
    Q_DECLARE_TR_FUNCTIONS(CurtainLayer)

public:
    // All three must outlive the layer; `drawn` is the session's switch.
    CurtainLayer(const PictureView& view, const DetectorScreen& screen, const bool& drawn)
        : view_(view), screen_(screen), drawn_(drawn) {}

    void paint(QPainter& painter, QPoint origin, const QRegion& exposed) const override;
    bool isSaved() const override { return false; }
    // What the curtain asks the class, written on it.
    static QString question() { return tr("Predict first: what will the pattern look like?"); }

private:
    const PictureView& view_;
    const DetectorScreen& screen_;
    const bool& drawn_;
};
