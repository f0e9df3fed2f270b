// What a teacher does with a run: pause it, step it photon by photon and resume it without
// changing its outcome, the expected pattern, the explanation window, the context menu and its
// keys, and the pattern exported as data.
#include "PictureActions.h"
#include "WindowActions.h"
#include "WindowControls.h"
#include "frmSlitwise.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr std::uint64_t seed = 5;

QImage undisturbedPicture() {
    frmSlitwise window(seed);
    window.cmdStart_Click();
    window.finishRun();
    return window.surface().snapshot();
}

QAction* action(frmSlitwise& window, const QString& name) {
    QAction* found = window.findChild<QAction*>(name);
    if (found == nullptr) {
        qFatal("no action %s", qPrintable(name));
    }
    return found;
}

} // namespace

class tst_Teaching : public QObject {
    Q_OBJECT
private slots:
    void init();
    void pausedAndSteppedRunEndsAsAnUndisturbedOne();
    void clicksWhilePausedAreHeld();
    void expectedPatternIsDrawnOverThePicture();
    void menuListsEveryCommandWithItsKey_data();
    void menuListsEveryCommandWithItsKey();
    void keysTriggerTheirCommands();
    void exportedDataIsTheFinishedRun();

private:
    std::unique_ptr<frmSlitwise> window_;
};

void tst_Teaching::init() {
    window_ = activeWindow(seed);
}

void tst_Teaching::pausedAndSteppedRunEndsAsAnUndisturbedOne() {
    window_->pacer().setPace(20000);
    QTest::keyClick(window_.get(), Qt::Key_F5);
    QTest::qWait(100);
    QTest::keyClick(window_.get(), Qt::Key_P);
    QVERIFY(window_->isPaused());
    QCOMPARE(window_->accessibleDescription(), QStringLiteral("Run paused"));
    QVERIFY(control<QLabel>(*window_, "pausedCaption")->isVisible());
    // Paused, nothing moves, not even once the picture is redrawn at another size.
    const QSize size = window_->size();
    window_->resize(size * 1.25);
    QTRY_VERIFY(!window_->picture().isRedrawing());
    const QImage held = window_->surface().snapshot();
    QTest::qWait(100);
    QCOMPARE(window_->surface().snapshot(), held);
    window_->resize(size);
    QTRY_VERIFY(!window_->picture().isRedrawing());
    // Sixty photons by N cross from one dot into the next.
    for (int i = 0; i < 60; ++i) {
        QTest::keyClick(window_.get(), Qt::Key_N);
    }
    QVERIFY(window_->isPaused());
    QVERIFY(window_->surface().snapshot() != held);
    QTest::keyClick(window_.get(), Qt::Key_P);
    QVERIFY(!window_->isPaused());
    QCOMPARE(window_->accessibleDescription(), QStringLiteral("Run in progress"));
    QVERIFY(!control(*window_, "pausedCaption")->isVisible());
    window_->finishRun();
    QCOMPARE(window_->surface().snapshot(), undisturbedPicture());
}

void tst_Teaching::clicksWhilePausedAreHeld() {
    window_->cmdStart_Click();
    window_->togglePause();
    QTest::mouseClick(control(*window_, "opFot5"), Qt::LeftButton);
    QTest::mouseClick(control(*window_, "cmdStart"), Qt::LeftButton);
    QCOMPARE(text(*window_, "nPocetFotonu"), QStringLiteral("50"));
    QVERIFY(window_->isPaused());
    window_->finishRun();
    // The held choice, then the held Start with it.
    QCOMPARE(text(*window_, "nPocetFotonu"), QStringLiteral("5"));
    QVERIFY(window_->isRunning() && !window_->isPaused());
    window_->finishRun();
}

void tst_Teaching::expectedPatternIsDrawnOverThePicture() {
    const auto redIn = [](const QImage& image) {
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixel(x, y) == 0xFFFF0000) {
                    return true;
                }
            }
        }
        return false;
    };
    window_->cmdStart_Click();
    window_->finishRun();
    QVERIFY(!window_->isExpectedShown());
    QTest::keyClick(window_.get(), Qt::Key_E);
    QVERIFY(window_->isExpectedShown());
    // Over the picture in the window and in what is taken away, never into the kept picture.
    QVERIFY(redIn(window_->grab().toImage()));
    QVERIFY(redIn(window_->composedPicture()));
    QVERIFY(!redIn(window_->surface().snapshot()));
    // The choice lasts across runs.
    window_->cmdStart_Click();
    window_->finishRun();
    QVERIFY(window_->isExpectedShown());
    QTest::keyClick(window_.get(), Qt::Key_E);
    QVERIFY(!redIn(window_->grab().toImage()));
}

void tst_Teaching::menuListsEveryCommandWithItsKey_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("key");
    QTest::newRow("Start") << "Start"
                           << "F5";
    QTest::newRow("Pause") << "Pause"
                           << "P";
    QTest::newRow("Next photon") << "Next photon"
                                 << "N";
    QTest::newRow("expected pattern") << "Show expected pattern"
                                      << "E";
    QTest::newRow("full screen") << "Full screen"
                                 << "F11";
    QTest::newRow("save") << "Save picture…"
                          << "Ctrl+S";
    QTest::newRow("copy") << "Copy picture"
                          << "Ctrl+C";
    QTest::newRow("export") << "Export data…"
                            << "Ctrl+E";
    QTest::newRow("about") << "About this picture"
                           << "F1";
}

void tst_Teaching::menuListsEveryCommandWithItsKey() {
    QFETCH(QString, entry);
    QFETCH(QString, key);
    QStringList found;
    for (const QAction* item : window_->windowActions().menu().actions()) {
        if (item->text() == entry) {
            found << item->shortcut().toString(QKeySequence::PortableText);
        }
    }
    QCOMPARE(found, QStringList(key));
}

void tst_Teaching::keysTriggerTheirCommands() {
    // A right click opens the menu; the Menu key does too.
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(400, 300),
                                 window_->mapToGlobal(QPoint(400, 300)));
    QApplication::sendEvent(window_.get(), &rightClick);
    QTRY_VERIFY(window_->windowActions().menu().isVisible());
    window_->windowActions().menu().close();

    QTest::keyClick(window_.get(), Qt::Key_F1);
    auto* about = window_->findChild<QDialog*>(QStringLiteral("aboutWindow"));
    QVERIFY(about != nullptr && about->isVisible() && !about->isModal());
    QCOMPARE(about->windowTitle(), QStringLiteral("About this picture"));
    about->close();

    QTest::keyClick(window_.get(), Qt::Key_F5);
    QVERIFY(window_->isRunning());
    window_->finishRun();
    action(*window_, QStringLiteral("exportAction"))->trigger();
    QTRY_VERIFY(window_->findChild<QFileDialog*>(QStringLiteral("exportDialog")) != nullptr);
    window_->findChild<QFileDialog*>(QStringLiteral("exportDialog"))->reject();
    QTest::keyClick(window_.get(), Qt::Key_S, Qt::ControlModifier);
    QTRY_VERIFY(window_->findChild<QFileDialog*>(QStringLiteral("saveDialog")) != nullptr);
    window_->findChild<QFileDialog*>(QStringLiteral("saveDialog"))->reject();
}

void tst_Teaching::exportedDataIsTheFinishedRun() {
    QVERIFY(!window_->pictureActions().hasData());
    window_->cmdStart_Click();
    window_->finishRun();
    QTemporaryDir folder;
    const QString path = folder.filePath(window_->pictureActions().suggestedDataName());
    QCOMPARE(QFileInfo(path).fileName(), QStringLiteral("slitwise-50-photons-seed-5.csv"));
    QVERIFY(window_->pictureActions().exportData(path));
    const std::vector<PhotonRun::DotResult>& dots = window_->picture().lastFinished().dots;
    const std::optional<ExpectedPattern> expected = ExpectedPattern::forSettings(*window_);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().trimmed().split('\n');
    file.close();
    QCOMPARE(lines.size(), 1 + 520);
    QCOMPARE(lines[0], QByteArray("pass,dot,y,photons_per_dot,sum_x,sum_y,bar_length,"
                                  "expected_bar_length,last_slit,sum_arrow_drawn"));
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QList<QByteArray> cells = lines[i].split(',');
        QCOMPARE(cells.size(), 10);
        QCOMPARE(cells[0].toInt(), i <= 260 ? 1 : 2);
        QCOMPARE(cells[1].toInt(), i <= 260 ? int(i) : int(i) - 260);
        // Read back exactly: the bar is the squared sum times the scale 2, to the last bit.
        const double x = cells[4].toDouble();
        const double y = cells[5].toDouble();
        QCOMPARE(cells[6].toDouble(), (y * y + x * x) * 2);
        QCOMPARE(cells[7].toDouble(), expected->barLength(cells[2].toDouble()));
        QCOMPARE(cells[8], dots[i - 1].lastSlitUpper ? "upper" : "lower");
        QVERIFY(cells[9] == "yes" || cells[9] == "no");
    }
    // A failed export says so and leaves the file there as it was.
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    window_->cmdStart_Click();
    window_->finishRun();
    QVERIFY(!window_->pictureActions().exportData(path));
    QVERIFY(window_->findChild<QMessageBox*>(QStringLiteral("saveMessage")) != nullptr);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().trimmed().split('\n'), lines);
}

QTEST_MAIN(tst_Teaching)
#include "tst_Teaching.moc"
