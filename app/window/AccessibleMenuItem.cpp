// Made by the program's accessibility factory for checkable actions; Qt makes the other entries.
#include "AccessibleMenuItem.h"

#include <QWindow>

AccessibleMenuItem* AccessibleMenuItem::forAction(QAction* action) {
    for (QObject* shown : action->associatedObjects()) {
        if (auto* menu = qobject_cast<QMenu*>(shown)) {
            return new AccessibleMenuItem(action, menu);
        }
    }
    return nullptr;
}

QObject* AccessibleMenuItem::object() const {
    return action_;
}

QWindow* AccessibleMenuItem::window() const {
    return menu_ ? menu_->windowHandle() : nullptr;
}

QAccessibleInterface* AccessibleMenuItem::parent() const {
    return QAccessible::queryAccessibleInterface(menu_);
}

QString AccessibleMenuItem::text(QAccessible::Text kind) const {
    if (kind == QAccessible::Name) {
        return action_->text().remove(QLatin1Char('&'));
    }
    return kind == QAccessible::Accelerator ? action_->shortcut().toString(QKeySequence::NativeText)
                                            : QString();
}

QRect AccessibleMenuItem::rect() const {
    return menu_->actionGeometry(action_).translated(menu_->mapToGlobal(QPoint()));
}

QAccessible::State AccessibleMenuItem::state() const {
    QAccessible::State state;
    state.invisible = !menu_->isVisible() || !action_->isVisible();
    state.focused = menu_->activeAction() == action_;
    state.disabled = !action_->isEnabled();
    state.checkable = true;
    state.checked = action_->isChecked();
    return state;
}

void* AccessibleMenuItem::interface_cast(QAccessible::InterfaceType type) {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                : nullptr;
}

void AccessibleMenuItem::doAction(const QString& name) {
    if (name == pressAction() && action_->isEnabled()) {
        action_->trigger();
    }
}
