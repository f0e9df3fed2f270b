// Caption, title and prompt fields are display-only and see-through: their grey is the drawing
// area's grey, so the picture under them stays visible around the letters. Screen readers get
// them as text to read, not as fields to type into. Buttons, frames and
// the scroll bar are opaque, as they cover the picture.
#include "ControlFactory.h"

#include "AccessibleControls.h"
#include "ControlTable.h"
#include "ZoomLayout.h"

#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <algorithm>
#include <vector>

namespace {

QWidget* makeWidget(const ControlRow& row, QWidget* parent) {
    const QString text = QString::fromUtf8(row.text);
    switch (row.kind) {
    case ControlKind::ScrollBar: {
        auto* bar = new QScrollBar(Qt::Horizontal, parent);
        bar->setRange(1, 3);
        bar->setSingleStep(1);
        bar->setPageStep(1);
        bar->setValue(1);
        // A drag reports its value only when the thumb is released.
        bar->setTracking(false);
        bar->setFocusPolicy(Qt::StrongFocus);
        // The window's own menu, rather than the bar's scrolling menu, on a right click.
        bar->setContextMenuPolicy(Qt::NoContextMenu);
        return bar;
    }
    case ControlKind::Frame:
        return new QGroupBox(text, parent);
    case ControlKind::OptionButton:
        return new QRadioButton(text, parent);
    case ControlKind::PushButton:
        return new QPushButton(text, parent);
    case ControlKind::Label:
        return new QLabel(text, parent);
    case ControlKind::TextField: {
        auto* edit = new QLineEdit(text, parent);
        // The user never types into any field: settings change only through the buttons.
        edit->setReadOnly(true);
        return edit;
    }
    }
    return nullptr;
}

bool isSeeThrough(const ControlRow& row) {
    return row.kind == ControlKind::Label ||
           (row.kind == ControlKind::TextField && row.backColour == 0xC0C0C0u);
}

void applyColours(const ControlRow& row, QWidget* widget) {
    QPalette palette = widget->palette();
    if (isSeeThrough(row)) {
        palette.setColor(QPalette::Base, Qt::transparent);
        palette.setColor(QPalette::Window, Qt::transparent);
        widget->setAutoFillBackground(false);
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            edit->setFrame(false);
            edit->setFocusPolicy(Qt::NoFocus);
            AccessibleControls::presentAs(edit, QAccessible::StaticText);
        }
    } else if (row.backColour) {
        const QColor back = QColor::fromRgb(*row.backColour);
        palette.setColor(row.kind == ControlKind::TextField ? QPalette::Base : QPalette::Window,
                         back);
        palette.setColor(QPalette::Button, back);
        widget->setAutoFillBackground(row.kind != ControlKind::TextField);
    }
    // The picture's colours are fixed whatever the desktop theme, and so is the text on it.
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::ButtonText, Qt::black);
    widget->setPalette(palette);
}

} // namespace

QHash<QString, QWidget*> ControlFactory::createAll(QWidget* window) {
    QHash<QString, QWidget*> controls;
    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (const ControlRow& row : ControlTable::controls()) {
        QWidget* parent = row.parent ? controls.value(QString::fromUtf8(row.parent)) : window;
        QWidget* widget = create(row, parent);
        // A control in a frame shows whenever its frame does.
        widget->setVisible(row.shown || row.parent != nullptr);
        controls.insert(widget->objectName(), widget);
        // Frames and display-only fields take no focus; chaining them would drag their
        // children out of order.
        if (widget->focusPolicy() & Qt::TabFocus) {
            tabOrder.emplace_back(row.tabIndex, widget);
        }
    }
    std::sort(tabOrder.begin(), tabOrder.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i) {
        QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
    }
    return controls;
}

QWidget* ControlFactory::create(const ControlRow& row, QWidget* parent) {
    QWidget* widget = makeWidget(row, parent);
    widget->setObjectName(QString::fromUtf8(row.name));
    applyColours(row, widget);
    if (row.font) {
        QFont font;
        font.setFamilies(
            {QString::fromLatin1(row.font->face), QString::fromLatin1(row.font->fallback)});
        font.setBold(row.font->bold);
        widget->setFont(font);
    }
    place(widget, row, 1.0, QPoint());
    if (row.kind == ControlKind::OptionButton) {
        AccessibleControls::orderForReading(parent);
    }
    widget->setAccessibleName(QString::fromUtf8(row.accessibleName));
    widget->setAccessibleDescription(QString::fromUtf8(row.accessibleDescription));
    widget->setVisible(false);
    return widget;
}

void ControlFactory::place(QWidget* widget, const ControlRow& row, double zoom, QPoint origin) {
    widget->setGeometry(ZoomLayout::scaled(row.geometry, zoom).translated(origin));
    if (row.font) {
        // Pixel sizes keep the text in proportion to the pixel geometry on any screen.
        QFont font = widget->font();
        font.setPixelSize(ZoomLayout::fontPixels(row.font->points, zoom));
        widget->setFont(font);
    }
}
