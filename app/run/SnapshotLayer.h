// Patterns kept to compare: each a profile of the pattern over the detector's heights, scaled to
// its own highest point, drawn as an outline over the pattern column in a colour and line style
// of its own, with a legend naming its experiment. Up to four; a fifth replaces the oldest.
#pragma once

#include "PictureLayer.h"

#include <QCoreApplication>
#include <QString>

#include <deque>
#include <optional>
#include <vector>

class DetectorHits;
class FormFields;
class PictureView;

class SnapshotLayer : public PictureLayer {
    Q_DECLARE_TR_FUNCTIONS(SnapshotLayer)

public:
    static constexpr std::size_t most = 4;
    // Design pixels across the pattern column that a profile's highest point reaches.
    static constexpr double width = 240;

    struct Snapshot {
        // From the detector's highest height down, a value per pixel, 0 to 1.
        std::vector<double> profile;
        QString name; // the experiment's changes from the designed one
    };

    // The view, whose zoom and colours the outlines follow, must outlive the layer.
    explicit SnapshotLayer(const PictureView& view) : view_(view) {}

    // The finished run's expected pattern, or the screen's histogram; none without one.
    static std::optional<Snapshot> ofRun(const PictureView& view);
    // The expected pattern of these settings, as a run of them would have it.
    static std::optional<Snapshot> ofSettings(const FormFields& settings);
    static std::optional<Snapshot> ofHits(const DetectorHits& hits, const FormFields& settings);

    void keep(Snapshot snapshot);
    void clear() { kept_.clear(); }
    const std::deque<Snapshot>& kept() const { return kept_; }
    // The legend's lines, in the order kept.
    QStringList legend() const;

    void paint(QPainter& painter, QPoint origin, const QRegion& exposed) const override;

private:
    const PictureView& view_;
    std::deque<Snapshot> kept_;
};
