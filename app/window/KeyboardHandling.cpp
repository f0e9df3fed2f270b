// An event filter on the controls that need it, and the option buttons' tab stops.
#include "KeyboardHandling.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

void KeyboardHandling::watch(QWidget* control) {
    control->installEventFilter(this);
    if (auto* option = qobject_cast<QRadioButton*>(control)) {
        connect(option, &QAbstractButton::toggled, this, [option](bool checked) {
            if (checked) {
                makeTabStop(option);
            }
        });
    }
}

void KeyboardHandling::makeTabStop(QAbstractButton* checked) {
    // Tab goes straight to the frame's checked button, so that entering the frame is one focus
    // change on the current choice; the others take the focus by click or by the arrow keys,
    // which Qt moves among the buttons of a frame whatever their tab stops.
    for (auto* button : checked->parentWidget()->findChildren<QRadioButton*>(
             QString(), Qt::FindDirectChildrenOnly)) {
        const Qt::FocusPolicy policy = button->focusPolicy();
        button->setFocusPolicy(button == checked ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                                 : Qt::FocusPolicy(policy & ~Qt::TabFocus));
    }
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
    return QObject::eventFilter(watched, event);
}
