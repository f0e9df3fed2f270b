// What each command line means, and that every bad one is refused with a line naming it.
#include "CommandLine.h"

#include <QTest>

using Mode = CommandLine::Mode;

class tst_CommandLine : public QObject {
    Q_OBJECT
private slots:
    void goodArguments_data();
    void goodArguments();
    void badArgumentsAreNamed_data();
    void badArgumentsAreNamed();
    void helpDescribesEveryOption();
};

void tst_CommandLine::goodArguments_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("mode");
    QTest::addColumn<qlonglong>("seed"); // -1 for none
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("photons");
    QTest::addColumn<int>("slowdown");
    QTest::newRow("nothing opens the window")
        << QStringList() << int(Mode::Window) << -1LL << "" << 50 << 1;
    QTest::newRow("seed for the window")
        << QStringList({"--seed", "42"}) << int(Mode::Window) << 42LL << "" << 50 << 1;
    QTest::newRow("render with defaults") << QStringList({"--render", "out.png"})
                                          << int(Mode::Render) << -1LL << "out.png" << 50 << 1;
    QTest::newRow("render with everything")
        << QStringList({"--render", "a.png", "--photons", "500", "--slowdown", "3", "--seed", "0"})
        << int(Mode::Render) << 0LL << "a.png" << 500 << 3;
    QTest::newRow("values after =")
        << QStringList({"--render=b.png", "--photons=1", "--slowdown=2"}) << int(Mode::Render)
        << -1LL << "b.png" << 1 << 2;
    QTest::newRow("options in any order") << QStringList({"--photons", "10", "--render", "c.png"})
                                          << int(Mode::Render) << -1LL << "c.png" << 10 << 1;
    QTest::newRow("help") << QStringList({"--help"}) << int(Mode::Help) << -1LL << "" << 50 << 1;
    QTest::newRow("version") << QStringList({"--version"}) << int(Mode::Version) << -1LL << "" << 50
                             << 1;
}

void tst_CommandLine::goodArguments() {
    QFETCH(QStringList, arguments);
    QFETCH(int, mode);
    QFETCH(qlonglong, seed);
    QFETCH(QString, path);
    QFETCH(int, photons);
    QFETCH(int, slowdown);
    const CommandLine line = CommandLine::parse(arguments);
    QVERIFY2(line.error.isEmpty(), qPrintable(line.error));
    QCOMPARE(int(line.mode), mode);
    QCOMPARE(line.seed.has_value(), seed >= 0);
    if (seed >= 0) {
        QCOMPARE(qlonglong(*line.seed), seed);
    }
    QCOMPARE(line.renderPath, path);
    QCOMPARE(line.photons, photons);
    QCOMPARE(line.slowdown, slowdown);
}

void tst_CommandLine::badArgumentsAreNamed_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("named");
    QTest::newRow("unknown option") << QStringList({"--colour"}) << "--colour";
    QTest::newRow("single dash") << QStringList({"-seed", "3"}) << "-seed";
    QTest::newRow("stray word") << QStringList({"picture.png"}) << "picture.png";
    QTest::newRow("seed without value") << QStringList({"--seed"}) << "--seed";
    QTest::newRow("seed not a number") << QStringList({"--seed", "abc"}) << "abc";
    QTest::newRow("seed negative") << QStringList({"--seed", "-1"}) << "-1";
    QTest::newRow("seed too large")
        << QStringList({"--seed", "18446744073709551616"}) << "18446744073709551616";
    QTest::newRow("seed in hex") << QStringList({"--seed", "0x10"}) << "0x10";
    QTest::newRow("seed empty") << QStringList({"--seed="}) << "--seed";
    QTest::newRow("render without file") << QStringList({"--render"}) << "--render";
    QTest::newRow("render empty file") << QStringList({"--render", ""}) << "--render";
    QTest::newRow("photons not offered")
        << QStringList({"--render", "a.png", "--photons", "7"}) << "'7'";
    QTest::newRow("photons not a number")
        << QStringList({"--render", "a.png", "--photons", "many"}) << "many";
    QTest::newRow("photons huge") << QStringList({"--render", "a.png", "--photons", "1e308"})
                                  << "1e308";
    QTest::newRow("slowdown 0") << QStringList({"--render", "a.png", "--slowdown", "0"}) << "'0'";
    QTest::newRow("slowdown 4") << QStringList({"--render", "a.png", "--slowdown", "4"}) << "'4'";
    QTest::newRow("slowdown fraction")
        << QStringList({"--render", "a.png", "--slowdown", "1.5"}) << "1.5";
    QTest::newRow("photons without render") << QStringList({"--photons", "5"}) << "--photons";
    QTest::newRow("slowdown without render") << QStringList({"--slowdown", "2"}) << "--slowdown";
    QTest::newRow("help with a value") << QStringList({"--help=yes"}) << "--help";
}

void tst_CommandLine::badArgumentsAreNamed() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, named);
    const CommandLine line = CommandLine::parse(arguments);
    QVERIFY(line.error.startsWith(QStringLiteral("slitwise: ")));
    QVERIFY2(line.error.contains(named), qPrintable(line.error));
    QVERIFY(!line.error.contains(QLatin1Char('\n')));
}

void tst_CommandLine::helpDescribesEveryOption() {
    const QString help = CommandLine::helpText();
    for (const char* option : {"--seed", "--render", "--photons", "--slowdown", "--version",
                               "--help", "1, 5, 10, 50, 100, 500", "801 x 581"}) {
        QVERIFY2(help.contains(QLatin1String(option)), option);
    }
}

QTEST_APPLESS_MAIN(tst_CommandLine)
#include "tst_CommandLine.moc"
