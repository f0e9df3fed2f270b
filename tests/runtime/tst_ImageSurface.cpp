// Where the kept image's pixels land: pen widths, exact erasing, clipping and the changed area.
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
    void dirtyRectCoversWhatWasDrawn();
};

void tst_ImageSurface::startsLightGreyAtDrawingAreaSize() {
    ImageSurface surface;
    QCOMPARE(surface.image().size(), QSize(801, 581));
    QVERIFY(allGrey(surface.image()));
}

void tst_ImageSurface::verticalLineCoversItsPenWidth_data() {
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<int>("penWidth");
    QTest::newRow("ratio 1, pen 1") << 1.0 << 1;
    QTest::newRow("ratio 1, pen 2") << 1.0 << 2;
    QTest::newRow("ratio 1, pen 3") << 1.0 << 3;
    QTest::newRow("ratio 2, pen 2") << 2.0 << 2;
    QTest::newRow("ratio 2, pen 3") << 2.0 << 3;
}

void tst_ImageSurface::verticalLineCoversItsPenWidth() {
    QFETCH(qreal, ratio);
    QFETCH(int, penWidth);
    ImageSurface surface(ratio);
    QCOMPARE(surface.image().size(), QSize(qRound(801 * ratio), qRound(581 * ratio)));
    surface.setPenWidth(penWidth);
    surface.line(300, 531, 300, 70);
    const QImage image = surface.snapshot();
    QCOMPARE(countInRow(image, qRound(300 * ratio), black), qRound(penWidth * ratio));
    // Aliased: only the background and the line's own colour occur.
    QCOMPARE(countInRow(image, qRound(300 * ratio), grey),
             image.width() - qRound(penWidth * ratio));
}

void tst_ImageSurface::greyRedrawErasesExactly_data() {
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("ratio 1") << 1.0;
    QTest::newRow("ratio 1.5") << 1.5;
    QTest::newRow("ratio 2") << 2.0;
}

void tst_ImageSurface::greyRedrawErasesExactly() {
    QFETCH(qreal, ratio);
    ImageSurface surface(ratio);
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

void tst_ImageSurface::dirtyRectCoversWhatWasDrawn() {
    ImageSurface surface;
    QVERIFY(surface.takeDirtyRect().isEmpty());
    surface.setPenWidth(3);
    surface.circle(80, 340.5f, 5);
    surface.line(300, 200, 320, 210);
    const QRect dirty = surface.takeDirtyRect();
    const QImage image = surface.snapshot();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != grey) {
                QVERIFY2(dirty.contains(x, y), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            }
        }
    }
    QVERIFY(dirty.width() < 260);
    QVERIFY(surface.takeDirtyRect().isEmpty());
}

QTEST_MAIN(tst_ImageSurface)
#include "tst_ImageSurface.moc"
