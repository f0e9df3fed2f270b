// Screen readers speak a notification when it is shown, without moving the user's focus. A
// changed description would be spoken only on the focused control, and this Qt's bridge sends
// such a change without its new text, which Orca cannot present.
#include "RunStatus.h"

#include "AccessibleControls.h"

#include <QWidget>

RunStatus::RunStatus(QWidget* window)
    : QObject(window), window_(window), notice_(new QWidget(window)) {
    notice_->setObjectName(QStringLiteral("runStatus"));
    notice_->setGeometry(0, 0, 0, 0);
    notice_->setFocusPolicy(Qt::NoFocus);
    notice_->hide();
    AccessibleControls::presentAs(notice_, QAccessible::Notification);
}

void RunStatus::set(const QString& state) {
    // Shown again even when the state is the same, as after a second Start refused for the same
    // bad setting: the user asked again and hears the answer again.
    state_ = state;
    ++told_;
    window_->setAccessibleDescription(state);
    notice_->hide();
    notice_->setAccessibleName(state);
    notice_->show();
}
