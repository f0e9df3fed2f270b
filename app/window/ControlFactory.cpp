// Caption, title and prompt fields are display-only and see-through: their grey is the drawing
// area's grey, so the picture under them stays visible around the letters. Screen readers get
// them as text to read, not as fields to type into. Buttons, frames and
// the scroll bar are opaque, as they cover the picture.
#include "ControlFactory.h"

#include "AccessibleControls.h"
#include "ControlTable.h"
#include "Scene.h"
#include "ZoomLayout.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <vector>

namespace {

// A row's caption, spoken name and description in the user's language. A photons-per-dot
// button's come from its number, written as the user's locale writes numbers.
struct RowTexts {
    QString text;
    QString name;
    QString description;
};

RowTexts textsOf(const ControlRow& row) {
    if (row.photonsRow < 0) {
        const auto translated = [](const char* text) {
            return QCoreApplication::translate("ControlTable", text);
        };
        return {translated(row.text), translated(row.accessibleName),
                translated(row.accessibleDescription)};
    }
    const int photons = Scene::photonsRows[row.photonsRow].photons;
    return {QLocale().toString(photons), ControlFactory::tr("%Ln photon(s) per dot", "", photons),
            ControlFactory::tr("Sends %Ln photon(s) to each detector point", "", photons)};
}

// The width, in pixels, that shows the whole of a control's caption in its font: what the style
// leaves around the text, as at its present width, plus the text.
int widthForText(const QWidget* widget) {
    const QFontMetrics metrics(widget->font());
    const auto around = [widget](QStyle::SubElement element, const QStyleOption& option) {
        return widget->width() - widget->style()->subElementRect(element, &option, widget).width();
    };
    if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        return metrics.horizontalAdvance(button->text()) +
               around(QStyle::SE_PushButtonContents, option);
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(widget)) {
        // The title stands in from both edges by the frame's rounding.
        return metrics.horizontalAdvance(frame->title()) + 2 * metrics.averageCharWidth();
    }
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return metrics.horizontalAdvance(label->text());
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
        // A line edit keeps 2 pixels on each side of its text.
        return metrics.horizontalAdvance(edit->text()) + 4;
    }
    return 0;
}

QWidget* makeWidget(const ControlRow& row, QWidget* parent) {
    const QString text = textsOf(row).text;
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
    const RowTexts texts = textsOf(row);
    widget->setAccessibleName(texts.name);
    widget->setAccessibleDescription(texts.description);
    widget->setVisible(false);
    return widget;
}

void ControlFactory::place(QWidget* widget, const ControlRow& row, double zoom, QPoint origin) {
    QRect geometry = ZoomLayout::scaled(row.geometry, zoom).translated(origin);
    // Zoomed, a frame's title grows faster than its boxes move down: a box at the frame's top
    // is kept below the title, inside the frame's border.
    if (auto* frame = qobject_cast<QGroupBox*>(widget->parentWidget()); frame && zoom > 1) {
        geometry.moveTop(std::max(geometry.top(), frame->contentsRect().top()));
    }
    widget->setGeometry(geometry);
    if (row.font) {
        // Pixel sizes keep the text in proportion to the pixel geometry on any screen.
        QFont font = widget->font();
        font.setPixelSize(ZoomLayout::fontPixels(row.font->points, zoom));
        widget->setFont(font);
    }
    // A field shows its text from where the cursor is kept. At the design size it stays at the
    // end, as designed; zoomed, a text a pixel wider than its box would be scrolled to its end
    // and lose its first letter, so it shows from its start.
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setCursorPosition(zoom == 1.0 ? static_cast<int>(edit->text().size()) : 0);
    }
    // A translated caption that the design's box would cut grows the box to the right, just
    // enough; the English texts fit their boxes as designed.
    if (textsOf(row).text != QString::fromUtf8(row.text)) {
        widget->resize(std::max(widget->width(), widthForText(widget)), widget->height());
    }
}

PictureComposer::Text ControlFactory::pictureText(const ControlRow& row, double zoom,
                                                  const QString& text) {
    const QString shown = text.isNull() ? textsOf(row).text : text;
    QFont font;
    font.setFamilies(
        {QString::fromLatin1(row.font->face), QString::fromLatin1(row.font->fallback)});
    font.setBold(row.font->bold);
    font.setPixelSize(ZoomLayout::fontPixels(row.font->points, zoom));
    const bool field = row.kind == ControlKind::TextField;
    QRect box = ZoomLayout::scaled(row.geometry, zoom);
    // Grown as place() grows a box for a translated caption; a field keeps 2 pixels each side.
    if (textsOf(row).text != QString::fromUtf8(row.text)) {
        box.setWidth(
            std::max(box.width(), QFontMetrics(font).horizontalAdvance(shown) + (field ? 4 : 0)));
    }
    // At the design size a field shows its text from its end, as place() keeps its cursor.
    return {shown, font, box, field, field && zoom == 1.0};
}
