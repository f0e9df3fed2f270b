// The arrow probe over the picture: at one height of the detector, each open slit's path, the
// arrows they bring head to tail with their sum, and a readout of the numbers beside them. It
// follows the settings as they stand, so a changed experiment is probed at once.
#pragma once

#include "ArrowProbe.h"
#include "ChanceCache.h"
#include "PictureLayer.h"

#include <QCoreApplication>
#include <QStringList>

#include <optional>

class PictureView;

class ProbeLayer : public PictureLayer {
    Q_DECLARE_TR_FUNCTIONS(ProbeLayer)

public:
    // All three must outlive the layer; `height` is the session's, nullopt while nothing is
    // probed.
    ProbeLayer(const ChanceCache& chance, const PictureView& view,
               const std::optional<double>& height)
        : chance_(chance), view_(view), height_(height) {}

    void paint(QPainter& painter, QPoint origin, const QRegion& exposed) const override;

    // The probe at the height, for the settings as they stand; nullptr while nothing is probed
    // or a setting cannot be used.
    const ArrowProbe* probe() const;
    // The readout's lines, in the user's language.
    static QStringList readout(const ArrowProbe& probe);

private:
    const ChanceCache& chance_;
    const PictureView& view_;
    const std::optional<double>& height_;
    // The last probe made, and the chance it was made from.
    mutable int probed_ = 0; // the chance's generation
    mutable std::optional<ArrowProbe> probe_;
};
