// Texts are laid out as the window's fields and labels lay out theirs, so that a saved picture
// shows its captions pixel for pixel where and as the window does.
#include "PictureComposer.h"

#include "ExperimentSettings.h"
#include "HitsDrawing.h"
#include "RunSession.h"

#include <QFontMetrics>
#include <QPainter>

QImage PictureComposer::compose(RunSession& session, const QList<Text>& captions,
                                const Text& counter, double zoom) {
    session.finishRedraw();
    const PictureView& view = session.picture();
    // The kept picture as it is, then the session's other layers that a picture keeps, in their
    // order; no caption overlaps them.
    QImage picture = view.surface().snapshot();
    {
        QPainter painter(&picture);
        const QRegion all(QRect(QPoint(), picture.deviceIndependentSize().toSize()));
        for (const PictureLayer* layer : session.layers()) {
            if (layer != &view && layer->isSaved()) {
                layer->paint(painter, QPoint(), all);
            }
        }
    }
    for (const Text& caption : captions) {
        drawText(picture, caption);
    }
    if (session.screen().isShown()) {
        drawText(picture, counter);
    }
    QPainter painter(&picture);
    drawSettingsLine(painter, settingsLine(session), session, zoom);
    return picture;
}

QString PictureComposer::settingsLine(const RunSession& session) {
    const FormFields* shown = session.shownSettings();
    return shown != nullptr ? ExperimentSettings::summary(*shown) : QString();
}

void PictureComposer::drawSettingsLine(QPainter& painter, const QString& line,
                                       const RunSession& session, double zoom) {
    ExperimentSettings::drawSummary(painter, line, zoom,
                                    session.screen().isShown() ? HitsDrawing::left - 8 : 801 - 8);
}

void PictureComposer::drawText(QImage& picture, const Text& text) {
    QPainter painter(&picture);
    painter.setFont(text.font);
    painter.setPen(Qt::black);
    painter.setClipRect(text.box);
    const QFontMetrics metrics(text.font);
    if (!text.field) {
        painter.drawText(text.box, Qt::AlignLeft | Qt::AlignVCenter, text.text);
        return;
    }
    // A field's line: 2 pixels in from either side, centred on the taller of the font's height
    // and the text's, its baseline the font's ascent below the line's top; scrolled left by what
    // does not fit when it shows its end.
    const int height = std::max(metrics.boundingRect(text.text).height(), metrics.height());
    const int top = text.box.y() + (text.box.height() - height + 1) / 2;
    const int width = qRound(QFontMetricsF(text.font).horizontalAdvance(text.text));
    const int line = text.box.width() - 4;
    const int scrolled = text.showsEnd && width >= line ? width - line + 1 : 0;
    painter.drawText(QPoint(text.box.x() + 2 - scrolled, top + metrics.ascent()), text.text);
}
