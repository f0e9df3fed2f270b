// Qt asks each installed factory first, with the class names of the object from the most derived
// up. An interface, once made, is kept for the object's life; Qt makes one as soon as an object
// sends its first accessibility event, which a field does while it is being built, so a widget
// given its role afterwards has its early interface dropped.
#include "AccessibleControls.h"

#include "AccessibleMenuItem.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QLineEdit>
#include <QRadioButton>

#include <algorithm>

namespace {

constexpr const char* roleProperty = "accessibleRole";
constexpr const char* valueProperty = "accessibleValue";
constexpr const char* maximumProperty = "accessibleMaximum";
constexpr const char* concealedProperty = "accessibleConcealed";

// A caption or title: its text, with no caret, no editing and no focus.
class DisplayText : public QAccessibleWidget {
public:
    explicit DisplayText(QLineEdit* field) : QAccessibleWidget(field, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override {
        const QString own = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && own.isEmpty()) {
            return static_cast<const QLineEdit*>(widget())->text();
        }
        return own;
    }
};

// A line of text read as a progress bar: its value and maximum are kept in the widget's
// properties; its name is what the line says.
class ProgressLine : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit ProgressLine(QWidget* widget) : QAccessibleWidget(widget, QAccessible::ProgressBar) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface*>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }
    QVariant currentValue() const override { return widget()->property(valueProperty); }
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override { return widget()->property(maximumProperty); }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }
};

// The window, whose children are given without the concealed ones.
class Frame : public QAccessibleWidget {
public:
    explicit Frame(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override { return static_cast<int>(exposed().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QAccessibleInterface*> children = exposed();
        return index >= 0 && index < children.size() ? children[index] : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return static_cast<int>(exposed().indexOf(const_cast<QAccessibleInterface*>(child)));
    }

private:
    QList<QAccessibleInterface*> exposed() const {
        QList<QAccessibleInterface*> children;
        for (int i = 0; i < QAccessibleWidget::childCount(); ++i) {
            QAccessibleInterface* child = QAccessibleWidget::child(i);
            if (child != nullptr && !child->object()->property(concealedProperty).toBool()) {
                children << child;
            }
        }
        return children;
    }
};

QAccessibleInterface* makeInterface(const QString&, QObject* object) {
    if (auto* action = qobject_cast<QAction*>(object); action != nullptr && action->isCheckable()) {
        return AccessibleMenuItem::forAction(action);
    }
    const QVariant role = object->property(roleProperty);
    if (!role.isValid() || !object->isWidgetType()) {
        return nullptr;
    }
    auto* widget = static_cast<QWidget*>(object);
    if (auto* field = qobject_cast<QLineEdit*>(widget);
        field != nullptr && role.toInt() == QAccessible::StaticText) {
        return new DisplayText(field);
    }
    switch (role.toInt()) {
    case QAccessible::Window:
        return new Frame(widget);
    case QAccessible::ProgressBar:
        return new ProgressLine(widget);
    default:
        break;
    }
    return new QAccessibleWidget(widget, QAccessible::Role(role.toInt()));
}

void dropInterface(QObject* object) {
    QAccessible::deleteAccessibleInterface(
        QAccessible::uniqueId(QAccessible::queryAccessibleInterface(object)));
}

} // namespace

void AccessibleControls::install(QWidget* window) {
    static const bool installed = [] {
        QAccessible::installFactory(makeInterface);
        return true;
    }();
    Q_UNUSED(installed);
    // A top-level QWidget is otherwise a "filler", which screen readers do not announce as the
    // window the user is in.
    presentAs(window, QAccessible::Window);
}

void AccessibleControls::presentAs(QWidget* widget, QAccessible::Role role) {
    widget->setProperty(roleProperty, int(role));
    dropInterface(widget);
}

void AccessibleControls::orderForReading(QWidget* frame) {
    QList<QRadioButton*> buttons =
        frame->findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly);
    std::stable_sort(buttons.begin(), buttons.end(),
                     [](const QWidget* a, const QWidget* b) { return a->y() < b->y(); });
    // Raising moves a child to the end of its parent's children, the order Qt reads them in.
    for (QRadioButton* button : buttons) {
        button->raise();
    }
}

void AccessibleControls::setProgress(QWidget* widget, int value, int maximum) {
    if (widget->property(valueProperty) == value && widget->property(maximumProperty) == maximum) {
        return;
    }
    widget->setProperty(valueProperty, value);
    widget->setProperty(maximumProperty, maximum);
    QAccessibleValueChangeEvent event(widget, value);
    QAccessible::updateAccessibility(&event);
}

void AccessibleControls::conceal(QWidget* widget) {
    widget->setProperty(concealedProperty, true);
}
