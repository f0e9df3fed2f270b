// Runs in the window: the timer's pace and every pace a teacher may choose drawing the same
// picture, clicks held during a run, the captions at a run's end, bad setting texts and Exit.
#include "FakeFields.h"
#include "PhotonRun.h"
#include "WindowControls.h"
#include "frmSlitwise.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <functional>

namespace {

void click(frmSlitwise& window, const char* name) {
    QTest::mouseClick(control(window, name), Qt::LeftButton);
}

void slower(frmSlitwise& window) {
    control<QScrollBar>(window, "HScroll1")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
}

using Clicks = std::function<void(frmSlitwise&)>;

} // namespace

Q_DECLARE_METATYPE(Clicks)

class tst_RunSession : public QObject {
    Q_OBJECT
private slots:
    void timerDrivenRunMatchesOneWithoutAWindow();
    void everyPaceDrawsTheSamePicture_data();
    void everyPaceDrawsTheSamePicture();
    void clicksDuringARunAreHeldUntilItEnds_data();
    void clicksDuringARunAreHeldUntilItEnds();
    void secondStartPaintsOverAndKeepsCaptions();
    void badSettingTextIsReportedAndNothingRuns_data();
    void badSettingTextIsReportedAndNothingRuns();
    void exitDuringARunClosesAtOnce();
};

void tst_RunSession::timerDrivenRunMatchesOneWithoutAWindow() {
    frmSlitwise window(77);
    RunClock clock(window);
    window.show();
    QTest::mouseClick(control(window, "cmdStart"), Qt::LeftButton);
    // The captions wait for the run's end.
    int ticksSeen = 0;
    while (window.session().isRunning()) {
        for (const char* caption : captionNames) {
            QVERIFY2(!control(window, caption)->isVisible(), caption);
        }
        ++ticksSeen;
        clock.passes(16);
    }
    QVERIFY(ticksSeen > 1);
    QVERIFY(allCaptionsShown(window));

    ImageSurface surface;
    RandomGenerator random(77);
    FakeFields fields;
    PhotonRun run(surface, random, fields);
    run.start();
    run.advance(std::numeric_limits<long long>::max());
    QCOMPARE(window.session().surface().snapshot(), surface.snapshot());
}

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

void tst_RunSession::clicksDuringARunAreHeldUntilItEnds_data() {
    QTest::addColumn<Clicks>("clicks");   // made during a run with 50 photons and slowdown 1
    QTest::addColumn<QStringList>("log"); // each run with its settings, each setting written
    QTest::newRow("choices apply after the run, in the order made")
        << Clicks([](frmSlitwise& window) {
               click(window, "opfot500");
               slower(window);
               click(window, "opFot10");
               // The controls show the clicks at once; the run goes on with what it started with.
               QVERIFY(control<QRadioButton>(window, "opFot10")->isChecked());
               QCOMPARE(control<QScrollBar>(window, "HScroll1")->value(), 2);
           })
        << QStringList({"run 50 1", "photons 500", "slowdown 2", "photons 10"});
    QTest::newRow("a Start after a held choice runs with it; Starts in a row are one")
        << Clicks([](frmSlitwise& window) {
               click(window, "cmdStart");
               click(window, "opFot5");
               click(window, "cmdStart");
               click(window, "cmdStart");
           })
        << QStringList({"run 50 1", "run 50 1", "photons 5", "run 5 1"});
    QTest::newRow("scroll moves write the values seen at each move")
        << Clicks([](frmSlitwise& window) {
               slower(window);
               slower(window);
           })
        << QStringList({"run 50 1", "slowdown 2", "slowdown 3"});
    QTest::newRow("a paused run holds them too") << Clicks([](frmSlitwise& window) {
        window.session().togglePause();
        click(window, "opFot5");
        click(window, "cmdStart");
    }) << QStringList({"run 50 1 paused", "photons 5", "run 5 1"});
    QTest::newRow("Stop drops the held Starts and applies the held choices")
        << Clicks([](frmSlitwise& window) {
               click(window, "cmdStart");
               click(window, "opFot5");
               click(window, "cmdStart");
               slower(window);
               window.session().stop();
               QCOMPARE(window.accessibleDescription(), QStringLiteral("Run stopped"));
           })
        << QStringList({"photons 5", "slowdown 2"});
}

void tst_RunSession::clicksDuringARunAreHeldUntilItEnds() {
    QFETCH(Clicks, clicks);
    QFETCH(QStringList, log);
    frmSlitwise window(1);
    window.show();
    QStringList seen;
    for (const char* name : {"nPocetFotonu", "nSpomaleni"}) {
        const QString what =
            name[1] == 'P' ? QStringLiteral("photons ") : QStringLiteral("slowdown ");
        connect(control<QLineEdit>(window, name), &QLineEdit::textChanged, this,
                [&seen, what](const QString& text) { seen << what + text; });
    }
    click(window, "cmdStart");
    clicks(window);
    while (window.session().isRunning()) {
        seen << QStringLiteral("run %1 %2%3")
                    .arg(text(window, "nPocetFotonu"), text(window, "nSpomaleni"),
                         window.session().isPaused() ? QStringLiteral(" paused") : QString());
        window.session().finish();
    }
    QCOMPARE(seen, log);
}

void tst_RunSession::secondStartPaintsOverAndKeepsCaptions() {
    frmSlitwise window(3);
    window.show();
    window.cmdStart_Click();
    const QImage apparatusOnly = window.session().surface().snapshot();
    window.session().finish();
    QVERIFY(window.session().surface().snapshot() != apparatusOnly);
    window.cmdStart_Click();
    // Only the first photon's arrows stand over the fresh apparatus.
    QCOMPARE(window.session().surface().snapshot(), apparatusOnly);
    QVERIFY(control(window, "nZdroj")->isVisible());
    QVERIFY(control(window, "labKlepnete")->isVisible());
    window.session().finish();
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
    frmSlitwise window(1);
    window.show();
    const QImage before = window.session().surface().snapshot();
    window.findChild<QLineEdit*>(field)->setText(bad);
    QTest::mouseClick(control(window, "cmdStart"), Qt::LeftButton);
    auto* box = window.findChild<QMessageBox*>(QStringLiteral("settingMessage"));
    QVERIFY(box != nullptr);
    QTRY_VERIFY(box->isVisible());
    QCOMPARE(box->text(), message);
    QVERIFY(!window.session().isRunning());
    QCOMPARE(window.session().surface().snapshot(), before);
    // The window stays usable: with the text mended, Start runs.
    box->accept();
    window.findChild<QLineEdit*>(field)->setText(QStringLiteral("40"));
    QTest::mouseClick(control(window, "cmdStart"), Qt::LeftButton);
    QVERIFY(window.session().isRunning());
    window.session().finish();
}

void tst_RunSession::exitDuringARunClosesAtOnce() {
    frmSlitwise window(1);
    RunClock clock(window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(control(window, "cmdStart"), Qt::LeftButton);
    QTest::mouseClick(control(window, "opFot1"), Qt::LeftButton);
    QTest::mouseClick(control(window, "cmdUnload"), Qt::LeftButton);
    QVERIFY(!window.isVisible());
    QVERIFY(!window.session().isRunning());
    // Longer than the whole run would have taken, and the click held during it never ran.
    clock.passes(10000);
    QCOMPARE(text(window, "nPocetFotonu"), QStringLiteral("50"));
}

QTEST_MAIN(tst_RunSession)
#include "tst_RunSession.moc"
