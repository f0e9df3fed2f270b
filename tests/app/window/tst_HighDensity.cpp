// The picture on a high-density screen: made at the screen's pixel ratio, sharp, and of the
// same logical size. Run with QT_SCALE_FACTOR=2, and with 0.5, which the program raises to 1.
#include "ToolkitStart.h"
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
    const int ratio = std::max(1, qRound(qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()));
    QCOMPARE(window.devicePixelRatioF(), ratio);
    window.cmdStart_Click();
    const QImage picture = window.session().surface().snapshot();
    QCOMPARE(picture.devicePixelRatio(), ratio);
    QCOMPARE(picture.size(), QSize(801, 581) * ratio);
    QCOMPARE(picture.deviceIndependentSize(), QSizeF(801, 581));
    // Row 200 crosses the shield (pen 3) and the detector, sum and pattern axes (pen 2 each):
    // each covers exactly its width times the ratio in device pixels, with no grey beside it.
    QCOMPARE(blackInRow(picture, 200 * ratio), 3 * ratio + 3 * 2 * ratio);
    for (int x = 0; x < picture.width(); ++x) {
        const QRgb pixel = picture.pixel(x, 200 * ratio);
        QVERIFY(pixel == 0xFF000000 || pixel == 0xFFC0C0C0);
    }
    window.session().finish();
}

int main(int argc, char** argv) {
    // Started as the program starts the toolkit.
    const std::unique_ptr<QApplication> app = ToolkitStart::start(argc, argv);
    tst_HighDensity test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_HighDensity.moc"
