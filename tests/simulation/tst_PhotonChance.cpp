// A single photon's chance, the hits drawn from it and the arrow probe, against the chance worked
// out in the test from the arrows themselves: a plain average over heights across each slit.
#include "ArrowProbe.h"
#include "DetectorHits.h"
#include "FakeFields.h"
#include "HitsDrawing.h"
#include "RandomGenerator.h"
#include "RecordingSurface.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <complex>
#include <numeric>

namespace {

using Setting = FakeFields::Setup;

// The photon's arrow from one slit at height y for the start-up geometry (slits at 320.5 and
// 360.5, detector at x = 300, one radian per pixel), averaged over 2,000 heights across the slit.
std::complex<double> arrowFrom(double slitY, double width, double y) {
    const int heights = width > 0 ? 2000 : 1;
    std::complex<double> sum;
    for (int k = 0; k < heights; ++k) {
        const double h = slitY + width * ((k + 0.5) / heights - 0.5);
        sum += std::polar(1.0, std::hypot(150.0, h - y));
    }
    return sum / static_cast<double>(heights);
}

// One photon's two arrows at height y, of length 1/√(open slits); 0 for a closed slit.
std::pair<std::complex<double>, std::complex<double>> arrowsAt(const Setting& setting, double y) {
    const double width = setting.width.toDouble();
    const double length = setting.open == QLatin1String("0") ? std::sqrt(0.5) : 1.0;
    return {setting.open == QLatin1String("2") ? 0.0 : length * arrowFrom(320.5, width, y),
            setting.open == QLatin1String("1") ? 0.0 : length * arrowFrom(360.5, width, y)};
}

double weightAt(const Setting& setting, double y) {
    const auto [upper, lower] = arrowsAt(setting, y);
    return setting.detector == QLatin1String("1") ? std::norm(upper) + std::norm(lower)
                                                  : std::norm(upper + lower);
}

} // namespace

class tst_PhotonChance : public QObject {
    Q_OBJECT
private slots:
    void hitsFollowTheChance_data();
    void hitsFollowTheChance();
    void latestHitIsDrawnWithItsArrows_data();
    void latestHitIsDrawnWithItsArrows();
    void probeAgreesWithThePlainArrows_data();
    void probeAgreesWithThePlainArrows();
};

void tst_PhotonChance::hitsFollowTheChance_data() {
    QTest::addColumn<Setting>("setting");
    QTest::newRow("start-up: two point slits") << Setting{};
    QTest::newRow("which-slit detector: even") << Setting{.detector = "1"};
    QTest::newRow("one slit 20 pixels wide: an envelope") << Setting{.width = "20", .open = "1"};
}

void tst_PhotonChance::hitsFollowTheChance() {
    // 20,000 hits in 40 bins over 79 to 531: chi-square with 39 degrees of freedom stays below
    // 72.05 but at a significance of 0.001.
    QFETCH(Setting, setting);
    constexpr int bins = 40;
    constexpr double binHeight = (531.0 - 79.0) / bins;
    std::vector<double> chances(bins);
    for (int i = 0; i < bins; ++i) {
        for (int k = 0; k < 50; ++k) {
            chances[i] += weightAt(setting, 79 + binHeight * (i + (k + 0.5) / 50));
        }
    }
    const double total = std::accumulate(chances.begin(), chances.end(), 0.0);

    const auto chance = PhotonChance::forSettings(FakeFields(setting));
    QVERIFY(chance.has_value());
    RandomGenerator random(7);
    DetectorHits hits(*chance, random, 200);
    hits.land(20000);
    std::vector<int> counts(bins);
    for (const DetectorHits::Hit& hit : hits.hits()) {
        QVERIFY(hit.y >= 79 && hit.y <= 531 && hit.x >= 0 && hit.x < 200);
        ++counts[std::min(bins - 1, static_cast<int>((hit.y - 79) / binHeight))];
    }
    double fit = 0;
    for (int i = 0; i < bins; ++i) {
        const double expected = 20000 * chances[i] / total;
        fit += (counts[i] - expected) * (counts[i] - expected) / expected;
    }
    QVERIFY2(fit < 72.05, qPrintable(QString::number(fit)));

    // Drawn, the bars tend to the red curve of the chance: they cover as much as it does.
    RecordingSurface surface;
    HitsDrawing::drawHistogram(surface, hits, true);
    double bars = 0;
    double curve = 0;
    for (const RecordingSurface::Call& call : surface.lines()) {
        const double reach = call.x2 - HitsDrawing::histogramX;
        if (!call.colour) {
            // Each bin's bar is drawn in all but the last of its rows.
            bars += reach * HitsDrawing::binHeight / (HitsDrawing::binHeight - 1);
        } else if (*call.colour != Colour::background()) {
            curve += reach;
        }
    }
    QVERIFY2(std::abs(bars / curve - 1) < 0.1, qPrintable(QString::number(bars / curve)));

    // The latest photon's arrows are those at its height.
    const auto [upper, lower] = arrowsAt(setting, hits.hits().back().y);
    const PhotonChance::Arrows arrows = *hits.latestArrows();
    QVERIFY(std::abs(arrows.upper - upper) < 1e-4 && std::abs(arrows.lower - lower) < 1e-4);
    QCOMPARE(arrows.joined, setting.detector != QLatin1String("1"));
    hits.clear();
    QVERIFY(!hits.latestArrows());
}

void tst_PhotonChance::latestHitIsDrawnWithItsArrows_data() {
    QTest::addColumn<Setting>("setting");
    QTest::addColumn<bool>("joined"); // head to tail with a green sum, or apart without one
    QTest::newRow("two point slits: joined") << Setting{} << true;
    QTest::newRow("which-slit detector: apart") << Setting{.detector = "1"} << false;
}

void tst_PhotonChance::latestHitIsDrawnWithItsArrows() {
    QFETCH(Setting, setting);
    QFETCH(bool, joined);
    FakeFields fields(setting);
    RandomGenerator random(3);
    DetectorHits hits(*PhotonChance::forSettings(fields), random, HitsDrawing::bandWidth);
    hits.land(50);
    RecordingSurface kept;
    HitsDrawing::drawAll(kept, hits, true);
    RecordingSurface surface;
    HitsDrawing::drawLatest(surface, hits);
    const double y = hits.hits().back().y;
    const auto [upper, lower] = arrowsAt(setting, y);
    const auto drawnIn = [](const RecordingSurface& drawn, std::optional<Colour> colour) {
        std::vector<RecordingSurface::Call> found;
        for (const RecordingSurface::Call& call : drawn.lines()) {
            if (call.colour == colour) {
                found.push_back(call);
            }
        }
        return found;
    };
    // The pointer from the band at the hit's height to where the arrows start, moved up or down
    // only as far as keeps them on the screen; then each arrow's shaft, followed by its head.
    const auto all = surface.lines();
    QVERIFY(!all.empty() &&
            all[0].x1 == float(HitsDrawing::bandLeft + HitsDrawing::bandWidth + 4) &&
            all[0].y1 == float(y));
    const double y0 = all[0].y2;
    for (const RecordingSurface::Call& call : all) {
        QVERIFY(std::min(call.y1, call.y2) >= HitsDrawing::top &&
                std::max(call.y1, call.y2) <= HitsDrawing::bottom);
    }
    // Each arrow from where it starts, arrowScale pixels per unit, upward for a positive
    // imaginary part.
    const auto ends = [](const RecordingSurface::Call& call, double x0, double from,
                         std::complex<double> arrow) {
        return std::abs(call.x1 - x0) < 1e-3 && std::abs(call.y1 - from) < 1e-3 &&
               std::abs(call.x2 - (x0 + HitsDrawing::arrowScale * arrow.real())) < 1e-2 &&
               std::abs(call.y2 - (from - HitsDrawing::arrowScale * arrow.imag())) < 1e-2;
    };
    const auto upperLines = drawnIn(surface, Colour::foreground());
    const auto lowerLines = drawnIn(surface, Colour::lowerSlit());
    QCOMPARE(lowerLines.size(), std::size_t(3));
    QVERIFY(ends(upperLines.at(0), HitsDrawing::arrowsX, y0, upper));
    const double lowerX = joined ? HitsDrawing::arrowsX + HitsDrawing::arrowScale * upper.real()
                                 : HitsDrawing::arrowsX;
    const double lowerY = joined ? y0 - HitsDrawing::arrowScale * upper.imag() : y0;
    QVERIFY(ends(lowerLines[0], lowerX, lowerY, lower));
    const auto sums = drawnIn(surface, Colour::sumArrow());
    QCOMPARE(sums.size(), std::size_t(joined ? 3 : 0));
    if (joined) {
        QVERIFY(ends(sums[0], HitsDrawing::arrowsX, y0, upper + lower));
    }
    // Every dot inside the band, at its hit's height, two pixels square.
    const auto dots = drawnIn(kept, std::nullopt);
    QCOMPARE(std::count_if(dots.begin(), dots.end(),
                           [](const auto& call) {
                               return call.x2 == call.x1 + 1 && call.y1 == call.y2 &&
                                      call.x1 >= HitsDrawing::bandLeft &&
                                      call.x1 < HitsDrawing::bandLeft + HitsDrawing::bandWidth &&
                                      call.y1 >= PhotonChance::highestY &&
                                      call.y1 <= PhotonChance::lowestY + 1;
                           }),
             100);
}

void tst_PhotonChance::probeAgreesWithThePlainArrows_data() {
    QTest::addColumn<Setting>("setting");
    QTest::addColumn<double>("y");
    QTest::newRow("two point slits, on the axis") << Setting{} << 340.5;
    QTest::newRow("two point slits, off the axis") << Setting{} << 287.25;
    QTest::newRow("the detector on: no sum") << Setting{.detector = "1"} << 300.0;
    QTest::newRow("the lower slit alone") << Setting{.open = "2"} << 400.0;
    QTest::newRow("two wide slits: chains") << Setting{.width = "12"} << 250.0;
}

void tst_PhotonChance::probeAgreesWithThePlainArrows() {
    QFETCH(Setting, setting);
    QFETCH(double, y);
    FakeFields fields(setting);
    const ArrowProbe probe(*PhotonChance::forSettings(fields), y);
    const double width = setting.width.toDouble();
    std::complex<double> sum;
    for (const auto& [upper, slitY] : {std::pair(true, 320.5), std::pair(false, 360.5)}) {
        const ArrowProbe::Path* path = probe.path(upper);
        const bool open =
            setting.open == QLatin1String("0") || setting.open == QLatin1String(upper ? "1" : "2");
        QCOMPARE(path != nullptr, open);
        if (open) {
            QVERIFY(std::abs(path->length - std::hypot(150.0, slitY - y)) < 0.01);
            QVERIFY(std::abs(path->arrow() - arrowFrom(slitY, width, y)) < 1e-3);
            sum += arrowFrom(slitY, width, y);
        }
    }
    QCOMPARE(probe.sum().has_value(), setting.detector == QLatin1String("0"));
    if (probe.sum()) {
        QVERIFY(std::abs(*probe.sum() - sum) < 1e-3);
    }
    double highest = 0;
    for (double height = 79; height <= 531; height += 0.125) {
        highest = std::max(highest, weightAt(setting, height));
    }
    const double relative = weightAt(setting, y) / highest;
    QVERIFY2(std::abs(probe.relativeChance() - relative) <= 0.01 * std::max(relative, 0.01),
             qPrintable(QStringLiteral("%1 against %2").arg(probe.relativeChance()).arg(relative)));
}

QTEST_APPLESS_MAIN(tst_PhotonChance)
#include "tst_PhotonChance.moc"
