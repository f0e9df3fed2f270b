// The desktop's style with its option-button circles and their spacing grown by the window's
// zoom, so that on a projector the circles keep their size beside their zoomed texts, and with a
// focus frame on the scroll bar, which the desktop's style leaves without one.
#pragma once

#include <QProxyStyle>

class ZoomStyle : public QProxyStyle {
    Q_OBJECT
public:
    ZoomStyle();

    void setZoom(double zoom) { zoom_ = zoom; }
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;

    // The focus frame's width in pixels at a zoom: 2 at the design size.
    static int focusFrameWidth(double zoom);

private:
    double zoom_ = 1.0;
};
