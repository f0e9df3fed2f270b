// Where the kept image's pixels land at each zoom and pixel ratio: pen widths, exact erasing,
// clipping and the changed area.
#include "ImageSurface.h"

#include <QGuiApplication>
#include <QTest>

#include <cmath>
#include <limits>

namespace {

const QRgb grey = 0xFFC0C0C0;
const QRgb black = 0xFF000000;

// Device pixels of the given colour along row y.
int countInRow(const QImage& image, int y, QRgb colour) {
    int count = 0;
    for (int x = 0; x < image.width(); ++x) {
        count += image.pixel(x, y) == colour ? 1 : 0;
    }
    return count;
}

bool allGrey(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        if (countInRow(image, y, grey) != image.width()) {
            return false;
        }
    }
    return true;
}

} // namespace

class tst_ImageSurface : public QObject {
    Q_OBJECT
private slots:
    void startsLightGreyAtDrawingAreaSize();
    void verticalLineCoversItsPenWidth_data();
    void verticalLineCoversItsPenWidth();
    void greyRedrawErasesExactly_data();
    void greyRedrawErasesExactly();
    void farAndNonFiniteCoordinatesAreHarmless();
    void dirtyRectCoversWhatWasDrawn_data();
    void dirtyRectCoversWhatWasDrawn();
    void wholeAreaAfterDrawingAtFullSpeed();
};

void tst_ImageSurface::startsLightGreyAtDrawingAreaSize() {
    ImageSurface surface;
    QCOMPARE(surface.image().size(), QSize(801, 581));
    QVERIFY(allGrey(surface.image()));
}

void tst_ImageSurface::verticalLineCoversItsPenWidth_data() {
    QTest::addColumn<double>("zoom");
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<int>("penWidth");
    QTest::addColumn<QSize>("imageSize");
    QTest::addColumn<int>("devicePixels"); // across the line
    QTest::newRow("design size, pen 1") << 1.0 << 1.0 << 1 << QSize(801, 581) << 1;
    QTest::newRow("design size, pen 2") << 1.0 << 1.0 << 2 << QSize(801, 581) << 2;
    QTest::newRow("design size, pen 3") << 1.0 << 1.0 << 3 << QSize(801, 581) << 3;
    QTest::newRow("ratio 2, pen 2") << 1.0 << 2.0 << 2 << QSize(1602, 1162) << 4;
    QTest::newRow("ratio 2, pen 3") << 1.0 << 2.0 << 3 << QSize(1602, 1162) << 6;
    QTest::newRow("zoom 1.5, pen 1") << 1.5 << 1.0 << 1 << QSize(1202, 872) << 2;
    QTest::newRow("zoom 1.5, pen 3 (4.5 rounded up)") << 1.5 << 1.0 << 3 << QSize(1202, 872) << 5;
    QTest::newRow("zoom 2, pen 1") << 2.0 << 1.0 << 1 << QSize(1602, 1162) << 2;
    QTest::newRow("zoom 2, pen 3") << 2.0 << 1.0 << 3 << QSize(1602, 1162) << 6;
    QTest::newRow("zoom 2 at ratio 2, pen 3") << 2.0 << 2.0 << 3 << QSize(3204, 2324) << 12;
    QTest::newRow("zoom 0.5, pen 3 (1.5 rounded up)") << 0.5 << 1.0 << 3 << QSize(401, 291) << 2;
}

void tst_ImageSurface::verticalLineCoversItsPenWidth() {
    QFETCH(double, zoom);
    QFETCH(qreal, ratio);
    QFETCH(int, penWidth);
    QFETCH(QSize, imageSize);
    QFETCH(int, devicePixels);
    ImageSurface surface(zoom, ratio);
    QCOMPARE(surface.image().size(), imageSize);
    surface.setPenWidth(penWidth);
    surface.line(300, 531, 300, 70);
    const QImage image = surface.snapshot();
    const int row = qRound(300 * zoom * ratio);
    QCOMPARE(countInRow(image, row, black), devicePixels);
    // Aliased: only the background and the line's own colour occur.
    QCOMPARE(countInRow(image, row, grey), image.width() - devicePixels);
}

void tst_ImageSurface::greyRedrawErasesExactly_data() {
    QTest::addColumn<double>("zoom");
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("ratio 1") << 1.0 << 1.0;
    QTest::newRow("ratio 1.5") << 1.0 << 1.5;
    QTest::newRow("ratio 2") << 1.0 << 2.0;
    QTest::newRow("zoom 1.37") << 1.37 << 1.0;
    QTest::newRow("zoom 2 at ratio 1.5") << 2.0 << 1.5;
}

void tst_ImageSurface::greyRedrawErasesExactly() {
    QFETCH(double, zoom);
    QFETCH(qreal, ratio);
    ImageSurface surface(zoom, ratio);
    // Source arrows at awkward angles, drawn and erased as the run does.
    for (double phase = 0.0; phase < 6.3; phase += 0.37) {
        const auto x2 = static_cast<float>(80 - 20 * std::cos(phase));
        const auto y2 = static_cast<float>(340.5 - 20 * std::sin(phase));
        surface.line(80, 340.5f, x2, y2);
        QVERIFY(!allGrey(surface.image()));
        surface.line(80, 340.5f, x2, y2, Colour::lightGrey());
        QVERIFY2(allGrey(surface.image()),
                 qPrintable(QStringLiteral("left over at %1").arg(phase)));
    }
}

void tst_ImageSurface::farAndNonFiniteCoordinatesAreHarmless() {
    ImageSurface surface;
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    surface.line(0, 0, inf, 10);
    surface.line(nan, 0, 10, 10);
    surface.circle(10, 10, inf);
    surface.line(-1e7f, 5, 1e7f, 5); // clipped to the width of the image
    surface.setPenWidth(2);
    surface.line(550, 100, 1000, 100); // a bar beyond the right edge
    const QImage image = surface.snapshot();
    QCOMPARE(countInRow(image, 5, black), 801);
    QCOMPARE(image.pixel(800, 100), black);
    QCOMPARE(countInRow(image, 10, black), 0);
}

void tst_ImageSurface::dirtyRectCoversWhatWasDrawn_data() {
    QTest::addColumn<int>("scattered"); // short lines drawn far apart, beside the three places
    QTest::addColumn<int>("mostArea");  // in design pixels
    // Three small places, not the band from the source to the picture's right edge.
    QTest::newRow("three places") << 0 << 20 * 20 + 26 * 16 + 257 * 9;
    // More places than are kept apart: joined, but still less than the whole picture.
    QTest::newRow("twenty-three places") << 20 << ImageSurface::width * ImageSurface::height - 1;
}

void tst_ImageSurface::dirtyRectCoversWhatWasDrawn() {
    QFETCH(int, scattered);
    QFETCH(int, mostArea);
    ImageSurface surface;
    // A new picture has not been shown yet: all of it is new.
    QCOMPARE(surface.takeDirtyRegion(), QRegion(0, 0, ImageSurface::width, ImageSurface::height));
    QVERIFY(surface.takeDirtyRegion().isEmpty());
    surface.setPenWidth(3);
    surface.circle(80, 340.5f, 5);
    surface.line(300, 200, 320, 210);
    surface.line(550, 400, 1000, 400);
    surface.setPenWidth(1);
    for (int i = 0; i < scattered; ++i) {
        const float x = 20.0f + 37.0f * static_cast<float>(i);
        const float y = 30.0f + 25.0f * static_cast<float>(i % 7);
        surface.line(x, y, x + 3, y + 2);
    }
    surface.line(300, 200, 305, 201); // the first place again, after the others
    const QRegion dirty = surface.takeDirtyRegion();
    const QImage image = surface.snapshot();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != grey) {
                QVERIFY2(dirty.contains(QPoint(x, y)),
                         qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            }
        }
    }
    int area = 0;
    for (const QRect& rect : dirty) {
        area += rect.width() * rect.height();
    }
    QVERIFY2(area <= mostArea, qPrintable(QString::number(area)));
    QVERIFY(surface.takeDirtyRegion().isEmpty());
}

void tst_ImageSurface::wholeAreaAfterDrawingAtFullSpeed() {
    // A render or a redraw draws hundreds of thousands of lines before anything looks: keeping
    // their places would cost more than drawing them, and all of the picture has changed.
    ImageSurface surface;
    surface.takeDirtyRegion();
    for (int i = 0; i < 10000; ++i) {
        surface.line(10, 10, 12, 12);
    }
    QCOMPARE(surface.takeDirtyRegion(), QRegion(0, 0, ImageSurface::width, ImageSurface::height));
    surface.line(10, 10, 12, 12);
    QCOMPARE(surface.takeDirtyRegion(), QRegion(7, 7, 8, 8));
}

QTEST_MAIN(tst_ImageSurface)
#include "tst_ImageSurface.moc"
