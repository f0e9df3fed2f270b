// The drawing area: one widget under the window's controls that paints the session's layers in
// order, the kept picture first, at the window's zoom and the screen's pixel density, and over
// them the line that names a changed experiment, as saved pictures carry it.
#pragma once

#include <QWidget>

class RunSession;

class PictureCanvas : public QWidget {
    Q_OBJECT
public:
    PictureCanvas(RunSession& session, QWidget* parent);

    // Covers the design's drawing area at `zoom`, its top-left at `origin` in the window, and
    // asks the picture for that size.
    void place(double zoom, QPoint origin);
    double zoom() const { return zoom_; }
    // The settings changed: the line that names a changed experiment and the arrow probe, which
    // follow them, are drawn and described anew.
    void followSettings();

protected:
    void paintEvent(QPaintEvent* event) override;
    // A press or a drag right of the slits puts the arrow probe at its height; while the ruler is
    // shown, a drag lays it from where the press was.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    // The picture and the screen follow the zoom and the pixel density of the screen the
    // canvas is on now, which a move to another screen may have changed.
    void wantCurrentSize();
    void pointAt(QPointF position, bool pressed);
    // The line that names the experiment shown brought in line with the picture.
    void showSettingsLine();
    // The settings line and the tools' texts are the picture's description, read when asked and
    // not announced.
    void describe();
    // Whether a line of the run stands where the settings line would: the followed photon's
    // always, the progress while the line wraps onto a second beside the detector screen.
    bool lineCovered() const;

    RunSession& session_;
    double zoom_ = 1.0;
    QPointF pressed_;          // in design pixels
    QString line_;             // the settings line, made only when what is shown may change
    bool lineCovered_ = false; // not drawn, though still described
    bool screenShown_ = false; // at the last showSettingsLine()
};
