// The picture on a high-density screen: made at the screen's pixel ratio, sharp, and of the
// same logical size. Run with QT_SCALE_FACTOR=2.
#include "frmSlitwise.h"

#include <QTest>

namespace {

int blackInRow(const QImage& image, int y) {
    int count = 0;
    for (int x = 0; x < image.width(); ++x) {
        count += image.pixel(x, y) == 0xFF000000 ? 1 : 0;
    }
    return count;
}

} // namespace

class tst_HighDensity : public QObject {
    Q_OBJECT
private slots:
    void pictureIsMadeAtTheScreensRatio();
};

void tst_HighDensity::pictureIsMadeAtTheScreensRatio() {
    frmSlitwise window(1);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.devicePixelRatioF(), 2.0);
    window.cmdStart_Click();
    const QImage picture = window.session().surface().snapshot();
    QCOMPARE(picture.devicePixelRatio(), 2.0);
    QCOMPARE(picture.size(), QSize(1602, 1162));
    QCOMPARE(picture.deviceIndependentSize(), QSizeF(801, 581));
    // Row 200 crosses the shield (pen 3) and the detector, sum and pattern axes (pen 2 each):
    // each covers exactly its width times 2 device pixels, with no grey shading beside it.
    QCOMPARE(blackInRow(picture, 400), 3 * 2 + 3 * 2 * 2);
    for (int x = 0; x < picture.width(); ++x) {
        const QRgb pixel = picture.pixel(x, 400);
        QVERIFY(pixel == 0xFF000000 || pixel == 0xFFC0C0C0);
    }
    window.session().finish();
}

QTEST_MAIN(tst_HighDensity)
#include "tst_HighDensity.moc"
