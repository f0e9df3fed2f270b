// The desktop's style with its option-button circles and their spacing grown by the window's
// zoom, so that on a projector the circles keep their size beside their zoomed texts.
#pragma once

#include <QProxyStyle>

class ZoomStyle : public QProxyStyle {
    Q_OBJECT
public:
    ZoomStyle();

    void setZoom(double zoom) { zoom_ = zoom; }
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;

private:
    double zoom_ = 1.0;
};
