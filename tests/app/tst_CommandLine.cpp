// What each good command line means; the bad ones are tried against the real program.
#include "CommandLine.h"

#include <QTest>

using Mode = CommandLine::Mode;

class tst_CommandLine : public QObject {
    Q_OBJECT
private slots:
    void goodArguments_data();
    void goodArguments();
    void helpDescribesEveryOption();
};

void tst_CommandLine::goodArguments_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("mode");
    QTest::addColumn<qlonglong>("seed"); // -1 for none
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("photons");
    QTest::addColumn<int>("slowdown");
    QTest::addColumn<double>("scale");
    QTest::newRow("nothing opens the window")
        << QStringList() << int(Mode::Window) << -1LL << "" << 50 << 1 << 1.0;
    QTest::newRow("seed for the window")
        << QStringList({"--seed", "42"}) << int(Mode::Window) << 42LL << "" << 50 << 1 << 1.0;
    QTest::newRow("render with defaults")
        << QStringList({"--render", "out.png"}) << int(Mode::Render) << -1LL << "out.png" << 50 << 1
        << 1.0;
    QTest::newRow("render with everything")
        << QStringList({"--render", "a.png", "--photons", "500", "--slowdown", "3", "--seed", "0"})
        << int(Mode::Render) << 0LL << "a.png" << 500 << 3 << 1.0;
    QTest::newRow("render at a scale") << QStringList({"--render", "d.png", "--scale", "2.5"})
                                       << int(Mode::Render) << -1LL << "d.png" << 50 << 1 << 2.5;
    QTest::newRow("render at the smallest scale")
        << QStringList({"--render", "d.png", "--scale", "0.5"}) << int(Mode::Render) << -1LL
        << "d.png" << 50 << 1 << 0.5;
    QTest::newRow("render at the largest scale, to standard output")
        << QStringList({"--render", "-", "--scale", "4"}) << int(Mode::Render) << -1LL << "-" << 50
        << 1 << 4.0;
    QTest::newRow("values after =")
        << QStringList({"--render=b.png", "--photons=1", "--slowdown=2"}) << int(Mode::Render)
        << -1LL << "b.png" << 1 << 2 << 1.0;
    QTest::newRow("options in any order") << QStringList({"--photons", "10", "--render", "c.png"})
                                          << int(Mode::Render) << -1LL << "c.png" << 10 << 1 << 1.0;
    QTest::newRow("help") << QStringList({"--help"}) << int(Mode::Help) << -1LL << "" << 50 << 1
                          << 1.0;
    QTest::newRow("short help") << QStringList({"-h"}) << int(Mode::Help) << -1LL << "" << 50 << 1
                                << 1.0;
    QTest::newRow("help with Qt's options")
        << QStringList({"--help-all"}) << int(Mode::HelpAll) << -1LL << "" << 50 << 1 << 1.0;
    QTest::newRow("short version")
        << QStringList({"-v"}) << int(Mode::Version) << -1LL << "" << 50 << 1 << 1.0;
    QTest::newRow("version") << QStringList({"--version"}) << int(Mode::Version) << -1LL << "" << 50
                             << 1 << 1.0;
}

void tst_CommandLine::goodArguments() {
    QFETCH(QStringList, arguments);
    QFETCH(int, mode);
    QFETCH(qlonglong, seed);
    QFETCH(QString, path);
    QFETCH(int, photons);
    QFETCH(int, slowdown);
    QFETCH(double, scale);
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
    QCOMPARE(line.scale, scale);
}

void tst_CommandLine::helpDescribesEveryOption() {
    const QString help = CommandLine::helpText();
    for (const char* option : {"--seed", "--render", "--photons", "--slowdown", "--version",
                               "--help", "1, 5, 10, 50, 100, 500", "801 x 581", "-h, --help",
                               "-v, --version", "-platform", "Usage: slitwise "}) {
        QVERIFY2(help.contains(QLatin1String(option)), option);
    }
}

QTEST_APPLESS_MAIN(tst_CommandLine)
#include "tst_CommandLine.moc"
