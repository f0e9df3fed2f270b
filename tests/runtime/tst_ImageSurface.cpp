// Where the kept image's pixels land at each zoom and pixel ratio: pen widths, exact erasing,
// clipping and the changed area.
#include "ImageSurface.h"

#include <QGuiApplication>
#include <QTest>

#include <algorithm>

#include <array>
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

// Linear light of an sRGB channel, 0 to 255.
double linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

std::array<double, 3> linearRgb(Colour colour) {
    return {linear(int(colour.rgb >> 16) & 0xFF), linear(int(colour.rgb >> 8) & 0xFF),
            linear(int(colour.rgb) & 0xFF)};
}

// Contrast ratio of two colours by their relative luminance, 1 to 21.
double contrast(Colour a, Colour b) {
    const auto luminance = [](Colour colour) {
        const std::array<double, 3> c = linearRgb(colour);
        return 0.2126 * c[0] + 0.7152 * c[1] + 0.0722 * c[2];
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

using Matrix = std::array<std::array<double, 3>, 3>;

// Machado, Oliveira and Fernandes (2009), full severity, on linear RGB.
constexpr Matrix protanopia = {{{0.152286, 1.052583, -0.204868},
                                {0.114503, 0.786281, 0.099216},
                                {-0.003882, -0.048116, 1.051998}}};
constexpr Matrix deuteranopia = {{{0.367322, 0.860646, -0.227968},
                                  {0.280085, 0.672501, 0.047413},
                                  {-0.011820, 0.042940, 0.968881}}};

// Distance of two colours as an eye seen through the matrix sees them, in linear RGB (0 to 1
// a channel).
double seenDistance(const Matrix& eye, Colour a, Colour b) {
    const std::array<double, 3> ca = linearRgb(a);
    const std::array<double, 3> cb = linearRgb(b);
    double squared = 0.0;
    for (int row = 0; row < 3; ++row) {
        double difference = 0.0;
        for (int column = 0; column < 3; ++column) {
            difference += eye[row][column] * (ca[column] - cb[column]);
        }
        squared += difference * difference;
    }
    return std::sqrt(squared);
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

Q_DECLARE_METATYPE(Colour)

class tst_ImageSurface : public QObject {
    Q_OBJECT
private slots:
    void startsLightGreyAtDrawingAreaSize();
    void verticalLineCoversItsPenWidth_data();
    void verticalLineCoversItsPenWidth();
    void greyRedrawErasesExactly_data();
    void greyRedrawErasesExactly();
    void projectorColoursStandOutForEveryEye_data();
    void projectorColoursStandOutForEveryEye();
    void slitColoursStayApartForEveryEye_data();
    void slitColoursStayApartForEveryEye();
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
    QTest::addColumn<bool>("projector");
    QTest::newRow("design size, pen 1") << 1.0 << 1.0 << 1 << QSize(801, 581) << 1 << false;
    QTest::newRow("design size, pen 2") << 1.0 << 1.0 << 2 << QSize(801, 581) << 2 << false;
    QTest::newRow("design size, pen 3") << 1.0 << 1.0 << 3 << QSize(801, 581) << 3 << false;
    QTest::newRow("ratio 2, pen 2") << 1.0 << 2.0 << 2 << QSize(1602, 1162) << 4 << false;
    QTest::newRow("ratio 2, pen 3") << 1.0 << 2.0 << 3 << QSize(1602, 1162) << 6 << false;
    QTest::newRow("zoom 1.5, pen 1") << 1.5 << 1.0 << 1 << QSize(1202, 872) << 2 << false;
    QTest::newRow("zoom 1.5, pen 3 (4.5 rounded up)")
        << 1.5 << 1.0 << 3 << QSize(1202, 872) << 5 << false;
    QTest::newRow("zoom 2, pen 1") << 2.0 << 1.0 << 1 << QSize(1602, 1162) << 2 << false;
    QTest::newRow("zoom 2, pen 3") << 2.0 << 1.0 << 3 << QSize(1602, 1162) << 6 << false;
    QTest::newRow("zoom 2 at ratio 2, pen 3")
        << 2.0 << 2.0 << 3 << QSize(3204, 2324) << 12 << false;
    QTest::newRow("zoom 0.5, pen 3 (1.5 rounded up)")
        << 0.5 << 1.0 << 3 << QSize(401, 291) << 2 << false;
    QTest::newRow("projector at zoom 1.4, pen 1")
        << 1.4 << 1.0 << 1 << QSize(1121, 813) << 1 << true;
    QTest::newRow("projector at zoom 1.5, pen 1 (2 x 1.5)")
        << 1.5 << 1.0 << 1 << QSize(1202, 872) << 3 << true;
    QTest::newRow("projector at zoom 2, pen 3 (4 x 2)")
        << 2.0 << 1.0 << 3 << QSize(1602, 1162) << 8 << true;
}

void tst_ImageSurface::verticalLineCoversItsPenWidth() {
    QFETCH(double, zoom);
    QFETCH(qreal, ratio);
    QFETCH(int, penWidth);
    QFETCH(QSize, imageSize);
    QFETCH(int, devicePixels);
    QFETCH(bool, projector);
    ImageSurface surface(zoom, ratio);
    surface.setProjectorColours(projector);
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
    QTest::addColumn<bool>("projector");
    QTest::newRow("ratio 1") << 1.0 << 1.0 << false;
    QTest::newRow("ratio 1.5") << 1.0 << 1.5 << false;
    QTest::newRow("ratio 2") << 1.0 << 2.0 << false;
    QTest::newRow("zoom 1.37") << 1.37 << 1.0 << false;
    QTest::newRow("zoom 2 at ratio 1.5") << 2.0 << 1.5 << false;
    QTest::newRow("projector colours, thicker at zoom 1.86") << 1.86 << 1.0 << true;
}

void tst_ImageSurface::greyRedrawErasesExactly() {
    QFETCH(double, zoom);
    QFETCH(qreal, ratio);
    QFETCH(bool, projector);
    ImageSurface surface(zoom, ratio);
    surface.setProjectorColours(projector);
    // Source arrows at awkward angles, drawn and erased as the run does.
    for (double phase = 0.0; phase < 6.3; phase += 0.37) {
        const auto x2 = static_cast<float>(80 - 20 * std::cos(phase));
        const auto y2 = static_cast<float>(340.5 - 20 * std::sin(phase));
        surface.line(80, 340.5f, x2, y2, Colour::lowerSlit());
        QVERIFY(!allGrey(surface.image()));
        surface.line(80, 340.5f, x2, y2, Colour::lightGrey());
        QVERIFY2(allGrey(surface.image()),
                 qPrintable(QStringLiteral("left over at %1").arg(phase)));
    }
}

void tst_ImageSurface::projectorColoursStandOutForEveryEye_data() {
    QTest::addColumn<Colour>("colour");
    QTest::newRow("sums") << Colour::projectorSumArrow();
    QTest::newRow("lower slit") << Colour::projectorLowerSlit();
    QTest::newRow("expected line") << Colour::projectorExpectedLine();
}

void tst_ImageSurface::projectorColoursStandOutForEveryEye() {
    QFETCH(Colour, colour);
    QVERIFY2(contrast(colour, Colour::background()) >= 3.0,
             qPrintable(QString::number(contrast(colour, Colour::background()))));
    // The expected line over the sums, told apart without red or green cones: seen at least a
    // quarter as far apart as black from white.
    for (const Matrix& eye : {protanopia, deuteranopia}) {
        const double blackToWhite = seenDistance(eye, Colour::foreground(), Colour{0xFFFFFF});
        QVERIFY(seenDistance(eye, Colour::forProjector(Colour::expectedLine()),
                             Colour::forProjector(Colour::sumArrow())) >= blackToWhite / 4);
    }
    // Black and the background stay, so that erasing still erases.
    QCOMPARE(Colour::forProjector(Colour::background()), Colour::background());
    QCOMPARE(Colour::forProjector(Colour::foreground()), Colour::foreground());
}

void tst_ImageSurface::slitColoursStayApartForEveryEye_data() {
    QTest::addColumn<bool>("projector");
    QTest::addColumn<double>("apart"); // neighbours, at least, as a share of black from white
    QTest::newRow("as drawn: neighbours a quarter apart") << false << 0.25;
    // Dark colours only, black and brown as they always were the closest.
    QTest::newRow("projector: 3:1 on the grey") << true << 0.05;
}

void tst_ImageSurface::slitColoursStayApartForEveryEye() {
    QFETCH(bool, projector);
    QFETCH(double, apart);
    const auto shown = [projector](int slit) {
        return projector ? Colour::forProjector(Colour::slit(slit)) : Colour::slit(slit);
    };
    QCOMPARE(Colour::slit(0), Colour::foreground());
    QCOMPARE(Colour::slit(1), Colour::lowerSlit());
    constexpr Matrix seen = {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
    for (const Matrix& eye : {seen, protanopia, deuteranopia}) {
        const double blackToWhite = seenDistance(eye, Colour::foreground(), Colour{0xFFFFFF});
        for (int slit = 0; slit < Colour::slitColours; ++slit) {
            QVERIFY(projector
                        ? contrast(shown(slit), Colour::background()) >= 3.0
                        : seenDistance(eye, shown(slit), Colour::background()) >= blackToWhite / 6);
            QVERIFY(slit == 0 ||
                    seenDistance(eye, shown(slit - 1), shown(slit)) >= apart * blackToWhite);
        }
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
