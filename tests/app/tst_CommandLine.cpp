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
    void experimentOptionsGiveTheirTexts_data();
    void experimentOptionsGiveTheirTexts();
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
    QTest::newRow("render at a scale with a decimal comma")
        << QStringList({"--render", "d.png", "--scale", "2,5"}) << int(Mode::Render) << -1LL
        << "d.png" << 50 << 1 << 2.5;
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
    QTest::newRow("render with the most hits the help states")
        << QStringList({"--render", "h.png", "--hits", "100000"}) << int(Mode::Render) << -1LL
        << "h.png" << 50 << 1 << 1.0;
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
    for (const char* option :
         {"--seed", "--render", "--photons", "--slowdown", "--version", "--help",
          "1, 5, 10, 50, 100, 500", "801 x 581", "-h, --help", "-v, --version", "-platform",
          "Usage: slitwise ", "--distance", "--separation", "--wavelength", "--turn",
          "--slit-width", "--slits", "--which-slit"}) {
        QVERIFY2(help.contains(QLatin1String(option)), option);
    }
}

void tst_CommandLine::experimentOptionsGiveTheirTexts_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("texts"); // field=text, in the order written
    const auto row = [](const char* name, const QStringList& arguments, Mode mode,
                        const QStringList& texts) {
        QTest::newRow(name) << arguments << int(mode) << texts;
    };
    row("none: the designed experiment", {"--render", "a.png"}, Mode::Render, {});
    // The distance typed is from the slits; the field places the detector 50 px further right.
    row("distance, for the window", {"--distance", "150"}, Mode::Window, {"nVzdalenost=200"});
    row("the ends of the ranges", {"--distance=250", "--separation", "10", "--slit-width", "30"},
        Mode::Window, {"nVzdalenost=300", "nRd=10", "nSirka=30"});
    row("the shortest distance", {"--distance", "50"}, Mode::Window, {"nVzdalenost=100"});
    row("a wavelength is written as its turn", {"--data", "d.csv", "--wavelength", "12.5663706144"},
        Mode::Render, {"nUr=0.5"});
    row("a wavelength with a decimal comma", {"--wavelength", "12,5663706144"}, Mode::Window,
        {"nUr=0.5"});
    row("the shortest wavelength", {"--wavelength", "3"}, Mode::Window, {"nUr=2.0943951"});
    row("a turn as typed", {"--turn", "0.2513"}, Mode::Window, {"nUr=0.2513"});
    row("the largest turn the help states", {"--turn", "2.0944"}, Mode::Window, {"nUr=2.0944"});
    row("upper slit", {"--slits", "upper"}, Mode::Window, {"nOtevrene=1"});
    row("lower slit with a render", {"--render", "a.png", "--slits=lower"}, Mode::Render,
        {"nOtevrene=2"});
    row("both slits", {"--slits", "both"}, Mode::Window, {"nOtevrene=0"});
    row("which-slit detector", {"--which-slit"}, Mode::Window, {"nDetekce=1"});
    row("a grating of eight", {"--slit-count", "8"}, Mode::Window, {"nPocetSterbin=8"});
}

void tst_CommandLine::experimentOptionsGiveTheirTexts() {
    QFETCH(QStringList, arguments);
    QFETCH(int, mode);
    QFETCH(QStringList, texts);
    const CommandLine line = CommandLine::parse(arguments);
    QVERIFY2(line.error.isEmpty(), qPrintable(line.error));
    QCOMPARE(int(line.mode), mode);
    QStringList written;
    for (const auto& [field, text] : line.experiment) {
        written << FormFields::name(field) + QLatin1Char('=') + text;
    }
    QCOMPARE(written, texts);
}

QTEST_APPLESS_MAIN(tst_CommandLine)
#include "tst_CommandLine.moc"
