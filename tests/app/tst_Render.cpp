// Good renders of the real program: an 801 x 581 PNG and nothing beside it, the same picture a
// window in this process draws with the same settings and seed, with its captions, and its data
// matching it; hits that a seed repeats; and the default run's picture as it has always been.
#include "ProgramRun.h"
#include "WindowControls.h"

#include <QCryptographicHash>
#include <QImage>
#include <QImageReader>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The picture a window in this process draws with the same settings and seed as a render, as
// it is saved (with its captions) or bare.
enum class Captions { On, Off };
QImage windowPicture(const char* photonsButton, int slowdown, std::uint64_t seed, double zoom = 1.0,
                     Captions captions = Captions::On) {
    frmSlitwise window(seed);
    window.zoomTo(zoom);
    QTest::mouseClick(control(window, photonsButton), Qt::LeftButton);
    control<QScrollBar>(window, "HScroll1")->setValue(slowdown);
    window.cmdStart_Click();
    window.session().finish();
    return captions == Captions::On ? window.composedPicture()
                                    : window.session().surface().snapshot();
}

QImage readPng(const QString& path) {
    QImageReader reader(path);
    if (reader.format() != QByteArray("png")) {
        return {};
    }
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class tst_Render : public QObject {
    Q_OBJECT
private slots:
    void init();
    void goodRenderWritesOnePng();
    void renderFollowsSeedAndSlowdown_data();
    void renderFollowsSeedAndSlowdown();
    void hitsDataFollowsTheSeed_data();
    void hitsDataFollowsTheSeed();
    void renderAtScaleTwoIsTwiceAsLarge();
    void renderCarriesCaptionsAndDataMatchesIt();
    void defaultRunDrawsAsItAlwaysHas();
    void probeAloneWritesItsLine_data();
    void probeAloneWritesItsLine();

private:
    std::unique_ptr<QTemporaryDir> work_;    // with a file to replace
    std::unique_ptr<QTemporaryDir> runtime_; // the program's own runtime folder
};

void tst_Render::init() {
    work_ = std::make_unique<QTemporaryDir>();
    runtime_ = std::make_unique<QTemporaryDir>();
    QVERIFY(work_->isValid() && runtime_->isValid());
    QFile::setPermissions(runtime_->path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QFile file(QDir(work_->path()).filePath(QStringLiteral("existing.png")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("kept as it was");
}

void tst_Render::goodRenderWritesOnePng() {
    const QString target = QDir(work_->path()).filePath(QStringLiteral("existing.png"));
    const QStringList before = inventory(work_->path());
    const Outcome outcome = runProgram(
        {"--render", target, "--photons", "1", "--slowdown", "2", "--seed", "4"}, runtime_->path());
    QCOMPARE(outcome.exitCode, 0);
    QVERIFY2(outcome.errorLines.isEmpty(), qPrintable(outcome.errorLines.join('\n')));
    const QImage picture = readPng(target);
    QCOMPARE(picture.size(), QSize(801, 581));
    QCOMPARE(picture, windowPicture("opFot1", 2, 4));
    // The run itself pinned down: a change in the random numbers or the drawing shows here.
    const QImage bare = windowPicture("opFot1", 2, 4, 1.0, Captions::Off);
    QCOMPARE(QCryptographicHash::hash(QByteArrayView(bare.constBits(), bare.sizeInBytes()),
                                      QCryptographicHash::Sha1)
                 .toHex(),
             QByteArray("8624e7edd174acbef64e675fd89ae658c1eaf282"));
    // The same entries as before: the target replaced, no temporary file left beside it.
    const QStringList after = inventory(work_->path());
    QCOMPARE(after.size(), before.size());
    for (qsizetype i = 0; i < after.size(); ++i) {
        QCOMPARE(after[i].section(QLatin1Char(' '), 0, 0),
                 before[i].section(QLatin1Char(' '), 0, 0));
    }
}

void tst_Render::renderFollowsSeedAndSlowdown_data() {
    QTest::addColumn<QStringList>("changed");
    QTest::newRow("another seed") << QStringList({"--slowdown", "2", "--seed", "5"});
    QTest::newRow("another slowdown") << QStringList({"--slowdown", "1", "--seed", "4"});
}

void tst_Render::renderFollowsSeedAndSlowdown() {
    QFETCH(QStringList, changed);
    const QDir dir(work_->path());
    const QStringList base = {"--photons", "1", "--render"};
    QCOMPARE(runProgram(base + QStringList{dir.filePath("a.png"), "--slowdown", "2", "--seed", "4"},
                        runtime_->path())
                 .exitCode,
             0);
    QCOMPARE(
        runProgram(base + QStringList{dir.filePath("b.png")} + changed, runtime_->path()).exitCode,
        0);
    QVERIFY(readPng(dir.filePath("a.png")) != readPng(dir.filePath("b.png")));
}

void tst_Render::hitsDataFollowsTheSeed_data() {
    QTest::addColumn<QString>("seed");     // of the second render
    QTest::addColumn<bool>("withPicture"); // a PNG written beside the second one's data
    QTest::addColumn<bool>("same");
    QTest::newRow("the same seed, with a picture beside") << "4" << true << true;
    QTest::newRow("another seed") << "5" << false << false;
}

void tst_Render::hitsDataFollowsTheSeed() {
    QFETCH(QString, seed);
    QFETCH(bool, withPicture);
    QFETCH(bool, same);
    const QDir dir(work_->path());
    const auto hitsOf = [&dir, this](const QString& name, const QStringList& more) {
        const Outcome outcome = runProgram(
            QStringList{"--data", dir.filePath(name), "--hits", "300"} + more, runtime_->path());
        QFile file(dir.filePath(name));
        return outcome.exitCode == 0 && file.open(QIODevice::ReadOnly) ? file.readAll()
                                                                       : QByteArray();
    };
    const QByteArray first = hitsOf(QStringLiteral("a.csv"), {"--seed", "4"});
    const QList<QByteArray> lines = first.trimmed().split('\n');
    QCOMPARE(lines.size(), 1 + 300);
    QVERIFY(lines[0].startsWith("hit,y,"));
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QList<QByteArray> cells = lines[i].split(',');
        QCOMPARE(cells[0].toLongLong(), i);
        // Heights in the picture's pixels, where the detector points stand.
        QVERIFY(cells[1].toDouble() >= 79 && cells[1].toDouble() <= 531);
    }
    QStringList second = {"--seed", seed};
    if (withPicture) {
        second << "--render" << dir.filePath(QStringLiteral("hits.png"));
    }
    QCOMPARE(hitsOf(QStringLiteral("b.csv"), second) == first, same);
}

void tst_Render::renderAtScaleTwoIsTwiceAsLarge() {
    const QString target = QDir(work_->path()).filePath(QStringLiteral("big.png"));
    const Outcome outcome = runProgram(
        {"--render", target, "--photons", "1", "--scale", "2", "--seed", "4"}, runtime_->path());
    QCOMPARE(outcome.exitCode, 0);
    const QImage picture = readPng(target);
    QCOMPARE(picture.size(), QSize(1602, 1162));
    QCOMPARE(picture, windowPicture("opFot1", 1, 4, 2.0));
    // The shield's caption where and as large as at zoom 2, not where a scale-1 picture has it.
    const auto inked = [&picture](const QRect& area) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                if (picture.pixel(x, y) == 0xFF000000u) {
                    return true;
                }
            }
        }
        return false;
    };
    QVERIFY(inked(QRect(144, 80, 322, 50)) && !inked(QRect(72, 40, 70, 25)));
}

void tst_Render::renderCarriesCaptionsAndDataMatchesIt() {
    // Named .jpg, written as PNG all the same.
    const QDir dir(work_->path());
    QCOMPARE(runProgram({"--render", dir.filePath("p.jpg"), "--data", dir.filePath("p.csv"),
                         "--seed", "4"},
                        runtime_->path())
                 .exitCode,
             0);
    QCOMPARE(runProgram({"--render", dir.filePath("e.png"), "--expected", "--seed", "4"},
                        runtime_->path())
                 .exitCode,
             0);
    const QImage picture = readPng(dir.filePath("p.jpg"));
    const QImage bare = windowPicture("op50", 1, 4, 1.0, Captions::Off);
    QCOMPARE(picture.size(), bare.size());

    // The captions over the bare picture, in their places; nothing else, not the prompt.
    const QList<QRect> captions = {{40, 312, 57, 19},
                                   {72, 40, 161, 25},
                                   {288, 40, 89, 25},
                                   {400, 40, 113, 17},
                                   {528, 40, 233, 19}};
    QList<int> changedIn(captions.size(), 0);
    for (int y = 0; y < bare.height(); ++y) {
        for (int x = 0; x < bare.width(); ++x) {
            if (picture.pixel(x, y) == bare.pixel(x, y)) {
                continue;
            }
            const auto in = std::find_if(captions.begin(), captions.end(),
                                         [x, y](const QRect& r) { return r.contains(x, y); });
            QVERIFY2(in != captions.end(), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            ++changedIn[in - captions.begin()];
        }
    }
    QVERIFY(!changedIn.contains(0));
    const QImage withExpected = readPng(dir.filePath("e.png"));
    // The expected pattern: a red line down the pattern's whole height.
    int red = 0;
    for (int y = 79; y <= 531; ++y) {
        for (int x = 551; x < 801; ++x) {
            red += withExpected.pixel(x, y) == 0xFFFF0000 ? 1 : 0;
        }
    }
    QVERIFY2(red >= 453, qPrintable(QString::number(red)));
    const auto redInRow = [&withExpected](int y) {
        for (int x = 551; x < 801; ++x) {
            if (withExpected.pixel(x, y) == 0xFFFF0000) {
                return true;
            }
        }
        return false;
    };
    QVERIFY(!redInRow(78) && redInRow(79) && redInRow(531) && !redInRow(532));

    // Each row's bar, as black pixels from the pattern axis, is the longest bar the CSV gives
    // that row or, the pen being two pixels wide, a row next to it.
    QFile csv(dir.filePath("p.csv"));
    QVERIFY(csv.open(QIODevice::ReadOnly));
    QMap<int, double> longest;
    const QList<QByteArray> lines = csv.readAll().trimmed().split('\n');
    QCOMPARE(lines.size(), 521);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QList<QByteArray> cells = lines[i].split(',');
        const int y = cells[2].toInt();
        longest[y] = std::max(longest.value(y), std::min(cells[6].toDouble(), 250.0));
    }
    for (auto row = longest.begin(); row != longest.end(); ++row) {
        const int y = row.key();
        if (std::abs(y - 340) <= 2) {
            continue; // the horizontal axis crosses the bars here
        }
        int black = 0;
        for (int x = 551; x < 801 && picture.pixel(x, y) == 0xFF000000; ++x) {
            ++black;
        }
        const double near = std::max({longest.value(y - 1), row.value(), longest.value(y + 1)});
        QVERIFY2(
            black >= qRound(row.value()) - 1 && black <= near + 2,
            qPrintable(
                QStringLiteral("row %1: %2 black, bar %3").arg(y).arg(black).arg(row.value())));
    }
}

void tst_Render::defaultRunDrawsAsItAlwaysHas() {
    // Hashes recorded from the program as first released; a change of code that is not meant to
    // change the picture must leave them as they are.
    const QString target = QDir(work_->path()).filePath(QStringLiteral("seed1.png"));
    QCOMPARE(runProgram({"--seed", "1", "--render", target}, runtime_->path()).exitCode, 0);
    QFile png(target);
    QVERIFY(png.open(QIODevice::ReadOnly));
    QCOMPARE(QCryptographicHash::hash(png.readAll(), QCryptographicHash::Sha256).toHex(),
             QByteArray("3458d0eb5d623e490399f44148fcc058cae8802b77afe9be58739294e186a26e"));

    frmSlitwise window(1);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(control(window, "cmdStart"), Qt::LeftButton);
    window.session().finish();
    // The detector screen shown with its hits and hidden again leaves the picture as it was.
    QTest::keyClick(&window, Qt::Key_D);
    QVERIFY(window.session().screen().isShown());
    window.session().landHits(500);
    QTest::keyClick(&window, Qt::Key_D);
    QVERIFY(!window.session().screen().isShown());
    const QImage shown = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), QSize(801, 581));
    QCryptographicHash pixels(QCryptographicHash::Sha256);
    for (int y = 0; y < shown.height(); ++y) {
        pixels.addData(QByteArrayView(shown.constScanLine(y), shown.width() * 4));
    }
    QCOMPARE(pixels.result().toHex(),
             QByteArray("23bf4dcd42d0f71b084671e127c2ffd1e96b90c7f36a1b69e7aeb830d7f05e51"));
}

void tst_Render::probeAloneWritesItsLine_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("empty"); // the columns left empty, as their indices
    QTest::newRow("two slits: every column") << QStringList{"--probe", "300"} << "";
    QTest::newRow("one slit: no second path, no difference")
        << QStringList{"--probe", "300", "--slits", "upper"} << "2 3";
    QTest::newRow("the detector on: no sum")
        << QStringList{"--probe", "300", "--which-slit"} << "4 5";
    QTest::newRow("a lone slit: no second path, no difference")
        << QStringList{"--probe", "300", "--slit-count", "1"} << "2 3";
    QTest::newRow("five slits: every column")
        << QStringList{"--probe", "300", "--slit-count", "5"} << "";
}

void tst_Render::probeAloneWritesItsLine() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, empty);
    const Outcome outcome = runProgram(arguments, runtime_->path());
    QCOMPARE(outcome.exitCode, 0);
    QCOMPARE(outcome.errorLines, QStringList());
    const QList<QByteArray> lines = outcome.output.split('\n');
    QCOMPARE(lines.size(), 3); // the header, the line and the end of it
    QCOMPARE(lines[0], QByteArray("y,upper_path,lower_path,path_difference_wavelengths,sum_x,"
                                  "sum_y,relative_chance"));
    const QList<QByteArray> cells = lines[1].split(',');
    QCOMPARE(cells.size(), 7);
    QCOMPARE(cells[0], QByteArray("300"));
    QStringList emptyCells;
    for (int i = 0; i < cells.size(); ++i) {
        if (cells[i].isEmpty()) {
            emptyCells << QString::number(i);
        }
    }
    QCOMPARE(emptyCells.join(u' '), empty);
}

QTEST_MAIN(tst_Render)
#include "tst_Render.moc"
