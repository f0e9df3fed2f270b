// Qt asks each installed factory first, with the class names of the object from the most derived
// up. An interface, once made, is kept for the object's life; Qt makes one as soon as an object
// sends its first accessibility event, which a field does while it is being built, so a widget
// given its role afterwards has its early interface dropped.
#include "AccessibleControls.h"

#include <QAccessibleWidget>
#include <QLineEdit>
#include <QRadioButton>

#include <algorithm>

namespace {

constexpr const char* roleProperty = "accessibleRole";

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

QAccessibleInterface* makeInterface(const QString&, QObject* object) {
    const QVariant role = object->property(roleProperty);
    if (!role.isValid() || !object->isWidgetType()) {
        return nullptr;
    }
    auto* widget = static_cast<QWidget*>(object);
    if (auto* field = qobject_cast<QLineEdit*>(widget);
        field != nullptr && role.toInt() == QAccessible::StaticText) {
        return new DisplayText(field);
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
