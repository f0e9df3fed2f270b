// The expected pattern against the same expectation worked out the long way, photon pairs over
// all 180 start phases and both slits, and against the mean of many seeded runs' bars.
#include "ExpectedPattern.h"
#include "FakeFields.h"
#include "PhotonRun.h"
#include "RandomGenerator.h"
#include "RecordingSurface.h"

#include <QTest>

#include <cmath>
#include <complex>

namespace {

// E[bar] written out: each photon's arrow is 0.3·e^(i·(start phase + turn · path)), with the
// start phase r · 0.01727451 for r = 0..179 and the upper slit (y = 320.5) taken 499 times in
// 1000. Distinct photons are independent, so E|Σ arrows|² = N·0.09 + N(N−1)·|E[arrow]|².
double expectedTheLongWay(int photons, double scale, double y, double turn = 1,
                          double detectorX = 300) {
    std::complex<double> mean;
    for (int r = 0; r < 180; ++r) {
        const double start = r * (1.57041 / 100 * 1.1);
        for (const auto& [slitY, chance] : {std::pair(320.5, 0.499), std::pair(360.5, 0.501)}) {
            const double path = std::hypot(detectorX - 150, slitY - y);
            mean += chance / 180 * 0.3 * std::polar(1.0, start + turn * path);
        }
    }
    return scale * (photons * 0.09 + photons * (photons - 1.0) * std::norm(mean));
}

FakeFields fieldsFor(int photons) {
    FakeFields fields;
    fields.setText(SettingField::PocetFotonu, QString::number(photons));
    return fields;
}

} // namespace

class tst_ExpectedPattern : public QObject {
    Q_OBJECT
private slots:
    void meanStartArrowIsAboutTwoThirds();
    void matchesTheLongWay_data();
    void matchesTheLongWay();
    void meanOfSeededRunsApproachesIt();
};

void tst_ExpectedPattern::meanStartArrowIsAboutTwoThirds() {
    QCOMPARE(std::round(std::sqrt(ExpectedPattern::meanStartArrowSquared()) * 1000) / 1000, 0.643);
}

void tst_ExpectedPattern::matchesTheLongWay_data() {
    QTest::addColumn<int>("photons");
    QTest::addColumn<double>("scale"); // the bar scale of that photons row
    QTest::addColumn<double>("y");
    QTest::addColumn<QString>("turn"); // text of the turn per pixel
    QTest::addColumn<QString>("distance");
    QTest::newRow("1 photon: flat at 72") << 1 << 800.0 << 200.0 << "1"
                                          << "200";
    QTest::newRow("5 photons, top") << 5 << 90.0 << 81.0 << "1"
                                    << "200";
    QTest::newRow("50 photons, on the axis") << 50 << 2.0 << 340.0 << "1"
                                             << "200";
    QTest::newRow("50 photons, bottom") << 50 << 2.0 << 531.0 << "1"
                                        << "200";
    QTest::newRow("500 photons, a dark band") << 500 << 0.02 << 317.0 << "1"
                                              << "200";
    QTest::newRow("100 photons, other turn") << 100 << 0.5 << 250.0 << "0.5"
                                             << "200";
    QTest::newRow("10 photons, farther detector") << 10 << 30.0 << 150.0 << "1"
                                                  << "350";
}

void tst_ExpectedPattern::matchesTheLongWay() {
    QFETCH(int, photons);
    QFETCH(double, scale);
    QFETCH(double, y);
    QFETCH(QString, turn);
    QFETCH(QString, distance);
    FakeFields fields = fieldsFor(photons);
    fields.setText(SettingField::Ur, turn);
    fields.setText(SettingField::Vzdalenost, distance);
    const auto pattern = ExpectedPattern::forSettings(fields);
    QVERIFY(pattern.has_value());
    const double longWay =
        expectedTheLongWay(photons, scale, y, turn.toDouble(), distance.toDouble() + 100);
    QVERIFY2(std::abs(pattern->barLength(y) - longWay) < 1e-9 * std::max(1.0, longWay),
             qPrintable(QStringLiteral("%1 against %2").arg(pattern->barLength(y)).arg(longWay)));
    if (photons == 1) {
        QCOMPARE(pattern->barLength(y), 72.0);
    }
}

void tst_ExpectedPattern::meanOfSeededRunsApproachesIt() {
    // 40 runs of 5 photons a dot: 20,800 bars, whose sum should come within a few per cent of
    // the sum of their expected lengths.
    const FakeFields fields = fieldsFor(5);
    const auto pattern = ExpectedPattern::forSettings(fields);
    double bars = 0.0;
    double expected = 0.0;
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        RecordingSurface surface;
        RandomGenerator random(seed);
        FakeFields runFields = fields;
        PhotonRun run(surface, random, runFields);
        run.start();
        run.advance(std::numeric_limits<long long>::max());
        for (const PhotonRun::DotResult& dot : run.dots()) {
            bars += dot.barLength;
            expected += pattern->barLength(dot.y);
        }
    }
    QVERIFY2(std::abs(bars / expected - 1) < 0.03, qPrintable(QString::number(bars / expected)));
}

QTEST_APPLESS_MAIN(tst_ExpectedPattern)
#include "tst_ExpectedPattern.moc"
