// The window under trouble: many Starts during a run, the window resized, minimised, covered or
// its scroll bar worked during a run, the window closed during a run, and hidden setting fields
// holding texts no button would write. None of it may change a run's picture, crash or hang.
#include "WindowControls.h"
#include "frmSlitwise.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

namespace {

constexpr std::uint64_t seed = 9;

// Done to a window during a run, whose clock moves only as the disturbance says.
using Disturbance = std::function<void(frmSlitwise&, RunClock&)>;

} // namespace

Q_DECLARE_METATYPE(Disturbance)

class tst_Faults : public QObject {
    Q_OBJECT
private slots:
    void twentyStartsDuringARunStartOneMore();
    void disturbanceLeavesTheRunsPicture_data();
    void disturbanceLeavesTheRunsPicture();
    void closeDuringARunEndsTheProgramAtOnce();
    void oddSettingTextIsReportedOrRuns_data();
    void oddSettingTextIsReportedOrRuns();
    void settingSpoiltDuringARunEndsItWithAMessage();
    void exitDuringARunClosesAtOnce();
};

void tst_Faults::twentyStartsDuringARunStartOneMore() {
    frmSlitwise window(seed);
    window.show();
    int finished = 0;
    connect(&window.session(), &RunSession::finished, this, [&finished] { ++finished; });
    auto* start = control(window, "cmdStart");
    QTest::mouseClick(start, Qt::LeftButton);
    for (int i = 0; i < 20; ++i) {
        QTest::mouseClick(start, Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    QTest::mouseClick(control(window, "opFot1"), Qt::LeftButton);
    QVERIFY(window.session().isRunning());
    window.session().finish();
    QCOMPARE(finished, 1);
    QVERIFY(window.session().isRunning());
    // The click made after the Starts waits for the further run.
    QCOMPARE(text(window, "nPocetFotonu"), QStringLiteral("50"));
    window.session().finish();
    QCOMPARE(text(window, "nPocetFotonu"), QStringLiteral("1"));
    QCOMPARE(finished, 2);
    QVERIFY(!window.session().isRunning());
    QCoreApplication::processEvents();
    QVERIFY(!window.session().isRunning());
    QCOMPARE(window.session().surface().snapshot(), undisturbedPicture(seed, 2));
}

void tst_Faults::disturbanceLeavesTheRunsPicture_data() {
    QTest::addColumn<Disturbance>("disturb");
    QTest::newRow("resized smaller and larger")
        << Disturbance([](frmSlitwise& window, RunClock& clock) {
               const QSize size = window.size();
               for (int i = 0; i < 20; ++i) {
                   window.resize(300 + 40 * i, 200 + 30 * i);
                   clock.passes(5);
                   // Now and then the size settles and the picture is drawn again at it.
                   if (i % 5 == 4) {
                       window.session().finishRedraw();
                   }
               }
               window.resize(size);
           });
    QTest::newRow("minimised and restored")
        << Disturbance([](frmSlitwise& window, RunClock& clock) {
               for (int i = 0; i < 3; ++i) {
                   window.showMinimized();
                   QCoreApplication::processEvents();
                   clock.passes(30);
                   window.showNormal();
                   QCoreApplication::processEvents();
                   clock.passes(30);
               }
           });
    QTest::newRow("covered by another window")
        << Disturbance([](frmSlitwise& window, RunClock& clock) {
               QWidget cover;
               cover.setGeometry(window.geometry());
               cover.show();
               cover.raise();
               cover.activateWindow();
               QVERIFY(QTest::qWaitForWindowActive(&cover));
               clock.passes(100);
               cover.close();
               window.activateWindow();
               QVERIFY(QTest::qWaitForWindowActive(&window));
               clock.passes(20);
           });
    QTest::newRow("scroll bar moved back and forth 50 times")
        << Disturbance([](frmSlitwise& window, RunClock&) {
               auto* bar = control<QScrollBar>(window, "HScroll1");
               for (int i = 0; i < 50; ++i) {
                   bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
                   QCoreApplication::processEvents();
                   bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
                   QCoreApplication::processEvents();
               }
               // The held handlers write the slowdown only after the run.
               QCOMPARE(text(window, "nSpomaleni"), QStringLiteral("1"));
           });
}

void tst_Faults::disturbanceLeavesTheRunsPicture() {
    QFETCH(Disturbance, disturb);
    frmSlitwise window(seed);
    RunClock clock(window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(control(window, "cmdStart"), Qt::LeftButton);
    disturb(window, clock);
    // At the window's own pace the run lasts seconds of its clock, so all of the above happened
    // during it.
    QVERIFY(window.session().isRunning());
    window.session().finish();
    QCOMPARE(window.session().surface().snapshot(), undisturbedPicture(seed));
    QCOMPARE(text(window, "nSpomaleni"), QStringLiteral("1"));
    QVERIFY(allCaptionsShown(window));
}

void tst_Faults::closeDuringARunEndsTheProgramAtOnce() {
    QTemporaryDir runtimeDir;
    QVERIFY(runtimeDir.isValid());
    QFile::setPermissions(runtimeDir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir.path());
    child.setProcessEnvironment(environment);
    child.start(QStringLiteral(SLITWISE_CLOSE_HELPER), QStringList());
    QVERIFY(child.waitForFinished(20000));
    const QString output = QString::fromLocal8Bit(child.readAllStandardOutput());
    QVERIFY2(child.exitStatus() == QProcess::NormalExit,
             qPrintable(QString::fromLocal8Bit(child.readAllStandardError())));
    QCOMPARE(child.exitCode(), 0);
    // The program ended with the run under way: it neither finished the run nor ran what was held.
    QVERIFY2(output.contains(QStringLiteral("running after the close: 0\n")), qPrintable(output));
    QVERIFY2(output.contains(QStringLiteral("runs finished: 0\n")), qPrintable(output));
    QVERIFY2(output.contains(QStringLiteral("photons per dot: 50\n")), qPrintable(output));
}

void tst_Faults::oddSettingTextIsReportedOrRuns_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("odd");
    QTest::addColumn<bool>("reported"); // a message and no run; otherwise a whole run
    const struct {
        const char* name;
        const char* field;
        const char* odd;
        bool reported;
    } rows[] = {
        {"photons not a number: reported", "nPocetFotonu", "many", true},
        {"photons empty: 0, no photons sent", "nPocetFotonu", "", false},
        {"photons 1e308: reported as out of range", "nPocetFotonu", "1e308", true},
        {"photons negative: no photons sent", "nPocetFotonu", "-5", false},
        {"photons a fraction: 2.5 sends 2", "nPocetFotonu", "2.5", false},
        {"slowdown not a number: reported", "nSpomaleni", "slow", true},
        {"slowdown empty: 0, no animation", "nSpomaleni", "", false},
        {"slowdown 1e308: reported as out of range", "nSpomaleni", "1e308", true},
        {"slowdown negative: no animation", "nSpomaleni", "-3", false},
        {"distance not a number: reported", "nVzdalenost", "far", true},
        {"distance empty: detector at 100", "nVzdalenost", "", false},
        {"distance 1e308: reported as out of range", "nVzdalenost", "1e308", true},
        {"distance negative: detector off the picture", "nVzdalenost", "-32767", false},
        {"distance largest: detector off the picture", "nVzdalenost", "32767", false},
        {"turn not a number: reported", "nUr", "x1", true},
        {"turn empty: arrows never turn", "nUr", "", false},
        {"turn 1e308: reported as out of range", "nUr", "1e308", true},
        {"turn negative: arrows turn back", "nUr", "-1", false},
        {"separation not a number: reported", "nRd", "4O", true},
        {"separation empty: slits together", "nRd", "", false},
        {"separation 1e308: reported as out of range", "nRd", "1e308", true},
        {"separation negative: slits swapped", "nRd", "-40", false},
        {"separation largest: slits off the picture", "nRd", "32767", false},
        {"scatter not a number: reported", "nRozptyl", "wide", true},
        {"scatter empty: 0, the zero-scatter run", "nRozptyl", "", false},
        {"scatter 1e308: reported as out of range", "nRozptyl", "1e308", true},
        {"scatter negative: runs", "nRozptyl", "-180", false},
        {"infinity: reported as not a number", "nRd", "inf", true},
        {"NaN: reported as not a number", "nUr", "nan", true},
    };
    for (const auto& row : rows) {
        QTest::newRow(row.name) << QString::fromLatin1(row.field) << QString::fromLatin1(row.odd)
                                << row.reported;
    }
}

void tst_Faults::oddSettingTextIsReportedOrRuns() {
    QFETCH(QString, field);
    QFETCH(QString, odd);
    QFETCH(bool, reported);
    frmSlitwise window(seed);
    window.show();
    const QImage before = window.session().surface().snapshot();
    window.findChild<QLineEdit*>(field)->setText(odd);
    QTest::mouseClick(control(window, "cmdStart"), Qt::LeftButton);
    auto* box = window.findChild<QMessageBox*>(QStringLiteral("settingMessage"));
    if (reported) {
        QVERIFY(box != nullptr);
        QVERIFY2(box->text().startsWith(field + QStringLiteral(" holds \"") + odd),
                 qPrintable(box->text()));
        QVERIFY(!window.session().isRunning());
        QCOMPARE(window.session().surface().snapshot(), before);
        return;
    }
    QVERIFY2(box == nullptr, qPrintable(box ? box->text() : QString()));
    QVERIFY(window.session().isRunning());
    window.session().finish();
    QVERIFY(!window.session().isRunning());
    QVERIFY(allCaptionsShown(window));
    QVERIFY(window.findChild<QMessageBox*>(QStringLiteral("settingMessage")) == nullptr);
}

void tst_Faults::settingSpoiltDuringARunEndsItWithAMessage() {
    frmSlitwise window(seed);
    RunClock clock(window);
    window.show();
    QTest::mouseClick(control(window, "cmdStart"), Qt::LeftButton);
    QVERIFY(window.session().isRunning());
    // Read again at the next photon, as every run reads it: within the next frame.
    control<QLineEdit>(window, "nSpomaleni")->setText(QStringLiteral("1e308"));
    clock.passes(16);
    QVERIFY(!window.session().isRunning());
    auto* box = window.findChild<QMessageBox*>(QStringLiteral("settingMessage"));
    QVERIFY(box != nullptr);
    QVERIFY(box->text().startsWith(QStringLiteral("nSpomaleni holds \"1e308\"")));
    // The window stays usable.
    box->accept();
    control<QLineEdit>(window, "nSpomaleni")->setText(QStringLiteral("1"));
    QTest::mouseClick(control(window, "cmdStart"), Qt::LeftButton);
    QVERIFY(window.session().isRunning());
    window.session().finish();
    QVERIFY(allCaptionsShown(window));
}

void tst_Faults::exitDuringARunClosesAtOnce() {
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

QTEST_MAIN(tst_Faults)
#include "tst_Faults.moc"
