// The photon N drew, marked over the picture while the run stays paused: its path to the slit,
// its arrows at the slit and at the detector point, the point, and the point's sum so far. Drawn
// in the window's paint, never into the kept picture.
#pragma once

#include "PhotonRun.h"
#include "PictureLayer.h"

#include <optional>

class PictureView;

class StepOverlay : public PictureLayer {
public:
    // Thick lines in a colour nothing else in the picture has.
    static constexpr unsigned colour = 0x9C009C;
    static constexpr double width = 3; // design pixels

    // The session's followed photon over the view's picture; both must outlive the layer.
    StepOverlay(const std::optional<PhotonRun::PhotonTrace>& photon, const PictureView& view)
        : photon_(photon), view_(view) {}

    void paint(QPainter& painter, QPoint origin, const QRegion& exposed) const override;
    // A mark for the class in the window, not part of the picture.
    bool isSaved() const override { return false; }

private:
    const std::optional<PhotonRun::PhotonTrace>& photon_;
    const PictureView& view_;
};
