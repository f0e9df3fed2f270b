// Only controls of this window carry the state, and only while the window is active: a message
// box or another program with the focus is spoken for by itself.
#include "RunStatus.h"

#include <QApplication>
#include <QWidget>

RunStatus::RunStatus(QWidget* window) : QObject(window), window_(window) {
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget* from, QWidget*) { focusMoved(from); });
}

void RunStatus::set(const QString& state) {
    if (state == state_) {
        return;
    }
    state_ = state;
    window_->setAccessibleDescription(state);
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr || focus == window_ || !window_->isAncestorOf(focus)) {
        restore();
        return;
    }
    // The control that already carries a state changes once, straight to the new one.
    if (focus != carrier_) {
        restore();
        carrier_ = focus;
        ownDescription_ = focus->accessibleDescription();
    }
    focus->setAccessibleDescription(state);
}

void RunStatus::focusMoved(QWidget* from) {
    if (from != nullptr && from == carrier_) {
        restore();
    }
}

void RunStatus::restore() {
    if (carrier_) {
        carrier_->setAccessibleDescription(ownDescription_);
    }
    carrier_ = nullptr;
}
