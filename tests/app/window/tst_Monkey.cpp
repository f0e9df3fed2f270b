// 2,000 seeded random events on the window, during runs and between them: clicks on the visible
// controls but Exit, keys on the focused control, resizes and short waits, during which the runs
// go on by a clock of the test's. After every event the window must answer within 100 ms and hold
// only settings its buttons write. The seed is printed; SLITWISE_MONKEY_SEED repeats a failing
// sequence.
#include "Scene.h"
#include "WindowControls.h"
#include "frmSlitwise.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>

namespace {

constexpr int events = 2000;
constexpr qint64 answerWithinMs = 100;
// How much faster the runs' clock goes than the waits: several runs during the events, as the
// waits alone (about six seconds in all) would give less than one.
constexpr int runTimePerWait = 10;

const QStringList offeredPhotons = Scene::offeredPhotons().split(QStringLiteral(", "));
const QStringList offeredSlowdowns = {"1", "2", "3"};
const Qt::Key keys[] = {Qt::Key_Tab,  Qt::Key_Backtab, Qt::Key_Left,   Qt::Key_Right, Qt::Key_Up,
                        Qt::Key_Down, Qt::Key_Space,   Qt::Key_Return, Qt::Key_Enter};

quint64 chosenSeed() {
    bool ok = false;
    const quint64 fromEnvironment = qEnvironmentVariable("SLITWISE_MONKEY_SEED").toULongLong(&ok);
    return ok ? fromEnvironment : QRandomGenerator::system()->generate64();
}

// The window's own controls that are on screen, less Exit, which would end the test.
QList<QWidget*> clickable(const frmSlitwise& window) {
    QList<QWidget*> found;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        const QString name = widget->objectName();
        if (widget->isVisible() && !name.isEmpty() && !name.startsWith(QStringLiteral("qt_")) &&
            name != QStringLiteral("cmdUnload")) {
            found << widget;
        }
    }
    return found;
}

// True when a zero-time timer fires within the limit, that is when nothing blocks the event loop.
bool answersPromptly() {
    bool fired = false;
    QTimer::singleShot(0, [&fired] { fired = true; });
    QElapsedTimer clock;
    clock.start();
    while (!fired && clock.elapsed() < answerWithinMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return fired;
}

} // namespace

class tst_Monkey : public QObject {
    Q_OBJECT
private slots:
    void randomEventsKeepTheWindowSound();
};

void tst_Monkey::randomEventsKeepTheWindowSound() {
    const quint64 seed = chosenSeed();
    qInfo("monkey seed %llu (set SLITWISE_MONKEY_SEED to repeat)", seed);
    QRandomGenerator random(seed);

    frmSlitwise window(seed);
    RunClock clock(window);
    int runsFinished = 0;
    connect(&window.session(), &RunSession::finished, this, [&runsFinished] { ++runsFinished; });
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));

    for (int event = 0; event < events; ++event) {
        const int kind = random.bounded(100);
        QString what;
        if (kind < 40) {
            const QList<QWidget*> targets = clickable(window);
            QWidget* target = targets[random.bounded(static_cast<int>(targets.size()))];
            const QPoint at(random.bounded(std::max(1, target->width())),
                            random.bounded(std::max(1, target->height())));
            what = QStringLiteral("click on ") + target->objectName();
            QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, at);
        } else if (kind < 75) {
            QWidget* focus = QApplication::focusWidget();
            QWidget* target = focus ? focus : &window;
            Qt::Key key = keys[random.bounded(static_cast<int>(std::size(keys)))];
            // A key that presses Exit would end the test as surely as clicking it.
            if (target->objectName() == QStringLiteral("cmdUnload") &&
                (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
                key = Qt::Key_Tab;
            }
            what = QStringLiteral("key %1 on %2").arg(key).arg(target->objectName());
            QTest::keyClick(target, key);
        } else if (kind < 80) {
            const QSize size(200 + random.bounded(800), 150 + random.bounded(650));
            what = QStringLiteral("resize to %1 x %2").arg(size.width()).arg(size.height());
            window.resize(size);
        } else {
            const int ms = 1 + random.bounded(30);
            what = QStringLiteral("wait %1 ms").arg(ms);
            QTest::qWait(ms);
            clock.passes(ms * runTimePerWait);
        }

        const QString where = QStringLiteral("after event %1, %2").arg(event).arg(what);
        QVERIFY2(answersPromptly(), qPrintable(where));
        QVERIFY2(window.isVisible(), qPrintable(where));
        QVERIFY2(offeredPhotons.contains(text(window, "nPocetFotonu")), qPrintable(where));
        QVERIFY2(offeredSlowdowns.contains(text(window, "nSpomaleni")), qPrintable(where));
        QVERIFY2(window.findChild<QMessageBox*>(QStringLiteral("settingMessage")) == nullptr,
                 qPrintable(where));
    }

    // The run in progress, and the one a held Start begins after it, complete.
    while (window.session().isRunning()) {
        window.session().finish();
    }
    if (runsFinished == 0) {
        window.cmdStart_Click();
        window.session().finish();
    }
    qInfo("runs finished: %d", runsFinished);
    QVERIFY(runsFinished > 0);
    QVERIFY(allCaptionsShown(window));
}

QTEST_MAIN(tst_Monkey)
#include "tst_Monkey.moc"
