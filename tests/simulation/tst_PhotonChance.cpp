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
#include <numbers>
#include <numeric>
#include <vector>

namespace {

using Setting = FakeFields::Setup;

// The photon's arrow from the slit at slitY to height y for the start-up geometry (detector at
// x = 300, one radian per pixel), averaged over 2,000 heights across the slit.
std::complex<double> arrowFrom(double slitY, double width, double y) {
    const int heights = width > 0 ? 2000 : 1;
    std::complex<double> sum;
    for (int k = 0; k < heights; ++k) {
        const double h = slitY + width * ((k + 0.5) / heights - 0.5);
        sum += std::polar(1.0, std::hypot(150.0, h - y));
    }
    return sum / static_cast<double>(heights);
}

// The slits' middles from the top: 40 pixels apart about the axis at 340.5.
std::vector<double> slitHeights(const Setting& setting) {
    const int count = setting.slits.toInt();
    std::vector<double> heights;
    for (int k = 0; k < count; ++k) {
        heights.push_back(340.5 + 40 * (k - (count - 1) / 2.0));
    }
    return heights;
}

// One photon's arrows at height y, a slit's each, of length 1/√(open slits); 0 for a closed
// slit. Only two slits can be closed.
std::vector<std::complex<double>> arrowsAt(const Setting& setting, double y) {
    const std::vector<double> heights = slitHeights(setting);
    const bool choose = heights.size() == 2 && setting.open != QLatin1String("0");
    const double length = 1 / std::sqrt(choose ? 1.0 : static_cast<double>(heights.size()));
    std::vector<std::complex<double>> arrows;
    for (std::size_t k = 0; k < heights.size(); ++k) {
        const bool closed = choose && setting.open != QLatin1String(k == 0 ? "1" : "2");
        arrows.push_back(closed ? 0.0
                                : length * arrowFrom(heights[k], setting.width.toDouble(), y));
    }
    return arrows;
}

double weightAt(const Setting& setting, double y) {
    std::complex<double> sum;
    double apart = 0;
    for (const std::complex<double>& arrow : arrowsAt(setting, y)) {
        sum += arrow;
        apart += std::norm(arrow);
    }
    return setting.detector == QLatin1String("1") ? apart : std::norm(sum);
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
    QTest::newRow("three slits: sharper lines") << Setting{.slits = "3"};
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
    const auto plain = arrowsAt(setting, hits.hits().back().y);
    const PhotonChance::Arrows arrows = *hits.latestArrows();
    QCOMPARE(arrows.count, static_cast<int>(plain.size()));
    for (std::size_t k = 0; k < plain.size(); ++k) {
        QVERIFY(std::abs(arrows.slits[k] - plain[k]) < 1e-4);
    }
    QCOMPARE(arrows.joined, setting.detector != QLatin1String("1"));
    hits.clear();
    QVERIFY(!hits.latestArrows());
}

void tst_PhotonChance::latestHitIsDrawnWithItsArrows_data() {
    QTest::addColumn<Setting>("setting");
    QTest::addColumn<bool>("joined"); // head to tail with a green sum, or apart without one
    QTest::newRow("two point slits: joined") << Setting{} << true;
    QTest::newRow("which-slit detector: apart") << Setting{.detector = "1"} << false;
    QTest::newRow("three slits: joined") << Setting{.slits = "3"} << true;
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
    const auto plain = arrowsAt(setting, y);
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
    // imaginary part: head to tail from the top slit's when joined, else each from the start.
    const auto ends = [](const RecordingSurface::Call& call, double x0, double from,
                         std::complex<double> arrow) {
        return std::abs(call.x1 - x0) < 1e-3 && std::abs(call.y1 - from) < 1e-3 &&
               std::abs(call.x2 - (x0 + HitsDrawing::arrowScale * arrow.real())) < 1e-2 &&
               std::abs(call.y2 - (from - HitsDrawing::arrowScale * arrow.imag())) < 1e-2;
    };
    std::complex<double> tail;
    for (std::size_t k = 0; k < plain.size(); ++k) {
        const auto lines = drawnIn(surface, Colour::slit(static_cast<int>(k)));
        QVERIFY(!lines.empty());
        QVERIFY(ends(lines[0], HitsDrawing::arrowsX + HitsDrawing::arrowScale * tail.real(),
                     y0 - HitsDrawing::arrowScale * tail.imag(), plain[k]));
        tail = joined ? tail + plain[k] : 0.0;
    }
    const auto sums = drawnIn(surface, Colour::sumArrow());
    QCOMPARE(sums.size(), std::size_t(joined ? 3 : 0));
    if (joined) {
        QVERIFY(ends(sums[0], HitsDrawing::arrowsX, y0, tail));
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
    QTest::newRow("one slit") << Setting{.slits = "1"} << 330.0;
    QTest::newRow("three slits") << Setting{.slits = "3"} << 310.0;
    QTest::newRow("eight slits, the detector on")
        << Setting{.detector = "1", .slits = "8"} << 290.0;
    QTest::newRow("eight wide slits") << Setting{.width = "6", .slits = "8"} << 360.0;
}

void tst_PhotonChance::probeAgreesWithThePlainArrows() {
    QFETCH(Setting, setting);
    QFETCH(double, y);
    FakeFields fields(setting);
    const ArrowProbe probe(*PhotonChance::forSettings(fields), y);
    const double width = setting.width.toDouble();
    const std::vector<double> heights = slitHeights(setting);
    const std::vector<std::complex<double>> plain = arrowsAt(setting, y);
    std::complex<double> sum;
    for (std::size_t k = 0; k < heights.size(); ++k) {
        const ArrowProbe::Path* path = probe.path(static_cast<int>(k));
        const bool open = plain[k] != 0.0;
        QCOMPARE(path != nullptr, open);
        if (open) {
            QVERIFY(std::abs(path->length - std::hypot(150.0, heights[k] - y)) < 0.01);
            QVERIFY(std::abs(path->arrow() - arrowFrom(heights[k], width, y)) < 1e-3);
            sum += arrowFrom(heights[k], width, y);
        }
    }
    // Between neighbours: with more slits, the bottom path less the top over the gaps.
    if (probe.paths().size() > 1) {
        const double gaps = static_cast<double>(heights.size() - 1);
        const double difference =
            (std::hypot(150.0, heights.back() - y) - std::hypot(150.0, heights.front() - y)) /
            gaps / (2 * std::numbers::pi);
        QVERIFY(std::abs(*probe.pathDifference() - difference) < 1e-6);
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
