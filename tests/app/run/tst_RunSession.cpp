// The run session without a window: every pace a teacher may choose drawing the same picture, a
// second Start painting over the first, and bad setting texts refused with nothing run.
#include "FakeFields.h"
#include "PhotonRun.h"
#include "RunSession.h"

#include <QLocale>
#include <QSignalSpy>
#include <QTest>

class tst_RunSession : public QObject {
    Q_OBJECT
private slots:
    void everyPaceDrawsTheSamePicture_data();
    void everyPaceDrawsTheSamePicture();
    void secondStartPaintsOver();
    void badSettingTextIsReportedAndNothingRuns_data();
    void badSettingTextIsReportedAndNothingRuns();
};

void tst_RunSession::everyPaceDrawsTheSamePicture_data() {
    QTest::addColumn<int>("level"); // of RunPacer::levels
    QTest::addColumn<QString>("slowdown");
    QTest::addColumn<double>("hertz"); // the screen's refresh rate, one tick a frame
    QTest::addColumn<int>("seconds");
    QTest::addColumn<int>("photons"); // finished in those seconds, to 1 % or one photon
    QTest::newRow("the default, 4,000 repetitions a second, at 60 Hz")
        << 0 << "1" << 60.0 << 1 << 4000;
    QTest::newRow("the default at 144 Hz") << 0 << "1" << 144.0 << 1 << 4000;
    QTest::newRow("the default at 30 Hz") << 0 << "1" << 30.0 << 1 << 4000;
    QTest::newRow("50 repetitions a second, 2 a photon") << 3 << "2" << 60.0 << 10 << 250;
    QTest::newRow("10 photons a second of 3 repetitions") << 4 << "3" << 60.0 << 10 << 100;
    QTest::newRow("one photon a second") << 6 << "1" << 60.0 << 10 << 10;
    QTest::newRow("one photon a second of 3 repetitions") << 6 << "3" << 60.0 << 10 << 10;
}

void tst_RunSession::everyPaceDrawsTheSamePicture() {
    QFETCH(int, level);
    QFETCH(QString, slowdown);
    QFETCH(double, hertz);
    QFETCH(int, seconds);
    QFETCH(int, photons);
    FakeFields fields;
    fields.setText(SettingField::Slowdown, slowdown);
    RunSession session(fields, 3, 1.0);
    qint64 nowNs = 0;
    session.setClock([&nowNs] { return nowNs; });
    session.setFrameRate(hertz);
    session.setPaceLevel(level);
    session.start();
    // The seconds' frames on the test's clock, however long the drawing takes.
    for (int frame = 1; frame <= qRound(seconds * hertz); ++frame) {
        nowNs = qRound64(frame * 1e9 / hertz);
        session.tick();
    }
    const PhotonRun::Progress progress = *session.progress();
    const long long done = (progress.point - 1) * 50LL + progress.photon - 1;
    QVERIFY2(std::abs(done - photons) <= std::max(1, photons / 100),
             qPrintable(QString::number(done)));
    session.finish();
    // Finished at once, the run is no longer the pacer's to step.
    QSignalSpy drawn(&session, &RunSession::pictureChanged);
    nowNs += 1'000'000'000;
    session.tick();
    QCOMPARE(drawn.count(), 0);
    ImageSurface undisturbed;
    RandomGenerator random(3);
    PhotonRun run(undisturbed, random, fields);
    run.start();
    run.advance(std::numeric_limits<long long>::max());
    QCOMPARE(session.surface().snapshot(), undisturbed.snapshot());
}

void tst_RunSession::secondStartPaintsOver() {
    FakeFields fields;
    RunSession session(fields, 3, 1.0);
    session.start();
    const QImage apparatusOnly = session.surface().snapshot();
    session.finish();
    QVERIFY(session.surface().snapshot() != apparatusOnly);
    session.start();
    // Only the first photon's arrows stand over the fresh apparatus.
    QCOMPARE(session.surface().snapshot(), apparatusOnly);
    session.finish();
}

void tst_RunSession::badSettingTextIsReportedAndNothingRuns_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("bad");
    QTest::addColumn<QString>("message");
    QTest::newRow("distance not a number") << "nVzdalenost"
                                           << "abc"
                                           << "nVzdalenost holds \"abc\", which is not a number.";
    QTest::newRow("slit separation not a number") << "nRd"
                                                  << "4O"
                                                  << "nRd holds \"4O\", which is not a number.";
    QTest::newRow("photons far too many")
        << "nPocetFotonu"
        << "1e308"
        << QStringLiteral("nPocetFotonu holds \"1e308\", which is out of range (at most %1 either "
                          "side of 0).")
               .arg(QLocale().toString(32767)); // as the user's locale writes numbers
}

void tst_RunSession::badSettingTextIsReportedAndNothingRuns() {
    QFETCH(QString, field);
    QFETCH(QString, bad);
    QFETCH(QString, message);
    SettingField which{};
    for (const FormFields::Setting& setting : FormFields::settings) {
        if (FormFields::name(setting.field) == field) {
            which = setting.field;
        }
    }
    FakeFields fields;
    RunSession session(fields, 1, 1.0);
    QSignalSpy refused(&session, &RunSession::settingRefused);
    const QImage before = session.surface().snapshot();
    fields.setText(which, bad);
    session.start();
    QCOMPARE(refused.count(), 1);
    QCOMPARE(refused.first().first().toString(), message);
    QVERIFY(!session.isRunning());
    QCOMPARE(session.surface().snapshot(), before);
    // With the text mended, Start runs.
    fields.setText(which, QStringLiteral("40"));
    session.start();
    QVERIFY(session.isRunning());
    session.finish();
}

QTEST_MAIN(tst_RunSession)
#include "tst_RunSession.moc"
