// The real program run with bad command lines: each must exit with status 2 after one line on
// standard error that names the bad argument, and leave the folder it was pointed at as it was.
// "-" is standard output, a pipe is written in place and a link is kept. A render onto a full
// disk must fail the same way as a bad argument, and replace nothing else either.
#include "FullDisk.h"
#include "ProgramRun.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

// Stands for the test's temporary folder in the rows' arguments and expected names.
const QString dirMark = QStringLiteral("{dir}");

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
    row("--scale with a comma and a point", {"--render", out, "--scale", "1,5.0"}, "'1,5.0'");
    row("--scale without --render", {"--scale", "2"}, "--scale");
    row("--probe above the detector", {"--probe", "78"}, "'78'");
    row("--probe not a number", {"--probe", "middle"}, "'middle'");
    row("--probe beside --data without --render", {"--probe", "300", "--data", out}, "--data");
    row("--compare without --render", {"--compare", "x.slitwise"}, "--compare");
    row("--expected without --render", {"--expected"}, "--expected");
    row("--hits zero", {"--render", out, "--hits", "0"}, "'0'");
    row("--hits past the fullest screen", {"--render", out, "--hits", "100001"}, "'100001'");
    row("--hits not a number", {"--render", out, "--hits", "many"}, "'many'");
    row("--hits a fraction", {"--data", out, "--hits", "2.5"}, "'2.5'");
    row("--hits without --render", {"--hits", "5"}, "--hits");
    row("help given twice, short and long", {"-h", "--help"}, "--help is given twice");
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
    row("--distance below its range", {"--distance", "49"}, "'49'");
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
    row("--slit-count none", {"--slit-count", "0"}, "'0'");
    row("--slit-count past eight", {"--slit-count", "9"}, "'9'");
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
    QTest::newRow("LANGUAGE=cs, a range written with decimal commas")
        << QStringList{"LANGUAGE=cs"} << QStringList{"--turn", "3"}
        << "slitwise: --turn '3' není číslo od 0,2513 do 2,0944";
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

QTEST_MAIN(tst_BadArguments)
#include "tst_BadArguments.moc"
