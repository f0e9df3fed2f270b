// Only the sizes an option button is drawn with change; everything else is the desktop's own.
#include "ZoomStyle.h"

#include <QApplication>

#include <cmath>

ZoomStyle::ZoomStyle() : QProxyStyle(QApplication::style()->name()) {}

int ZoomStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                           const QWidget* widget) const {
    const int size = QProxyStyle::pixelMetric(metric, option, widget);
    switch (metric) {
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
    case PM_RadioButtonLabelSpacing:
        return static_cast<int>(std::lround(size * zoom_));
    default:
        return size;
    }
}
