// Lines of text over the picture, as the probe, the ruler and the fringe lines write them: in the
// window's font at the picture's zoom, in a grey box framed in black, so that they read over
// whatever a run drew beneath.
#pragma once

#include <QFont>
#include <QPoint>
#include <QSize>
#include <QStringList>

class QPainter;

class PictureLabel {
public:
    static QFont font(double zoom);
    // Between the box's frame and its lines, in logical pixels.
    static int padding(double zoom);
    // The box's size in the picture's logical pixels.
    static QSize size(const QStringList& lines, double zoom);
    static void draw(QPainter& painter, QPoint topLeft, const QStringList& lines, double zoom);
};
