// The tools over the picture: the arrow probe, put by its key or a click, moved by the arrow keys,
// following a changed setting and described for screen readers; the ruler, laid by a drag and
// measuring in design pixels at any zoom; kept patterns and the curtain. None touches the picture.
#include "WindowControls.h"
#include "frmSlitwise.h"

#include <QAbstractSpinBox>
#include <QLineEdit>
#include <QTest>

class tst_PictureTools : public QObject {
    Q_OBJECT
private slots:
    void probeIsLaidOverThePictureAndLeavesItAsItWas();
    void rulerMeasuresDesignPixelsAtEveryZoom_data();
    void rulerMeasuresDesignPixelsAtEveryZoom();
    void keptPatternsAndCurtainLeaveThePictureAsItWas();
};

void tst_PictureTools::probeIsLaidOverThePictureAndLeavesItAsItWas() {
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
    // More slits: each path numbered from the top, the difference that of neighbours.
    control<QLineEdit>(*window, "nPocetSterbin")->setText(QStringLiteral("3"));
    const QString three = canvas->accessibleDescription();
    QVERIFY2(three.contains(QStringLiteral("Path 3: ")) &&
                 three.contains(QStringLiteral("Between neighbouring slits:")),
             qPrintable(three));
    control<QLineEdit>(*window, "nPocetSterbin")->setText(QStringLiteral("2"));
    // The arrow keys stay a focused field's own.
    QTest::keyClick(window.get(), Qt::Key_X);
    auto* distance = window->findChild<QAbstractSpinBox*>(QStringLiteral("experimentDistance"));
    distance->setFocus();
    QTest::keyClick(distance, Qt::Key_Up);
    QCOMPARE(window->session().probeHeight(), std::optional(200.0));
    QCOMPARE(distance->text(), QStringLiteral("151 px"));

    window->zoomTo(1);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    QVERIFY(!window->session().probeHeight());
    QCOMPARE(canvas->grab().toImage(), shown);
    QCOMPARE(window->session().surface().snapshot(), kept);
}

void tst_PictureTools::rulerMeasuresDesignPixelsAtEveryZoom_data() {
    QTest::addColumn<double>("zoom");
    QTest::addColumn<QPoint>("from"); // design pixels
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<double>("length");
    QTest::newRow("across the sums at zoom 1")
        << 1.0 << QPoint(400, 100) << QPoint(430, 140) << 50.0;
    QTest::newRow("the same at zoom 2") << 2.0 << QPoint(400, 100) << QPoint(430, 140) << 50.0;
    // Both ends near the detector line snap onto it, at the middle fringe and the next: 24 px
    // apart for the designed experiment (λL/d = 23.6, the true fringe a little further).
    QTest::newRow("fringe to fringe, snapped")
        << 1.5 << QPoint(298, 338) << QPoint(303, 318) << 24.1;
}

void tst_PictureTools::rulerMeasuresDesignPixelsAtEveryZoom() {
    QFETCH(double, zoom);
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(double, length);
    const auto window = activeWindow(1);
    window->zoomTo(zoom);
    auto* canvas = window->findChild<QWidget*>(QStringLiteral("pictureCanvas"));
    QTest::keyClick(window.get(), Qt::Key_R);
    QVERIFY(window->session().ruler());
    QTest::mousePress(canvas, Qt::LeftButton, {}, from * zoom);
    QTest::mouseMove(canvas, to * zoom);
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, to * zoom);
    QCOMPARE(std::round(window->session().ruler()->length() * 10) / 10, length);
    QVERIFY(canvas->accessibleDescription().contains(QStringLiteral(" px")));
    QTest::keyClick(window.get(), Qt::Key_Escape);
    QVERIFY(!window->session().ruler());
}

void tst_PictureTools::keptPatternsAndCurtainLeaveThePictureAsItWas() {
    const auto window = activeWindow(1);
    auto* canvas = window->findChild<QWidget*>(QStringLiteral("pictureCanvas"));
    QTest::keyClick(window.get(), Qt::Key_K);
    QVERIFY(window->session().snapshots().kept().empty()); // nothing finished to keep yet
    window->cmdStart_Click();
    window->session().finish();
    const QImage kept = window->session().surface().snapshot();
    const QImage shown = canvas->grab().toImage();
    const QImage saved = window->composedPicture();
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(window.get(), Qt::Key_K);
    }
    QCOMPARE(window->session().snapshots().kept().size(), std::size_t(4));
    const QImage withPatterns = window->composedPicture();
    QVERIFY(withPatterns != saved);
    // The curtain hides the pattern in the window only.
    QTest::keyClick(window.get(), Qt::Key_C);
    QCOMPARE(window->composedPicture(), withPatterns);
    QTest::keyClick(window.get(), Qt::Key_C);
    QTest::keyClick(window.get(), Qt::Key_K, Qt::ShiftModifier);
    QCOMPARE(canvas->grab().toImage(), shown);
    QCOMPARE(window->session().surface().snapshot(), kept);
}

QTEST_MAIN(tst_PictureTools)
#include "tst_PictureTools.moc"
