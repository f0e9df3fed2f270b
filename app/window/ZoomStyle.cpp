// Only the sizes an option button is drawn with change, and the scroll bar gains a focus frame;
// everything else is the desktop's own.
#include "ZoomStyle.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOption>

#include <algorithm>
#include <cmath>

ZoomStyle::ZoomStyle() : QProxyStyle(QApplication::style()->name()) {}

int ZoomStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                           const QWidget* widget) const {
    const int size = QProxyStyle::pixelMetric(metric, option, widget);
    switch (metric) {
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
        return static_cast<int>(std::lround(size * zoom_));
    case PM_RadioButtonLabelSpacing:
        // One pixel less than the desktop's: the photons-per-dot boxes were sized for a narrower
        // face than the one that stands in for it, and "500" would lose its last pixel.
        return std::max(1, static_cast<int>(std::floor((size - 1) * zoom_)));
    default:
        return size;
    }
}

void ZoomStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                   QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    // Shown when the focus came by keyboard, as the desktop's style does for buttons: a solid
    // frame just inside the bar in the selection colour, drawn over its ends and trough.
    const State keyboardFocus = State_HasFocus | State_KeyboardFocusChange;
    if (control != CC_ScrollBar || (option->state & keyboardFocus) != keyboardFocus) {
        return;
    }
    const int width = focusFrameWidth(zoom_);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(Qt::NoPen);
    painter->setBrush(option->palette.color(QPalette::Highlight));
    const QRect bar = option->rect;
    painter->drawRect(bar.left(), bar.top(), bar.width(), width);
    painter->drawRect(bar.left(), bar.bottom() - width + 1, bar.width(), width);
    painter->drawRect(bar.left(), bar.top(), width, bar.height());
    painter->drawRect(bar.right() - width + 1, bar.top(), width, bar.height());
    painter->restore();
}

int ZoomStyle::focusFrameWidth(double zoom) {
    return std::max(1, static_cast<int>(std::lround(2 * zoom)));
}
