// A checkable entry of a menu as screen readers are given it: a check box in the menu, so that
// its check is spoken with it, on or off. Qt 6.4's AT-SPI bridge passes no checkable state, and
// Qt has no role of a checkable menu entry.
#pragma once

#include <QAccessibleInterface>
#include <QAction>
#include <QMenu>
#include <QPointer>

class AccessibleMenuItem : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    // The entry of the first menu that shows the action; nullptr while none does.
    static AccessibleMenuItem* forAction(QAction* action);

    bool isValid() const override { return action_ && menu_; }
    QObject* object() const override;
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text kind) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::CheckBox; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    AccessibleMenuItem(QAction* action, QMenu* menu) : action_(action), menu_(menu) {}

    QPointer<QAction> action_;
    QPointer<QMenu> menu_;
};
