// The tools to measure with, over the picture: the ruler with its length, and the fringe marks
// beside the pattern with their line of numbers. Both follow the settings as they stand.
#pragma once

#include "ChanceCache.h"
#include "PictureLayer.h"
#include "Ruler.h"

#include <QCoreApplication>
#include <QStringList>

#include <optional>

class PictureView;

class MeasureLayer : public PictureLayer {
    Q_DECLARE_TR_FUNCTIONS(MeasureLayer)

public:
    // All must outlive the layer; the ruler and the switch are the session's.
    MeasureLayer(const ChanceCache& chance, const PictureView& view,
                 const std::optional<Ruler>& ruler, const bool& fringesShown)
        : chance_(chance), view_(view), ruler_(ruler), fringesShown_(fringesShown) {}

    void paint(QPainter& painter, QPoint origin, const QRegion& exposed) const override;

    // The ruler's label: its length in design pixels.
    static QString rulerText(const Ruler& ruler);
    // The fringe marks' line: the textbook spacing and the true first fringes, or why there are
    // no fringes to mark; empty while the marks are not shown or a setting cannot be used.
    QString fringesText() const;

private:
    void paintRuler(QPainter& painter, QPoint origin, double zoom) const;
    void paintFringes(QPainter& painter, QPoint origin, double zoom) const;

    const ChanceCache& chance_;
    const PictureView& view_;
    const std::optional<Ruler>& ruler_;
    const bool& fringesShown_;
};
