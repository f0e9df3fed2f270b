// The expected pattern against the same expectation worked out the long way, photon pairs over
// all 180 start phases, both slits and the heights across them, and against the mean of many
// seeded runs' bars, for each kind of experiment.
#include "ExpectedPattern.h"
#include "FakeFields.h"
#include "PhotonRun.h"
#include "RandomGenerator.h"
#include "RecordingSurface.h"
#include "Scene.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

namespace {

using Setting = FakeFields::Setup;

// E[bar] written out: each photon's arrow is 0.3·e^(i·(start phase + turn · path)), with the
// start phase r · 0.01727451 for r = 0..179, the slit taken evenly among K slits 40 pixels
// apart about the axis, but of two the upper 499 times in 1000 (always or never with one slit
// open), and the height across a wide slit one of 2,000 even steps. Distinct photons are
// independent, so E|Σ arrows|² = N·0.09 + N(N−1)·|E[arrow]|². With the which-slit detector each
// slit's photons are summed apart: E = N·0.09 + N(N−1)·Σ_k |E[arrow, slit k]|², the expectations
// taken over photons through that slit alone.
double expectedTheLongWay(int photons, double scale, double y, const Setting& setting) {
    const double turn = setting.turn.toDouble();
    const double detectorX = setting.distance.toDouble() + 100;
    const double separation = setting.separation.toDouble();
    const double width = setting.width.toDouble();
    const int count = setting.slits.toInt();
    const double upperChance = setting.open == QLatin1String("0")   ? 0.499
                               : setting.open == QLatin1String("1") ? 1.0
                                                                    : 0.0;
    const int heights = width > 0 ? 2000 : 1;
    std::vector<std::complex<double>> slits(count);
    for (int r = 0; r < 180; ++r) {
        const double start = r * (1.57041 / 100 * 1.1);
        for (int k = 0; k < heights; ++k) {
            const double across = width * ((k + 0.5) / heights - 0.5);
            for (int slit = 0; slit < count; ++slit) {
                const double chance = count != 2  ? 1.0 / count
                                      : slit == 0 ? upperChance
                                                  : 1 - upperChance;
                const double slitY = 340.5 + separation * (slit - (count - 1) / 2.0);
                const double path = std::hypot(detectorX - 150, slitY + across - y);
                slits[slit] += chance / 180 / heights * 0.3 * std::polar(1.0, start + turn * path);
            }
        }
    }
    std::complex<double> sum;
    double apart = 0;
    for (const std::complex<double>& arrow : slits) {
        sum += arrow;
        apart += std::norm(arrow);
    }
    const double pairs = setting.detector == QLatin1String("1") ? apart : std::norm(sum);
    return scale * (photons * 0.09 + photons * (photons - 1.0) * pairs);
}

FakeFields fieldsFor(int photons, const Setting& setting = {}) {
    FakeFields fields(setting);
    fields.setText(SettingField::PhotonsPerDot, QString::number(photons));
    return fields;
}

} // namespace

class tst_ExpectedPattern : public QObject {
    Q_OBJECT
private slots:
    void meanStartArrowIsAboutTwoThirds();
    void matchesTheLongWay_data();
    void matchesTheLongWay();
    void meanOfSeededRunsApproachesIt_data();
    void meanOfSeededRunsApproachesIt();
    void fringesAreWavelengthTimesDistanceOverSeparationApart_data();
    void fringesAreWavelengthTimesDistanceOverSeparationApart();
    void sumsStayInTheirColumn_data();
    void sumsStayInTheirColumn();
};

void tst_ExpectedPattern::meanStartArrowIsAboutTwoThirds() {
    QCOMPARE(std::round(std::sqrt(ExpectedPattern::meanStartArrowSquared()) * 1000) / 1000, 0.643);
}

void tst_ExpectedPattern::matchesTheLongWay_data() {
    QTest::addColumn<int>("photons");
    QTest::addColumn<double>("scale"); // the bar scale of that photons row
    QTest::addColumn<double>("y");
    QTest::addColumn<Setting>("setting");
    QTest::newRow("1 photon: flat at 72") << 1 << 800.0 << 200.0 << Setting{};
    QTest::newRow("5 photons, top") << 5 << 90.0 << 81.0 << Setting{};
    QTest::newRow("50 photons, on the axis") << 50 << 2.0 << 340.0 << Setting{};
    QTest::newRow("50 photons, bottom") << 50 << 2.0 << 531.0 << Setting{};
    QTest::newRow("500 photons, a dark band") << 500 << 0.02 << 317.0 << Setting{};
    QTest::newRow("100 photons, other turn") << 100 << 0.5 << 250.0 << Setting{.turn = "0.5"};
    QTest::newRow("10 photons, farther detector")
        << 10 << 30.0 << 150.0 << Setting{.distance = "350"};
    QTest::newRow("50 photons, slits 80 apart")
        << 50 << 2.0 << 300.0 << Setting{.separation = "80"};
    QTest::newRow("50 photons, slits 20 wide") << 50 << 2.0 << 230.0 << Setting{.width = "20"};
    QTest::newRow("500 photons, 30 wide, short waves")
        << 500 << 0.02 << 400.0 << Setting{.turn = "2", .width = "30"};
    QTest::newRow("50 photons, upper slit only") << 50 << 2.0 << 317.0 << Setting{.open = "1"};
    QTest::newRow("50 photons, lower slit 10 wide")
        << 50 << 2.0 << 450.0 << Setting{.width = "10", .open = "2"};
    QTest::newRow("50 photons, which-slit detector, dark band")
        << 50 << 2.0 << 317.0 << Setting{.detector = "1"};
    QTest::newRow("100 photons, detector and wide slits")
        << 100 << 0.5 << 120.0 << Setting{.width = "25", .detector = "1"};
    QTest::newRow("50 photons, one slit") << 50 << 2.0 << 300.0 << Setting{.slits = "1"};
    QTest::newRow("50 photons, three slits") << 50 << 2.0 << 327.0 << Setting{.slits = "3"};
    QTest::newRow("500 photons, eight slits, near the axis")
        << 500 << 0.02 << 338.0 << Setting{.slits = "8"};
    QTest::newRow("50 photons, eight slits, detector on")
        << 50 << 2.0 << 250.0 << Setting{.detector = "1", .slits = "8"};
    QTest::newRow("100 photons, three slits 10 wide")
        << 100 << 0.5 << 280.0 << Setting{.width = "10", .slits = "3"};
    QTest::newRow("50 photons, eight slits 5 wide, detector on")
        << 50 << 2.0 << 420.0 << Setting{.width = "5", .detector = "1", .slits = "8"};
}

void tst_ExpectedPattern::matchesTheLongWay() {
    QFETCH(int, photons);
    QFETCH(double, scale);
    QFETCH(double, y);
    QFETCH(Setting, setting);
    const auto pattern = ExpectedPattern::forSettings(fieldsFor(photons, setting));
    QVERIFY(pattern.has_value());
    // The long way steps across a wide slit, good to about 1e-4 of the pairs' part.
    const double longWay = expectedTheLongWay(photons, scale, y, setting);
    const double tolerance = setting.width == QLatin1String("0") ? 1e-9 : 1e-4;
    QVERIFY2(std::abs(pattern->barLength(y) - longWay) < tolerance * std::max(1.0, longWay),
             qPrintable(QStringLiteral("%1 against %2").arg(pattern->barLength(y)).arg(longWay)));
    if (photons == 1) {
        QCOMPARE(pattern->barLength(y), 72.0);
    }
}

void tst_ExpectedPattern::meanOfSeededRunsApproachesIt_data() {
    QTest::addColumn<Setting>("setting");
    QTest::newRow("start-up") << Setting{};
    QTest::newRow("slits 15 wide") << Setting{.width = "15"};
    QTest::newRow("lower slit only") << Setting{.open = "2"};
    QTest::newRow("which-slit detector") << Setting{.detector = "1"};
    QTest::newRow("three slits") << Setting{.slits = "3"};
    QTest::newRow("eight slits, detector on") << Setting{.detector = "1", .slits = "8"};
}

void tst_ExpectedPattern::meanOfSeededRunsApproachesIt() {
    // 40 runs of 5 photons a dot: 20,800 bars, whose sum should come within a few per cent of
    // the sum of their expected lengths.
    QFETCH(Setting, setting);
    const FakeFields fields = fieldsFor(5, setting);
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

void tst_ExpectedPattern::fringesAreWavelengthTimesDistanceOverSeparationApart_data() {
    QTest::addColumn<Setting>("setting");
    QTest::addColumn<double>("distance"); // from the slits to the detector line, as stated
    QTest::newRow("designed: 150 from the slits") << Setting{} << 150.0;
    QTest::newRow("a shorter distance, 100") << Setting{.distance = "150"} << 100.0;
    QTest::newRow("the longest, 250, slits 60 apart")
        << Setting{.distance = "300", .separation = "60"} << 250.0;
    QTest::newRow("twice the wavelength, slits 80 apart")
        << Setting{.turn = "0.5", .separation = "80"} << 150.0;
}

void tst_ExpectedPattern::fringesAreWavelengthTimesDistanceOverSeparationApart() {
    // The spacing a class measures near the axis against λL/d with the distance the program
    // states: within the few per cent the small-angle rule is off by there.
    QFETCH(Setting, setting);
    QFETCH(double, distance);
    const auto pattern = ExpectedPattern::forSettings(fieldsFor(500, setting));
    std::vector<double> peaks;
    for (double y = 250; y <= 431; y += 0.01) {
        const double here = pattern->barLength(y);
        if (here > pattern->barLength(y - 0.01) && here >= pattern->barLength(y + 0.01)) {
            peaks.push_back(y);
        }
    }
    QVERIFY(peaks.size() >= 3);
    // The two peaks either side of the one nearest the axis.
    const auto middle =
        std::min_element(peaks.begin() + 1, peaks.end() - 1, [](double a, double b) {
            return std::abs(a - 340.5) < std::abs(b - 340.5);
        });
    const double spacing = (*(middle + 1) - *(middle - 1)) / 2;
    const double wavelength = 2 * std::numbers::pi / setting.turn.toDouble();
    const double stated = wavelength * distance / setting.separation.toDouble();
    QVERIFY2(std::abs(spacing / stated - 1) < 0.05,
             qPrintable(QStringLiteral("%1 against %2").arg(spacing).arg(stated)));
}

void tst_ExpectedPattern::sumsStayInTheirColumn_data() {
    QTest::addColumn<int>("photons");
    QTest::addColumn<Setting>("setting");
    QTest::newRow("one slit, 500 photons") << 500 << Setting{.open = "1"};
    QTest::newRow("slits 20 wide, 500 photons") << 500 << Setting{.width = "20"};
    QTest::newRow("the longest distance, detector on")
        << 100 << Setting{.distance = "300", .detector = "1"};
    QTest::newRow("eight slits, 500 photons") << 500 << Setting{.slits = "8"};
}

void tst_ExpectedPattern::sumsStayInTheirColumn() {
    // A changed experiment's sums are shortened so that every drawn tip stays right of the
    // detector's arrows, left of the pattern axis, below the top of the apparatus and above the
    // settings line, give or take what chance adds to the expected sum.
    QFETCH(int, photons);
    QFETCH(Setting, setting);
    FakeFields fields = fieldsFor(photons, setting);
    RecordingSurface surface;
    RandomGenerator random(11);
    PhotonRun run(surface, random, fields);
    run.start();
    run.advance(std::numeric_limits<long long>::max());
    const double scale = run.scene().scales.sum;
    QVERIFY(scale <= Scene::scalesFor(photons).sum);
    const double left = run.scene().detectorX + Scene::arrowLength;
    const double slack = 3 * 0.3 * std::sqrt(photons) * scale;
    for (const PhotonRun::DotResult& dot : run.dots()) {
        if (!dot.sumArrowDrawn) {
            continue;
        }
        const double x = Scene::sumAxisX + dot.sumX * scale;
        const double y = dot.y - dot.sumY * scale;
        QVERIFY2(x >= left - slack && x <= Scene::patternAxisX + slack &&
                     y >= Scene::topY - slack && y <= Scene::areaHeight - 36 + slack,
                 qPrintable(QStringLiteral("tip at %1, %2").arg(x).arg(y)));
    }
}

QTEST_APPLESS_MAIN(tst_ExpectedPattern)
#include "tst_ExpectedPattern.moc"
