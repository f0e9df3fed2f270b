// The scene and whole runs drawn on the image surface the window shows: where the apparatus's
// pixels land, that a seed always gives the same picture, and which picture that is. The one
// simulation test that needs Qt's painting.
#include "FakeFields.h"
#include "ImageSurface.h"
#include "PhotonRun.h"
#include "RandomGenerator.h"
#include "Scene.h"
#include "SettingReader.h"

#include <QCryptographicHash>
#include <QTest>

#include <limits>

namespace {

void runWhole(PhotonRun& run) {
    run.start();
    while (!run.advance(std::numeric_limits<long long>::max())) {
    }
}

} // namespace

class tst_DrawnPicture : public QObject {
    Q_OBJECT
private slots:
    void apparatusPixelsLandInTheImage();
    void secondPreparePaintsOverTheFirst();
    void seededRunDrawsTheKnownPicture_data();
    void seededRunDrawsTheKnownPicture();
};

void tst_DrawnPicture::apparatusPixelsLandInTheImage() {
    ImageSurface surface;
    FakeFields fields;
    SettingReader settings(fields);
    Scene::prepare(surface, settings);
    const QImage image = surface.snapshot();
    const QRgb black = 0xFF000000;
    const QRgb grey = 0xFFC0C0C0;
    for (int x : {149, 150, 151}) {
        QCOMPARE(image.pixel(x, 200), black); // the shield, 3 pixels wide
    }
    QCOMPARE(image.pixel(147, 200), grey);
    QCOMPARE(image.pixel(153, 200), grey);
    for (int y : {70, 300, 530}) {
        QCOMPARE(image.pixel(300, y), black); // the detector line
    }
    QCOMPARE(image.pixel(300, 60), grey);
    QCOMPARE(image.pixel(300, 540), grey);
    QCOMPARE(image.pixel(100, 340), black); // the axis from 100
    QCOMPARE(image.pixel(770, 340), black); // to 770
    QCOMPARE(image.pixel(790, 340), grey);
    QCOMPARE(image.pixel(80, 340), grey);  // the source circle is an outline around (80, 340.5)
    QCOMPARE(image.pixel(85, 340), black); // at radius 5
}

void tst_DrawnPicture::secondPreparePaintsOverTheFirst() {
    ImageSurface surface;
    FakeFields fields;
    SettingReader settings(fields);
    Scene::prepare(surface, settings);
    const QImage once = surface.snapshot();
    surface.setPenWidth(2);
    surface.line(550, 200, 1000, 200); // a bar of a previous run
    surface.line(5, 100, 300, 400);
    Scene::prepare(surface, settings);
    QCOMPARE(surface.snapshot(), once);
}

void tst_DrawnPicture::seededRunDrawsTheKnownPicture_data() {
    QTest::addColumn<int>("photons");
    QTest::addColumn<int>("slowdown");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<QByteArray>("sha1"); // of the image's pixel bytes, row after row
    QTest::newRow("default run") << 50 << 1 << 1.0 << 1.0
                                 << QByteArray("960a26f79e09054dd2ffc59acba1063e5b932061");
    QTest::newRow("slowdown 2 at zoom 2")
        << 10 << 2 << 2.0 << 1.0 << QByteArray("df5e478aaa69390bc22dcf6bb3e37a9c38e8c2c9");
    QTest::newRow("slowdown 3 at zoom 1.5, pixel ratio 2")
        << 5 << 3 << 1.5 << 2.0 << QByteArray("525c7d2ae9f3cd44c4a3b80ad6fe5eebc5044fe8");
    QTest::newRow("one photon at zoom 0.5")
        << 1 << 1 << 0.5 << 1.0 << QByteArray("94113f98d307bb0ba7b722ecc8d90185f780b309");
}

void tst_DrawnPicture::seededRunDrawsTheKnownPicture() {
    // The pictures a render with seed 7 has always made: any change to how lines reach the
    // image, however it is sped up, must leave every pixel as it was.
    QFETCH(int, photons);
    QFETCH(int, slowdown);
    QFETCH(double, zoom);
    QFETCH(double, ratio);
    QFETCH(QByteArray, sha1);
    ImageSurface surface(zoom, ratio);
    RandomGenerator random(7);
    FakeFields fields;
    fields.setText(SettingField::PhotonsPerDot, QString::number(photons));
    fields.setText(SettingField::Slowdown, QString::number(slowdown));
    PhotonRun run(surface, random, fields);
    runWhole(run);
    const QImage image = surface.snapshot();
    QCOMPARE(QCryptographicHash::hash(QByteArrayView(image.constBits(), image.sizeInBytes()),
                                      QCryptographicHash::Sha1)
                 .toHex(),
             sha1);
}

QTEST_MAIN(tst_DrawnPicture)
#include "tst_DrawnPicture.moc"
