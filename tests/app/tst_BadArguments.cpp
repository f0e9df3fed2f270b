// The real program run with bad command lines: each must exit with status 2 after one line on
// standard error that names the bad argument, and leave the folder it was pointed at as it was.
// A good render must write an 801 x 581 PNG and nothing beside it, the same picture the window
// draws; "-" is standard output, a pipe is written in place and a link is kept. A render onto a
// full disk must fail the same way as a bad argument, and replace nothing else either.
#include "FullDisk.h"
#include "WindowControls.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

// Stands for the test's temporary folder in the rows' arguments and expected names.
const QString dirMark = QStringLiteral("{dir}");

struct Outcome {
    int exitCode = -1;
    QStringList errorLines;
    QByteArray output;
};

// Runs the program as on a machine without a display. With a runtime folder of its own Qt has
// nothing to warn about; without one it warns, which must not reach a refusal's one line.
Outcome runProgram(const QStringList& arguments, const QString& runtimeDir,
                   const std::function<void()>& inChild = {}, const QStringList& locale = {}) {
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "XDG_RUNTIME_DIR",
                             "LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        environment.remove(QString::fromLatin1(name));
    }
    // The locale's variables as NAME=value; none gives the C locale, in English.
    for (const QString& variable : locale) {
        environment.insert(variable.section(QLatin1Char('='), 0, 0),
                           variable.section(QLatin1Char('='), 1));
    }
    if (!runtimeDir.isEmpty()) {
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir);
    }
    child.setProcessEnvironment(environment);
    if (inChild) {
        child.setChildProcessModifier(inChild);
    }
    child.start(QStringLiteral(SLITWISE_BINARY), arguments);
    Outcome outcome;
    if (!child.waitForFinished(60000) || child.exitStatus() != QProcess::NormalExit) {
        child.kill();
        child.waitForFinished();
        return outcome;
    }
    outcome.exitCode = child.exitCode();
    outcome.output = child.readAllStandardOutput();
    for (const QString& line :
         QString::fromLocal8Bit(child.readAllStandardError()).split(QLatin1Char('\n'))) {
        if (!line.isEmpty()) {
            outcome.errorLines << line;
        }
    }
    return outcome;
}

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

// Every entry under the folder with its size, mode and contents, to show that nothing changed.
QStringList inventory(const QString& folder) {
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info(path);
        QString entry = path.mid(folder.size()) + QStringLiteral(" mode ") +
                        QString::number(static_cast<int>(info.permissions()), 16);
        if (info.isFile()) {
            QFile file(path);
            file.open(QIODevice::ReadOnly);
            entry += QStringLiteral(" ") + QString::fromLatin1(file.readAll().toHex());
        }
        entries << entry;
    }
    entries.sort();
    return entries;
}

QStringList withDir(QStringList arguments, const QString& dir) {
    for (QString& argument : arguments) {
        argument.replace(dirMark, dir);
    }
    return arguments;
}

} // namespace

class tst_BadArguments : public QObject {
    Q_OBJECT
private slots:
    void init();
    void badArgumentsAreRefusedInOneLine_data();
    void badArgumentsAreRefusedInOneLine();
    void goodRenderWritesOnePng();
    void renderFollowsSeedAndSlowdown_data();
    void renderFollowsSeedAndSlowdown();
    void hitsDataFollowsTheSeed_data();
    void hitsDataFollowsTheSeed();
    void renderAtScaleTwoIsTwiceAsLarge();
    void renderCarriesCaptionsAndDataMatchesIt();
    void defaultRunDrawsAsItAlwaysHas();
    void languageFollowsTheEnvironment_data();
    void languageFollowsTheEnvironment();
    void qtOptionsAreAccepted_data();
    void qtOptionsAreAccepted();
    void outputGoesWhereItsNameLeads_data();
    void outputGoesWhereItsNameLeads();
    void renderOntoAFullDiskFailsAndKeepsTheOldFile_data();
    void renderOntoAFullDiskFailsAndKeepsTheOldFile();

private:
    // The folder each test points the program at, with a file to keep, a read-only file, a
    // folder where a file might be expected, a pipe and a read-only folder holding a link to the
    // file to keep.
    std::unique_ptr<QTemporaryDir> work_;
    std::unique_ptr<QTemporaryDir> runtime_;
};

void tst_BadArguments::init() {
    work_ = std::make_unique<QTemporaryDir>();
    runtime_ = std::make_unique<QTemporaryDir>();
    QVERIFY(work_->isValid() && runtime_->isValid());
    QFile::setPermissions(runtime_->path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const QDir dir(work_->path());
    for (const char* name : {"existing.png", "readonly.png"}) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("kept as it was: ") + name);
    }
    QVERIFY(QFile::setPermissions(dir.filePath(QStringLiteral("readonly.png")),
                                  QFileDevice::ReadOwner | QFileDevice::ReadGroup |
                                      QFileDevice::ReadOther));
    QVERIFY(dir.mkdir(QStringLiteral("folder.png")));
    QVERIFY(::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("pipe"))).constData(), 0600) ==
            0);
    QVERIFY(dir.mkdir(QStringLiteral("locked")));
    QVERIFY(QFile::link(dir.filePath(QStringLiteral("existing.png")),
                        dir.filePath(QStringLiteral("locked/link.csv"))));
    QVERIFY(QFile::setPermissions(dir.filePath(QStringLiteral("locked")),
                                  QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                      QFileDevice::ReadGroup | QFileDevice::ExeGroup |
                                      QFileDevice::ReadOther | QFileDevice::ExeOther));
}

void tst_BadArguments::badArgumentsAreRefusedInOneLine_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("named"); // what the one line must quote or name

    const QString out = dirMark + QStringLiteral("/out.png");
    const auto row = [](const char* name, const QStringList& arguments, const QString& named) {
        QTest::newRow(name) << arguments << named;
    };
    row("unknown long option", {"--frobnicate"}, "'--frobnicate'");
    row("unknown short option", {"-x"}, "'-x'");
    row("option in the wrong case", {"--Seed=1"}, "'--Seed=1'");
    row("a bare word", {"picture.png"}, "'picture.png'");
    row("an empty argument", {""}, "''");
    row("a lone dash", {"-"}, "'-'");
    row("a lone double dash", {"--"}, "'--'");
    row("unknown option after a good render", {"--render", out, "--bogus"}, "'--bogus'");
    row("--help with a value", {"--help=yes"}, "--help");
    row("--version with a value", {"--version=1"}, "--version");
    row("--seed without its value", {"--seed"}, "--seed");
    row("--render without its value", {"--render"}, "--render");
    row("--photons without its value", {"--render", out, "--photons"}, "--photons");
    row("--slowdown without its value", {"--render", out, "--slowdown"}, "--slowdown");
    row("--seed not a number", {"--seed", "abc"}, "'abc'");
    row("--seed negative", {"--seed", "-1"}, "'-1'");
    row("--seed a fraction", {"--seed", "1.5"}, "'1.5'");
    row("--seed in hexadecimal", {"--seed", "0x10"}, "'0x10'");
    row("--seed one past the largest", {"--seed", "18446744073709551616"},
        "'18446744073709551616'");
    row("--seed huge", {"--seed=99999999999999999999999999999"}, "'99999999999999999999999999999'");
    row("--seed empty after =", {"--seed="}, "--seed ''");
    row("--seed empty", {"--seed", ""}, "--seed ''");
    row("--seed with a space", {"--seed", " 5"}, "' 5'");
    row("--photons not offered", {"--render", out, "--photons", "7"}, "'7'");
    row("--photons zero", {"--render", out, "--photons", "0"}, "'0'");
    row("--photons negative", {"--render", out, "--photons", "-50"}, "'-50'");
    row("--photons not a number", {"--render", out, "--photons", "many"}, "'many'");
    row("--photons 1e308", {"--render", out, "--photons", "1e308"}, "'1e308'");
    row("--photons past int", {"--render", out, "--photons", "99999999999"}, "'99999999999'");
    row("--photons empty", {"--render", out, "--photons="}, "--photons ''");
    row("--photons given twice", {"--photons", "5", "--render", out, "--photons", "3"},
        "--photons is given twice");
    row("--slowdown zero", {"--render", out, "--slowdown", "0"}, "'0'");
    row("--slowdown four", {"--render", out, "--slowdown", "4"}, "'4'");
    row("--slowdown a fraction", {"--render", out, "--slowdown", "2.5"}, "'2.5'");
    row("--slowdown 1e308", {"--render", out, "--slowdown", "1e308"}, "'1e308'");
    row("--slowdown empty", {"--render", out, "--slowdown", ""}, "--slowdown ''");
    row("--scale too small", {"--render", out, "--scale", "0.4"}, "'0.4'");
    row("--scale too large", {"--render", out, "--scale", "4.01"}, "'4.01'");
    row("--scale not a number", {"--render", out, "--scale", "big"}, "'big'");
    row("--scale nan", {"--render", out, "--scale=nan"}, "'nan'");
    row("--scale with a comma", {"--render", out, "--scale", "1,5"}, "'1,5'");
    row("--scale without --render", {"--scale", "2"}, "--scale");
    row("--expected without --render", {"--expected"}, "--expected");
    row("--hits zero", {"--render", out, "--hits", "0"}, "'0'");
    row("--hits past the fullest screen", {"--render", out, "--hits", "100001"}, "'100001'");
    row("--hits not a number", {"--render", out, "--hits", "many"}, "'many'");
    row("--hits a fraction", {"--data", out, "--hits", "2.5"}, "'2.5'");
    row("--hits without --render", {"--hits", "5"}, "--hits");
    row("--render given twice", {"--render", out, "--render", out}, "--render is given twice");
    row("--render followed by an option", {"--render", "--render"}, "'--render'");
    row("both to standard output", {"--render", "-", "--data", "-"}, "standard output");
    row("a bare -platform", {"-platform"}, "-platform needs a value");
    row("-platform misspelt", {"--render", out, "-platform", "offscren"}, "'offscren'");
    row("-platform unknown, with --help", {"--help", "-platform", "nosuch"}, "offscreen");
    row("a path too long, its folders all there",
        {"--render", dirMark + "/" + QString("./").repeated(2520) + "out.png"},
        "File name too long");
    row("--photons without --render", {"--photons", "5"}, "--photons");
    row("--slowdown without --render", {"--slowdown", "2"}, "--slowdown");
    row("--render empty", {"--render", ""}, "--render");
    row("--render empty after =", {"--render="}, "--render");
    row("--render into a missing folder", {"--render", dirMark + "/missing/out.png"},
        dirMark + "/missing/out.png");
    row("--render onto a folder", {"--render", dirMark + "/folder.png"},
        dirMark + "/folder.png': it is a folder");
    row("--render onto a read-only file", {"--render", dirMark + "/readonly.png"},
        dirMark + "/readonly.png");
    row("--render into a read-only folder", {"--render", dirMark + "/locked/out.png"},
        dirMark + "/locked/out.png");
    row("--render onto an existing file, bad photons",
        {"--render", dirMark + "/existing.png", "--photons", "3"}, "'3'");
    // The experiment's options, for the window as for a render.
    row("--distance below its range", {"--distance", "99"}, "'99'");
    row("--distance a fraction", {"--render", out, "--distance", "150.5"}, "'150.5'");
    row("--separation above its range", {"--separation", "201"}, "'201'");
    row("--separation empty", {"--separation="}, "--separation ''");
    row("--wavelength not a number", {"--wavelength", "blue"}, "'blue'");
    row("--wavelength too short", {"--data", dirMark + "/d.csv", "--wavelength", "2.9"}, "'2.9'");
    row("--wavelength nan", {"--wavelength=nan"}, "'nan'");
    row("--turn too large", {"--turn", "2.1"}, "'2.1'");
    row("--turn zero", {"--turn", "0"}, "'0'");
    row("--wavelength with --turn", {"--wavelength", "8", "--turn", "1"}, "--turn");
    row("--slit-width negative", {"--slit-width", "-1"}, "'-1'");
    row("--slit-width above its range", {"--slit-width", "31"}, "'31'");
    row("--slits not a choice", {"--slits", "middle"}, "'middle'");
    row("--slits without its value", {"--slits"}, "--slits needs a value");
    row("--which-slit with a value", {"--which-slit=yes"}, "--which-slit takes no value");
    row("--distance given twice", {"--distance", "150", "--distance", "160"},
        "--distance is given twice");
}

void tst_BadArguments::badArgumentsAreRefusedInOneLine() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, named);
    const QString dir = work_->path();
    const QStringList before = inventory(dir);
    // No runtime folder: Qt's warning about it must not come before the refusal.
    const Outcome outcome = runProgram(withDir(arguments, dir), QString());
    QCOMPARE(outcome.exitCode, 2);
    QVERIFY2(outcome.errorLines.size() == 1, qPrintable(outcome.errorLines.join('\n')));
    const QString line = outcome.errorLines.first();
    QVERIFY2(line.startsWith(QStringLiteral("slitwise: ")), qPrintable(line));
    QVERIFY2(line.contains(QString(named).replace(dirMark, dir)), qPrintable(line));
    QVERIFY(outcome.output.isEmpty());
    QCOMPARE(inventory(dir), before);
}

void tst_BadArguments::goodRenderWritesOnePng() {
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

void tst_BadArguments::renderFollowsSeedAndSlowdown_data() {
    QTest::addColumn<QStringList>("changed");
    QTest::newRow("another seed") << QStringList({"--slowdown", "2", "--seed", "5"});
    QTest::newRow("another slowdown") << QStringList({"--slowdown", "1", "--seed", "4"});
}

void tst_BadArguments::renderFollowsSeedAndSlowdown() {
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

void tst_BadArguments::hitsDataFollowsTheSeed_data() {
    QTest::addColumn<QString>("seed");     // of the second render
    QTest::addColumn<bool>("withPicture"); // a PNG written beside the second one's data
    QTest::addColumn<bool>("same");
    QTest::newRow("the same seed, with a picture beside") << "4" << true << true;
    QTest::newRow("another seed") << "5" << false << false;
}

void tst_BadArguments::hitsDataFollowsTheSeed() {
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

void tst_BadArguments::renderAtScaleTwoIsTwiceAsLarge() {
    const QString target = QDir(work_->path()).filePath(QStringLiteral("big.png"));
    const Outcome outcome = runProgram(
        {"--render", target, "--photons", "1", "--scale", "2", "--seed", "4"}, runtime_->path());
    QCOMPARE(outcome.exitCode, 0);
    const QImage picture = readPng(target);
    QCOMPARE(picture.size(), QSize(1602, 1162));
    QCOMPARE(picture, windowPicture("opFot1", 1, 4, 2.0));
}

void tst_BadArguments::renderCarriesCaptionsAndDataMatchesIt() {
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

void tst_BadArguments::languageFollowsTheEnvironment_data() {
    QTest::addColumn<QStringList>("locale");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("said"); // what the output or the one error line starts with
    const QStringList bogus = {"--bogus"};
    QTest::newRow("LANGUAGE=cs") << QStringList{"LANGUAGE=cs"} << bogus
                                 << "slitwise: neznámá volba '--bogus'";
    QTest::newRow("LC_ALL in Czech")
        << QStringList{"LC_ALL=cs_CZ.UTF-8"} << bogus << "slitwise: neznámá volba '--bogus'";
    QTest::newRow("LANG in Czech, help")
        << QStringList{"LANG=cs_CZ.UTF-8"} << QStringList{"--help"} << "Použití: slitwise";
    QTest::newRow("LANGUAGE=de, no catalogue")
        << QStringList{"LANGUAGE=de"} << bogus << "slitwise: unknown option '--bogus'";
    QTest::newRow("no locale at all")
        << QStringList{} << bogus << "slitwise: unknown option '--bogus'";
}

void tst_BadArguments::languageFollowsTheEnvironment() {
    QFETCH(QStringList, locale);
    QFETCH(QStringList, arguments);
    QFETCH(QString, said);
    const Outcome outcome = runProgram(arguments, runtime_->path(), {}, locale);
    const QString first = outcome.errorLines.isEmpty() ? QString::fromUtf8(outcome.output)
                                                       : outcome.errorLines.first();
    QVERIFY2(first.startsWith(said), qPrintable(first));
}

void tst_BadArguments::qtOptionsAreAccepted_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("output"); // what standard output starts with
    QTest::newRow("-platform before a render")
        << QStringList({"-platform", "offscreen", "--render", "{dir}/out.png", "--photons", "1"})
        << "";
    QTest::newRow("-style") << QStringList({"-style", "fusion", "--version"}) << "slitwise ";
    QTest::newRow("-reverse") << QStringList({"-reverse", "-v"}) << "slitwise ";
    QTest::newRow("-h") << QStringList({"-h"}) << "Usage: slitwise";
}

void tst_BadArguments::qtOptionsAreAccepted() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, output);
    const Outcome outcome = runProgram(withDir(arguments, work_->path()), runtime_->path());
    QCOMPARE(outcome.exitCode, 0);
    QVERIFY2(outcome.errorLines.isEmpty(), qPrintable(outcome.errorLines.join('\n')));
    QVERIFY(output.isEmpty() || QString::fromLocal8Bit(outcome.output).startsWith(output));
}

void tst_BadArguments::outputGoesWhereItsNameLeads_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("lands"); // where the CSV is read back; "-" for standard output
    QTest::newRow("- is standard output") << QStringList{"--data", "-", "--seed", "1"} << "-";
    QTest::newRow("a pipe is written, not replaced")
        << QStringList{"--data", "{dir}/pipe"} << "{dir}/pipe";
    QTest::newRow("a link is kept, its file written in the file's folder")
        << QStringList{"--data", "{dir}/locked/link.csv"} << "{dir}/existing.png";
}

void tst_BadArguments::outputGoesWhereItsNameLeads() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, lands);
    const QString dir = work_->path();
    // Open at both ends, so that neither the program nor the test waits for the other.
    const int pipe = ::open(QFile::encodeName(dir + "/pipe").constData(), O_RDWR | O_NONBLOCK);
    QVERIFY(pipe >= 0 && ::fcntl(pipe, F_SETPIPE_SZ, 1 << 20) > 0);
    const Outcome outcome = runProgram(withDir(arguments, dir), runtime_->path());
    QByteArray written = outcome.output;
    if (lands.endsWith(QStringLiteral("/pipe"))) {
        written.resize(1 << 20);
        written.truncate(std::max<ssize_t>(0, ::read(pipe, written.data(), written.size())));
    }
    ::close(pipe);
    if (lands != QStringLiteral("-") && !lands.endsWith(QStringLiteral("/pipe"))) {
        QFile file(withDir({lands}, dir).first());
        QVERIFY(file.open(QIODevice::ReadOnly));
        written = file.readAll();
    }
    QCOMPARE(outcome.exitCode, 0);
    QVERIFY2(written.startsWith("pass,dot,") && written.count('\n') == 521, written.left(80));
    QVERIFY(QFileInfo(dir + "/locked/link.csv").isSymLink());
    struct stat kind {};
    QVERIFY(::lstat(QFile::encodeName(dir + "/pipe").constData(), &kind) == 0 &&
            S_ISFIFO(kind.st_mode));
}

void tst_BadArguments::renderOntoAFullDiskFailsAndKeepsTheOldFile_data() {
    QTest::addColumn<FullDisk::Kind>("kind");
    QTest::addColumn<bool>("ontoTheOldFile");
    QTest::addColumn<bool>("dataBesideAGoodRender"); // the CSV fails, the PNG would not
    using Kind = FullDisk::Kind;
    QTest::newRow("size limit, new file") << Kind::SizeLimit << false << false;
    QTest::newRow("size limit, over an old file") << Kind::SizeLimit << true << false;
    QTest::newRow("full tmpfs, new file") << Kind::FullTmpfs << false << false;
    QTest::newRow("full tmpfs, over an old file") << Kind::FullTmpfs << true << false;
    QTest::newRow("full tmpfs, data beside a good render") << Kind::FullTmpfs << false << true;
    QTest::newRow("rename refused, over an old file") << Kind::BusyTarget << true << false;
}

void tst_BadArguments::renderOntoAFullDiskFailsAndKeepsTheOldFile() {
    QFETCH(FullDisk::Kind, kind);
    QFETCH(bool, ontoTheOldFile);
    QFETCH(bool, dataBesideAGoodRender);
    const FullDisk disk(kind);
    if (!disk.ready()) {
        QSKIP("mounting needs root and the right to mount");
    }
    const QString target = ontoTheOldFile ? disk.keep() : disk.fresh();
    const QString good = QDir(work_->path()).filePath(QStringLiteral("existing.png"));
    const QStringList before = inventory(work_->path());
    const QStringList outputs = dataBesideAGoodRender
                                    ? QStringList{"--render", good, "--data", target}
                                    : QStringList{"--render", target};
    const Outcome outcome = runProgram(outputs + QStringList{"--photons", "1", "--seed", "1"},
                                       QString(), [&disk] { disk.applyInChild(); });
    QCOMPARE(outcome.exitCode, 2);
    QVERIFY2(outcome.errorLines.size() == 1, qPrintable(outcome.errorLines.join('\n')));
    QVERIFY2(outcome.errorLines[0].contains(target), qPrintable(outcome.errorLines[0]));
    QVERIFY2(outcome.errorLines[0].contains(disk.reason()), qPrintable(outcome.errorLines[0]));
    QVERIFY(disk.untouched());
    QCOMPARE(inventory(work_->path()), before);
}

void tst_BadArguments::defaultRunDrawsAsItAlwaysHas() {
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
    window.session().screen().land(500);
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

QTEST_MAIN(tst_BadArguments)
#include "tst_BadArguments.moc"
