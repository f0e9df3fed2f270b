// The scene and whole runs drawn on the image surface the window shows: where the apparatus's
// pixels land, and that a seed always gives the same picture. The one simulation test that needs
// Qt's painting.
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
    void sameSeedSamePicture();
    void startUpSettingsDrawTheDesignedPicture();
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

void tst_DrawnPicture::sameSeedSamePicture() {
    const auto picture = [](std::uint64_t seed) {
        ImageSurface surface;
        RandomGenerator random(seed);
        FakeFields fields;
        fields.setText(SettingField::PocetFotonu, QStringLiteral("10"));
        PhotonRun run(surface, random, fields);
        runWhole(run);
        return surface.snapshot();
    };
    const QImage first = picture(1234);
    QCOMPARE(picture(1234), first);
    QVERIFY(picture(1235) != first);
}

void tst_DrawnPicture::startUpSettingsDrawTheDesignedPicture() {
    // The fingerprint of the designed experiment's picture for seed 1234 at 10 photons a dot,
    // taken before the experiment could be changed: a new setting at its start-up value must
    // leave every pixel and every random draw as they were.
    ImageSurface surface;
    RandomGenerator random(1234);
    FakeFields fields;
    fields.setText(SettingField::PocetFotonu, QStringLiteral("10"));
    PhotonRun run(surface, random, fields);
    runWhole(run);
    const QImage image = surface.snapshot();
    const QByteArray bytes(reinterpret_cast<const char*>(image.constBits()),
                           static_cast<qsizetype>(image.sizeInBytes()));
    QCOMPARE(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex().left(32),
             QByteArray("cb864475556df52a61f931f9e249faf2"));
}

QTEST_MAIN(tst_DrawnPicture)
#include "tst_DrawnPicture.moc"
