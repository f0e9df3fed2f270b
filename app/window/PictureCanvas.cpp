// The drawing area's painting: each layer paints what it has where the region asks, and repaints
// are asked only where a run or the screen changed something.
#include "PictureCanvas.h"

#include "AccessibleControls.h"
#include "DetectorScreen.h"
#include "ImageSurface.h"
#include "PictureComposer.h"
#include "PictureLayer.h"
#include "PictureView.h"
#include "ProbeLayer.h"
#include "RunSession.h"
#include "Scene.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>

PictureCanvas::PictureCanvas(RunSession& session, QWidget* parent)
    : QWidget(parent), session_(session) {
    setObjectName(QStringLiteral("pictureCanvas"));
    // A picture to assistive technology, which would otherwise skip a nameless widget as layout.
    AccessibleControls::presentAs(this, QAccessible::Graphic);
    setAccessibleName(tr("Picture of the experiment"));
    // Under every control, which stand over the drawing area as in the design.
    lower();
    connect(&session_, &RunSession::pictureChanged, this,
            [this](bool whole, const QRegion& region) {
                if (whole) {
                    showSettingsLine();
                    update();
                } else {
                    update(region);
                }
            });
    connect(&session_.screen(), &DetectorScreen::changed, this, [this] {
        // The line stands left of the screen's count while the screen is shown.
        if (session_.screen().isShown() != screenShown_) {
            showSettingsLine();
        }
        update(session_.screen().area());
    });
    connect(&session_, &RunSession::stateChanged, this, &PictureCanvas::showSettingsLine);
    connect(&session_, &RunSession::toolsChanged, this, &PictureCanvas::describe);
}

void PictureCanvas::followSettings() {
    showSettingsLine();
    if (session_.probeHeight() || session_.ruler() || session_.fringeMarksShown()) {
        update();
        describe();
    }
}

void PictureCanvas::showSettingsLine() {
    const QString line = PictureComposer::settingsLine(session_);
    const bool covered = lineCovered();
    const bool screenShown = session_.screen().isShown();
    if (line == line_ && covered == lineCovered_ && screenShown == screenShown_) {
        return;
    }
    line_ = line;
    lineCovered_ = covered;
    screenShown_ = screenShown;
    describe();
    update();
}

bool PictureCanvas::lineCovered() const {
    return session_.followedPhoton().has_value() ||
           (session_.screen().isShown() &&
            (session_.isRunning() || session_.showsAnotherExperiment()));
}

void PictureCanvas::describe() {
    QStringList lines{line_};
    if (const ArrowProbe* probe = session_.probe()) {
        lines << ProbeLayer::readout(*probe);
    }
    if (const std::optional<Ruler>& ruler = session_.ruler()) {
        lines << MeasureLayer::rulerText(*ruler);
    }
    lines << session_.measures().fringesText() << session_.snapshots().legend();
    if (session_.isCurtainDrawn()) {
        lines << CurtainLayer::question();
    }
    lines.removeAll(QString());
    // Each change is sent to screen readers, so only a change is made.
    if (const QString description = lines.join(u'\n'); description != accessibleDescription()) {
        setAccessibleDescription(description);
    }
}

void PictureCanvas::mousePressEvent(QMouseEvent* event) {
    pointAt(event->position(), true);
}

void PictureCanvas::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) {
        pointAt(event->position(), false);
    }
}

void PictureCanvas::pointAt(QPointF position, bool pressed) {
    const QPointF design = position / zoom_;
    if (session_.ruler()) {
        if (pressed) {
            pressed_ = design;
        } else {
            session_.layRuler(pressed_.x(), pressed_.y(), design.x(), design.y());
        }
        return;
    }
    // Right of the slits' shield the paths, the detector, the sums, the pattern and the screen
    // all stand for a height of the detector.
    if (design.x() > Scene::shieldX + 8) {
        session_.setProbe(design.y());
    }
}

void PictureCanvas::place(double zoom, QPoint origin) {
    zoom_ = zoom;
    // Whole pixels enough for the picture's last column and row at any zoom.
    setGeometry(origin.x(), origin.y(), static_cast<int>(std::ceil(ImageSurface::width * zoom)),
                static_cast<int>(std::ceil(ImageSurface::height * zoom)));
    wantCurrentSize();
    update();
}

void PictureCanvas::wantCurrentSize() {
    session_.showAt(zoom_, devicePixelRatioF());
}

void PictureCanvas::paintEvent(QPaintEvent* event) {
    wantCurrentSize();
    {
        QPainter painter(this);
        for (const PictureLayer* layer : session_.layers()) {
            layer->paint(painter, QPoint(), event->region());
        }
    }
    // With a painter of its own, as the saved picture's line is drawn.
    if (!lineCovered_) {
        QPainter painter(this);
        PictureComposer::drawSettingsLine(painter, line_, session_, zoom_);
    }
}
