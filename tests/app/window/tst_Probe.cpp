// The arrow probe in the window: put by its key or a click, moved by the arrow keys, following a
// changed setting, described for screen readers, and drawn over the picture without touching it.
#include "WindowControls.h"
#include "frmSlitwise.h"

#include <QLineEdit>
#include <QTest>

class tst_Probe : public QObject {
    Q_OBJECT
private slots:
    void probeIsLaidOverThePictureAndLeavesItAsItWas();
};

void tst_Probe::probeIsLaidOverThePictureAndLeavesItAsItWas() {
    const auto window = activeWindow(1);
    window->cmdStart_Click();
    window->session().finish();
    auto* canvas = window->findChild<QWidget*>(QStringLiteral("pictureCanvas"));
    const QImage kept = window->session().surface().snapshot();
    const QImage shown = canvas->grab().toImage();

    QTest::keyClick(window.get(), Qt::Key_A);
    QCOMPARE(window->session().probeHeight(), std::optional(340.5));
    QVERIFY(canvas->accessibleDescription().contains(QStringLiteral("Chance here: 100 %")));
    QVERIFY(canvas->grab().toImage() != shown);
    QTest::keyClick(window.get(), Qt::Key_Up, Qt::ShiftModifier);
    QTest::keyClick(window.get(), Qt::Key_Down);
    QCOMPARE(window->session().probeHeight(), std::optional(331.5));
    // A click right of the slits probes its height, in design pixels at any zoom.
    window->zoomTo(2);
    QTest::mouseClick(canvas, Qt::LeftButton, {}, QPoint(1200, 400));
    QCOMPARE(window->session().probeHeight(), std::optional(200.0));
    // A changed setting is probed at once.
    const QString before = canvas->accessibleDescription();
    control<QLineEdit>(*window, "nRd")->setText(QStringLiteral("60"));
    QVERIFY(canvas->accessibleDescription() != before);
    control<QLineEdit>(*window, "nRd")->setText(QStringLiteral("40"));

    window->zoomTo(1);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    QVERIFY(!window->session().probeHeight());
    QCOMPARE(canvas->grab().toImage(), shown);
    QCOMPARE(window->session().surface().snapshot(), kept);
}

QTEST_MAIN(tst_Probe)
#include "tst_Probe.moc"
