// The whole window at other sizes: one zoom for the picture, the controls and their fonts, full
// screen, and a picture drawn again at a new zoom that equals one drawn at that zoom from the
// start, whether the run had ended or was still going.
#include "WindowControls.h"
#include "ZoomLayout.h"
#include "frmSlitwise.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace {

constexpr std::uint64_t seed = 21;

// A window of the given client size, shown, with its zoom applied.
std::unique_ptr<frmSlitwise> windowOfSize(QSize size) {
    auto window = std::make_unique<frmSlitwise>(seed);
    window->resize(size);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) {
        qFatal("window not exposed");
    }
    return window;
}

} // namespace

class tst_Zoom : public QObject {
    Q_OBJECT
private slots:
    void zoomFitsTheWindow_data();
    void zoomFitsTheWindow();
    void controlsAndFontsGrowWithTheZoom_data();
    void controlsAndFontsGrowWithTheZoom();
    void fullScreenComesAndGoes();
    void pictureIsDrawnAgainAtEachNewZoom_data();
    void pictureIsDrawnAgainAtEachNewZoom();
};

void tst_Zoom::zoomFitsTheWindow_data() {
    QTest::addColumn<QSize>("client");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<int>("left"); // where the picture starts across
    QTest::newRow("design size") << QSize(801, 581) << 1.0 << 0;
    QTest::newRow("twice the design") << QSize(1602, 1162) << 2.0 << 0;
    QTest::newRow("wide: centred across") << QSize(1000, 581) << 1.0 << 99;
    QTest::newRow("full HD projector") << QSize(1920, 1080) << 1080.0 / 581 << 215;
    QTest::newRow("tall: fits across, grey below") << QSize(801, 900) << 1.0 << 0;
    QTest::newRow("small window") << QSize(500, 400) << 500.0 / 801 << 0;
    QTest::newRow("too small: half size at least") << QSize(300, 200) << 0.5 << 0;
    QTest::newRow("huge: four times at most") << QSize(4000, 3000) << 4.0 << 398;
}

void tst_Zoom::zoomFitsTheWindow() {
    QFETCH(QSize, client);
    QFETCH(double, zoom);
    QFETCH(int, left);
    QCOMPARE(ZoomLayout::zoomFor(client), zoom);
    QCOMPARE(ZoomLayout::originFor(client, zoom), QPoint(left, 0));
    // Half of 801 x 581, rounded up, so that the half-size design fits whole.
    QCOMPARE(ZoomLayout::smallestArea(), QSize(401, 291));
}

void tst_Zoom::controlsAndFontsGrowWithTheZoom_data() {
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<int>("fontPixels"); // 0 for a control without a font of its own
    QTest::newRow("Start at 2") << QSize(1602, 1162) << "cmdStart" << QRect(1168, 16, 146, 50)
                                << 38;
    QTest::newRow("scroll bar at 2")
        << QSize(1602, 1162) << "HScroll1" << QRect(432, 48, 322, 34) << 0;
    QTest::newRow("50 in its frame at 2")
        << QSize(1602, 1162) << "op50" << QRect(80, 128, 82, 26) << 26;
    // 1202 / 801 = 1.5006: edges at 288.1, 468.2, 865.9 and 529.7.
    QTest::newRow("prompt at 1.5")
        << QSize(1202, 872) << "labKlepnete" << QRect(288, 468, 578, 62) << 32;
    // 291 / 581 = 0.5009, centred 99 pixels in: edges at 344.6, 4.0, 385.2 and 16.5.
    QTest::newRow("Exit near half size, centred")
        << QSize(600, 291) << "cmdUnload" << QRect(99 + 345, 4, 40, 13) << 10;
    QTest::newRow("title at the smallest size")
        << QSize(401, 291) << "nTitul" << QRect(92, 0, 113, 13) << 11;
}

void tst_Zoom::controlsAndFontsGrowWithTheZoom() {
    QFETCH(QSize, client);
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(int, fontPixels);
    const auto window = windowOfSize(client);
    QWidget* widget = control(*window, name.toUtf8().constData());
    QCOMPARE(widget->geometry(), geometry);
    if (fontPixels != 0) {
        QCOMPARE(widget->font().pixelSize(), fontPixels);
    }
    // Tab order and visibility are those of the design size.
    QVERIFY(widget->isVisible());
    // A zoomed field's text a pixel wider than its box keeps its first letter.
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        QCOMPARE(edit->cursorPosition(), 0);
    }
}

void tst_Zoom::fullScreenComesAndGoes() {
    const auto window = windowOfSize(QSize(801, 581));
    QApplication::setActiveWindow(window.get());
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F11);
    QTRY_VERIFY(window->isFullScreen());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTRY_VERIFY(!window->isFullScreen());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F11);
    QTRY_VERIFY(window->isFullScreen());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F11);
    QTRY_VERIFY(!window->isFullScreen());
}

void tst_Zoom::pictureIsDrawnAgainAtEachNewZoom_data() {
    QTest::addColumn<bool>("finished"); // the run ended before the resizes, or goes on meanwhile
    QTest::addColumn<QList<QSize>>("sizes");
    QTest::newRow("a finished run, larger and back")
        << true << QList<QSize>{QSize(1202, 872), QSize(801, 581)};
    QTest::newRow("a run going on, resized four times")
        << false
        << QList<QSize>{QSize(1000, 700), QSize(1602, 1162), QSize(700, 500), QSize(1602, 1162)};
}

void tst_Zoom::pictureIsDrawnAgainAtEachNewZoom() {
    QFETCH(bool, finished);
    QFETCH(QList<QSize>, sizes);
    const auto window = windowOfSize(QSize(801, 581));
    // The run outlasts the resizes: under a second of it goes by.
    RunClock clock(*window);
    window->cmdStart_Click();
    if (finished) {
        window->session().finish();
    }
    for (const QSize size : sizes) {
        clock.passes(150);
        window->resize(size);
        // Shown stretched at first; a run still going goes on while the size settles, and waits
        // while the picture is drawn again.
        QVERIFY(window->session().picture().isRedrawing());
        clock.passes(60);
        if (finished) {
            // Drawn again by itself, between events.
            QTRY_VERIFY(!window->session().picture().isRedrawing());
        } else {
            window->session().finishRedraw();
        }
    }
    QCOMPARE(window->session().isRunning(), !finished);
    window->session().finish();
    QCOMPARE(window->session().surface().snapshot(),
             undisturbedPicture(seed, 1, ZoomLayout::zoomFor(sizes.last())));
}

QTEST_MAIN(tst_Zoom)
#include "tst_Zoom.moc"
