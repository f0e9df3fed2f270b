// The picture as it is taken away (saved, copied, rendered): the kept picture, the captions shown
// on it, the expected pattern while shown, the detector screen with its count, and the line that
// names a changed experiment. Made from the session and the captions' texts, with no widget.
#pragma once

#include <QFont>
#include <QImage>
#include <QList>
#include <QRect>
#include <QString>

class QPainter;
class RunSession;

class PictureComposer {
public:
    // A text over the picture, where a caption field or a label shows it: its box in logical
    // pixels of the picture at the zoom, and its font at that zoom.
    struct Text {
        QString text;
        QFont font;
        QRect box;
        // A field keeps 2 pixels left of its text and centres it on its font's height; a label
        // centres it on its box.
        bool field = true;
        // A field too narrow for its text shows its end rather than its start.
        bool showsEnd = false;
    };

    // The picture at the session's wanted zoom: `captions` over it, and `counter` over the
    // detector screen while that is shown.
    static QImage compose(RunSession& session, const QList<Text>& captions, const Text& counter,
                          double zoom);
    // The line that names the experiment the session's picture shows; empty for the designed one.
    static QString settingsLine(const RunSession& session);
    // Draws it along the bottom of the picture painted at the zoom, left of the screen's count
    // while the screen is shown.
    static void drawSettingsLine(QPainter& painter, const QString& line, const RunSession& session,
                                 double zoom);

private:
    static void drawText(QImage& picture, const Text& text);
};
