// What a teacher does with a run: pause it, step it photon by photon and resume it without
// changing its outcome, its pace and the lines that show it, the expected pattern, the
// explanation window, the context menu and its keys, each connected to its command and named alike
// in the menu, F1, --help, the manual page and the README, and the pattern exported as data.
#include "AboutText.h"
#include "CommandLine.h"
#include "CommandList.h"
#include "PictureActions.h"
#include "StepOverlay.h"
#include "Translations.h"
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
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr std::uint64_t seed = 5;

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
    void initTestCase();
    void init();
    void pausedAndSteppedRunEndsAsAnUndisturbedOne();
    void expectedPatternIsDrawnOverThePicture();
    void everyKeyIsConnectedAndNamedAlikeEverywhere();
    void keysTriggerTheirCommands();
    void paceKeysStepThePaceShown_data();
    void paceKeysStepThePaceShown();
    void exportedDataIsTheFinishedRun();
    void hitsLandSlowlyThenFast_data();
    void hitsLandSlowlyThenFast();

private:
    std::unique_ptr<frmSlitwise> window_;
};

void tst_Teaching::initTestCase() {
    // The English plural forms, as the program installs them.
    Translations::install(QLocale(QLocale::English));
}

void tst_Teaching::init() {
    window_ = activeWindow(seed);
}

void tst_Teaching::pausedAndSteppedRunEndsAsAnUndisturbedOne() {
    RunClock clock(*window_);
    QTest::keyClick(window_.get(), Qt::Key_F5);
    clock.passes(500);
    QTest::keyClick(window_.get(), Qt::Key_P);
    QVERIFY(window_->session().isPaused());
    QCOMPARE(window_->accessibleDescription(), QStringLiteral("Run paused"));
    QVERIFY(control<QLabel>(*window_, "pausedCaption")->isVisible());
    // Paused, nothing moves, not even when the picture is redrawn at another size and back.
    const QImage held = window_->session().surface().snapshot();
    const QSize size = window_->size();
    window_->resize(size * 1.25);
    window_->session().finishRedraw();
    window_->resize(size);
    window_->session().finishRedraw();
    QCOMPARE(window_->session().surface().snapshot(), held);
    // Sixty photons by N cross from one dot into the next.
    for (int i = 0; i < 60; ++i) {
        QTest::keyClick(window_.get(), Qt::Key_N);
    }
    QVERIFY(window_->session().isPaused());
    QVERIFY(window_->session().surface().snapshot() != held);
    // The last of them is marked over the picture, never in it, and said in words.
    const auto marked = [](const QImage& image) {
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if ((image.pixel(x, y) & 0xFFFFFF) == StepOverlay::colour) {
                    return true;
                }
            }
        }
        return false;
    };
    const QImage shown = window_->grab().toImage();
    QVERIFY(marked(shown));
    QVERIFY(!marked(window_->session().surface().snapshot()));
    QVERIFY(!marked(window_->composedPicture()));
    // The marked arrows lie over the photon's own, at the slit and at the detector point: each
    // ends where the run drew that arrow's tip.
    const PhotonRun::PhotonTrace& photon = *window_->session().followedPhoton();
    const double length = Scene::arrowLength;
    for (const QPointF tip : {QPointF(Scene::shieldX - length * photon.startCos,
                                      photon.slitY - length * photon.startSin),
                              QPointF(photon.detectorX + length * photon.arrivalCos,
                                      photon.dotY - length * photon.arrivalSin)}) {
        QCOMPARE(shown.pixel(tip.toPoint()) & 0xFFFFFF, StepOverlay::colour);
    }
    // The progress line counts the photons drawn, as the step line does.
    const QRegularExpressionMatch step =
        QRegularExpression(QStringLiteral("^Photon (\\d+) of 50 at point (\\d+): (upper|lower) "
                                          "slit, arrives turned by [0-6]\\.\\d\\d rad$"))
            .match(control<QLabel>(*window_, "stepCaption")->text());
    QVERIFY(step.hasMatch());
    QCOMPARE(
        control<QLabel>(*window_, "progressCaption")->text(),
        QStringLiteral("Point %1 of 520, photon %2 of 50").arg(step.captured(2), step.captured(1)));
    QTest::keyClick(window_.get(), Qt::Key_P);
    QVERIFY(!window_->session().isPaused());
    QCOMPARE(window_->accessibleDescription(), QStringLiteral("Run in progress"));
    QVERIFY(!control(*window_, "pausedCaption")->isVisible());
    QVERIFY(!control(*window_, "stepCaption")->isVisible());
    QVERIFY(!marked(window_->grab().toImage()));
    // Finish now gives the very picture of the paced run.
    QTest::keyClick(window_.get(), Qt::Key_F);
    QVERIFY(!window_->session().isRunning());
    QCOMPARE(window_->session().surface().snapshot(), undisturbedPicture(seed));
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
    window_->session().finish();
    QVERIFY(!window_->session().isExpectedShown());
    QTest::keyClick(window_.get(), Qt::Key_E);
    QVERIFY(window_->session().isExpectedShown());
    // Over the picture in the window and in what is taken away, never into the kept picture.
    QVERIFY(redIn(window_->grab().toImage()));
    QVERIFY(redIn(window_->composedPicture()));
    QVERIFY(!redIn(window_->session().surface().snapshot()));
    // The choice lasts across runs.
    window_->cmdStart_Click();
    window_->session().finish();
    QVERIFY(window_->session().isExpectedShown());
    QTest::keyClick(window_.get(), Qt::Key_E);
    QVERIFY(!redIn(window_->grab().toImage()));
}

void tst_Teaching::everyKeyIsConnectedAndNamedAlikeEverywhere() {
    // The part of the file from the line `from` up to the first line that starts with `to`.
    const auto read = [](const char* path, const QString& from, const QString& to) {
        QFile file(QStringLiteral(SLITWISE_SOURCE_DIR "/") + QString::fromLatin1(path));
        const QString text =
            file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
        const qsizetype start = text.indexOf(from);
        return start < 0 ? QString() : text.mid(start, text.indexOf(to, start + 1) - start);
    };
    const QString manual =
        read("packaging/slitwise.1", QStringLiteral(".SH KEYS\n"), QStringLiteral("\n.SH "));
    const QString readme =
        read("README.md", QStringLiteral("| Key | Does |\n"), QStringLiteral("\n\n"));
    const QString about = AboutText::html();
    const QString help = CommandLine::helpText();
    QVERIFY(!manual.isEmpty() && !readme.isEmpty());
    const QList<QAction*> entries = window_->windowActions().menu().actions();
    qsizetype inMenu = 0;
    for (const Command& command : CommandList::all()) {
        const QString key = QString::fromUtf8(command.key);
        if (command.name != nullptr) {
            QAction* item = action(*window_, QString::fromLatin1(command.name));
            // Its row's function does it: connected already, a second connection is refused.
            QVERIFY2(command.handler != nullptr &&
                         !connect(item, &QAction::triggered, &window_->windowActions(),
                                  command.handler, Qt::UniqueConnection),
                     command.name);
            QStringList keys;
            for (const QKeySequence& shortcut : item->shortcuts()) {
                keys << shortcut.toString(QKeySequence::PortableText);
            }
            QCOMPARE(keys.join(QStringLiteral(", ")), key);
            QCOMPARE(entries.contains(item), command.text != nullptr);
            inMenu += command.text != nullptr ? 1 : 0;
        }
        QVERIFY2(about.contains(QStringLiteral("<b>%1</b>: %2").arg(key, command.help)),
                 command.key);
        QVERIFY2(help.contains(QRegularExpression(
                     QStringLiteral("\\n  %1 +%2\\n")
                         .arg(QRegularExpression::escape(key),
                              QRegularExpression::escape(QString::fromUtf8(command.help))))),
                 command.key);
        // Each key on its own: the manual page gives it an entry, the README a row of its table.
        for (const QString& one : key.split(QStringLiteral(", "))) {
            // Not inside a longer key or word, which also holds for the keys - and +.
            const QString word =
                QStringLiteral("(?<![\\w+])%1(?![\\w+])").arg(QRegularExpression::escape(one));
            QVERIFY2(manual.contains(QRegularExpression(QStringLiteral("^\\.BR? .*") + word,
                                                        QRegularExpression::MultilineOption)),
                     qPrintable(QStringLiteral("the manual page misses ") + one));
            QVERIFY2(readme.contains(QRegularExpression(QStringLiteral("^\\| [^|]*") + word +
                                                            QStringLiteral("[^|]*\\|"),
                                                        QRegularExpression::MultilineOption)),
                     qPrintable(QStringLiteral("the README misses ") + one));
        }
    }
    QCOMPARE(std::count_if(entries.begin(), entries.end(),
                           [](const QAction* entry) { return !entry->isSeparator(); }),
             inMenu);
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
    QVERIFY(window_->session().isRunning());
    window_->session().finish();
    action(*window_, QStringLiteral("exportAction"))->trigger();
    QTRY_VERIFY(window_->findChild<QFileDialog*>(QStringLiteral("exportDialog")) != nullptr);
    window_->findChild<QFileDialog*>(QStringLiteral("exportDialog"))->reject();
    QTest::keyClick(window_.get(), Qt::Key_S, Qt::ControlModifier);
    QTRY_VERIFY(window_->findChild<QFileDialog*>(QStringLiteral("saveDialog")) != nullptr);
    window_->findChild<QFileDialog*>(QStringLiteral("saveDialog"))->reject();

    // D shows the detector screen beside a run, P holds them together, Shift+D clears the hits,
    // Ctrl+E exports them.
    const DetectorScreen& screen = window_->session().screen();
    QTest::keyClick(window_.get(), Qt::Key_F5);
    QTest::keyClick(window_.get(), Qt::Key_D);
    QVERIFY(screen.isShown() && screen.isLanding());
    QTest::keyClick(window_.get(), Qt::Key_P);
    QVERIFY(screen.isPaused() && window_->session().isPaused());
    window_->session().landHits(40);
    QVERIFY(window_->pictureActions().hasData());
    QVERIFY(window_->pictureActions().dataCsv().startsWith("hit,y,"));
    QCOMPARE(window_->pictureActions().suggestedDataName(),
             QStringLiteral("slitwise-hits-seed-5.csv"));
    QTest::keyClick(window_.get(), Qt::Key_D, Qt::ShiftModifier);
    QCOMPARE(screen.count(), 0);
    QVERIFY(screen.isPaused());
    QTest::keyClick(window_.get(), Qt::Key_D);
    QVERIFY(!screen.isShown());
}

void tst_Teaching::paceKeysStepThePaceShown_data() {
    QTest::addColumn<QString>("keys"); // pressed in turn
    QTest::addColumn<bool>("running");
    QTest::addColumn<QString>("pace"); // how the pace line begins; empty: not shown
    // As the user's locale writes numbers.
    const auto repetitions = [](int perSecond) {
        return QStringLiteral("Pace: %1 repetitions a second").arg(QLocale().toString(perSecond));
    };
    QTest::newRow("the default pace shown during a run") << "" << true << repetitions(4000);
    QTest::newRow("the default pace not shown between runs") << "" << false << "";
    QTest::newRow("- a step slower, shown between runs") << "-" << false << repetitions(1000);
    QTest::newRow("+ a step back faster during a run") << "--+" << true << repetitions(1000);
    QTest::newRow("+ at the fastest: no faster") << "+" << true << repetitions(4000);
    QTest::newRow("the slowest: one photon, no slower")
        << "--------" << true << "Pace: 1 photon a second";
    QTest::newRow("hits landing: their pace in hits")
        << "d" << false
        << QStringLiteral("Pace: up to %1 hits a second").arg(QLocale().toString(5000));
}

void tst_Teaching::paceKeysStepThePaceShown() {
    QFETCH(QString, keys);
    QFETCH(bool, running);
    QFETCH(QString, pace);
    if (running) {
        QTest::keyClick(window_.get(), Qt::Key_F5);
    }
    for (const QChar key : keys) {
        QTest::keyClick(window_.get(), key.toLatin1());
    }
    const auto* line = control<QLabel>(*window_, "paceCaption");
    QCOMPARE(line->isVisible(), !pace.isEmpty());
    QCOMPARE(line->text().left(pace.size()), pace);
    window_->session().finish();
}

void tst_Teaching::exportedDataIsTheFinishedRun() {
    QVERIFY(!window_->pictureActions().hasData());
    window_->cmdStart_Click();
    window_->session().finish();
    QTemporaryDir folder;
    const QString path = folder.filePath(window_->pictureActions().suggestedDataName());
    QCOMPARE(QFileInfo(path).fileName(), QStringLiteral("slitwise-50-photons-seed-5.csv"));
    QVERIFY(window_->pictureActions().exportData(path));
    const std::vector<PhotonRun::DotResult>& dots = window_->session().lastFinished().dots;
    const std::optional<ExpectedPattern> expected =
        ExpectedPattern::forSettings(window_->settings());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().trimmed().split('\n');
    file.close();
    QCOMPARE(lines.size(), 1 + 520);
    QCOMPARE(lines[0], QByteArray("pass,dot,y,photons_per_dot,sum_x,sum_y,bar_length,"
                                  "expected_bar_length,last_slit,sum_arrow_drawn,distance,"
                                  "slit_separation,turn_per_pixel,slit_width,slit_count,open_slits,"
                                  "which_slit_detector"));
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QList<QByteArray> cells = lines[i].split(',');
        QCOMPARE(cells.size(), 17);
        QCOMPARE(cells[0].toInt(), i <= 260 ? 1 : 2);
        QCOMPARE(cells[1].toInt(), i <= 260 ? int(i) : int(i) - 260);
        // Read back exactly: the bar is the squared sum times the scale 2, to the last bit.
        const double x = cells[4].toDouble();
        const double y = cells[5].toDouble();
        QCOMPARE(cells[6].toDouble(), (y * y + x * x) * 2);
        QCOMPARE(cells[7].toDouble(), expected->barLength(cells[2].toDouble()));
        QCOMPARE(cells[8], dots[i - 1].lastSlit == 0 ? "upper" : "lower");
        QVERIFY(cells[9] == "yes" || cells[9] == "no");
    }
    // A failed export says so and leaves the file there as it was.
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    window_->cmdStart_Click();
    window_->session().finish();
    QVERIFY(!window_->pictureActions().exportData(path));
    QVERIFY(window_->findChild<QMessageBox*>(QStringLiteral("saveMessage")) != nullptr);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().trimmed().split('\n'), lines);
}

void tst_Teaching::hitsLandSlowlyThenFast_data() {
    QTest::addColumn<double>("seconds");
    QTest::addColumn<int>("paceLevel");    // the teacher's pace, 0 the fastest
    QTest::addColumn<double>("stopAfter"); // seconds until S, or never when negative
    QTest::addColumn<long long>("fewest");
    QTest::addColumn<long long>("most");
    QTest::newRow("the first second: a few to follow one by one") << 1.0 << 0 << -1.0 << 2LL << 3LL;
    QTest::newRow("five seconds: still countable") << 5.0 << 0 << -1.0 << 10LL << 25LL;
    // Time to talk at each stage: no pattern before 20 s, none clear before 40 s.
    QTest::newRow("twenty seconds: under a hundred") << 20.0 << 0 << -1.0 << 50LL << 99LL;
    QTest::newRow("forty seconds: under a thousand") << 40.0 << 0 << -1.0 << 300LL << 999LL;
    QTest::newRow("two minutes: the screen is full") << 120.0 << 0 << -1.0 << 100000LL << 100000LL;
    QTest::newRow("the slowest pace: one a second")
        << 20.0 << RunPacer::levelCount - 1 << -1.0 << 19LL << 20LL;
    QTest::newRow("stopped after five seconds: no more land") << 20.0 << 0 << 5.0 << 10LL << 25LL;
}

void tst_Teaching::hitsLandSlowlyThenFast() {
    QFETCH(double, seconds);
    QFETCH(int, paceLevel);
    QFETCH(double, stopAfter);
    QFETCH(long long, fewest);
    QFETCH(long long, most);
    RunSession& session = window_->session();
    const DetectorScreen& screen = session.screen();
    qint64 nowNs = 0;
    session.setClock([&nowNs] { return nowNs; });
    session.setPaceLevel(paceLevel);
    QVERIFY(session.setScreenShown(true));
    // Ticks of a 60 Hz screen.
    while (nowNs < qint64(seconds * 1e9)) {
        nowNs += 16'666'667;
        if (stopAfter >= 0 && nowNs >= qint64(stopAfter * 1e9) && screen.isLanding()) {
            session.stop();
        }
        session.tick();
    }
    QVERIFY2(screen.count() >= fewest && screen.count() <= most,
             qPrintable(QString::number(screen.count())));
    session.setScreenShown(false);
    session.setPaceLevel(0);
}

QTEST_MAIN(tst_Teaching)
#include "tst_Teaching.moc"
