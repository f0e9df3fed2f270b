// Four design pixels of padding around the lines, grown with the zoom like everything else.
#include "PictureLabel.h"

#include "Colour.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>

#include <algorithm>
#include <cmath>

int PictureLabel::padding(double zoom) {
    return static_cast<int>(std::lround(4 * zoom));
}

QFont PictureLabel::font(double zoom) {
    QFont font = QGuiApplication::font();
    font.setPointSizeF(font.pointSizeF() * zoom);
    return font;
}

QSize PictureLabel::size(const QStringList& lines, double zoom) {
    const QFontMetrics metrics(font(zoom));
    int width = 0;
    for (const QString& line : lines) {
        width = std::max(width, metrics.horizontalAdvance(line));
    }
    return {width + 2 * padding(zoom),
            metrics.height() * static_cast<int>(lines.size()) + 2 * padding(zoom)};
}

void PictureLabel::draw(QPainter& painter, QPoint topLeft, const QStringList& lines, double zoom) {
    painter.save();
    painter.setFont(font(zoom));
    const QFontMetrics metrics(painter.font());
    painter.setPen(Qt::black);
    painter.setBrush(QColor::fromRgb(Colour::background().rgb));
    painter.drawRect(QRect(topLeft, size(lines, zoom)).adjusted(0, 0, -1, -1));
    const int inside = padding(zoom);
    for (int i = 0; i < lines.size(); ++i) {
        painter.drawText(topLeft.x() + inside,
                         topLeft.y() + inside + i * metrics.height() + metrics.ascent(), lines[i]);
    }
    painter.restore();
}
