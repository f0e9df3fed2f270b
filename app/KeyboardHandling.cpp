// An event filter on the controls that need it.
#include "KeyboardHandling.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

void KeyboardHandling::watch(QWidget* control) {
    control->installEventFilter(this);
}

bool KeyboardHandling::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // Enter on a push button presses it, as Space does.
        if (auto* button = qobject_cast<QPushButton*>(watched);
            button != nullptr && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            button->click();
            return true;
        }
        // The scroll bar takes no keys of its own: the arrows move it by 1, as a click does.
        if (auto* bar = qobject_cast<QScrollBar*>(watched)) {
            if (key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Left ||
                key == Qt::Key_Down) {
                const bool up = key == Qt::Key_Right || key == Qt::Key_Up;
                bar->triggerAction(up ? QAbstractSlider::SliderSingleStepAdd
                                      : QAbstractSlider::SliderSingleStepSub);
                return true;
            }
        }
    }
    // Tab into a frame lands on its checked option button, so that the frame is one tab stop
    // showing the current choice; the arrow keys then move within it.
    auto* option = qobject_cast<QRadioButton*>(watched);
    if (event->type() == QEvent::FocusIn && option != nullptr && !option->isChecked()) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) {
            for (auto* sibling : option->parentWidget()->findChildren<QRadioButton*>(
                     QString(), Qt::FindDirectChildrenOnly)) {
                if (sibling->isChecked()) {
                    sibling->setFocus(reason);
                    return true;
                }
            }
        }
    }
    return QObject::eventFilter(watched, event);
}
