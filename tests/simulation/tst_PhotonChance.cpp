// A single photon's chance and the hits drawn from it, against the chance worked out in the test
// from the arrows themselves: a plain average over heights across each slit.
#include "DetectorHits.h"
#include "FakeFields.h"
#include "RandomGenerator.h"

#include <QTest>

#include <cmath>
#include <complex>

namespace {

struct Setting {
    QString width = QStringLiteral("0");
    QString open = QStringLiteral("0"); // 0 both, 1 upper, 2 lower
    QString detector = QStringLiteral("0");
};

FakeFields fieldsFor(const Setting& setting) {
    FakeFields fields;
    fields.setText(SettingField::Sirka, setting.width);
    fields.setText(SettingField::Otevrene, setting.open);
    fields.setText(SettingField::Detekce, setting.detector);
    return fields;
}

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

double weightAt(const Setting& setting, double y) {
    const double width = setting.width.toDouble();
    const bool upperOpen = setting.open != QLatin1String("2");
    const bool lowerOpen = setting.open != QLatin1String("1");
    const double length = upperOpen && lowerOpen ? std::sqrt(0.5) : 1.0;
    const std::complex<double> upper = upperOpen ? length * arrowFrom(320.5, width, y) : 0.0;
    const std::complex<double> lower = lowerOpen ? length * arrowFrom(360.5, width, y) : 0.0;
    return setting.detector == QLatin1String("1") ? std::norm(upper) + std::norm(lower)
                                                  : std::norm(upper + lower);
}

// Chi-square of the counts in equal bins over 79 to 531 against the chance in each bin.
double chiSquare(const std::vector<int>& counts, const std::vector<double>& chances) {
    double total = 0;
    for (int count : counts) {
        total += count;
    }
    double sum = 0;
    for (std::size_t i = 0; i < counts.size(); ++i) {
        const double expected = total * chances[i];
        sum += (counts[i] - expected) * (counts[i] - expected) / expected;
    }
    return sum;
}

} // namespace

Q_DECLARE_METATYPE(Setting)

class tst_PhotonChance : public QObject {
    Q_OBJECT
private slots:
    void hitsFollowTheChance_data();
    void hitsFollowTheChance();
    void arrowsAtAHeight_data();
    void arrowsAtAHeight();
};

void tst_PhotonChance::hitsFollowTheChance_data() {
    QTest::addColumn<Setting>("setting");
    QTest::addColumn<bool>("fringes"); // whether the chance is far from even
    QTest::newRow("start-up: two point slits") << Setting{} << true;
    QTest::newRow("which-slit detector: even") << Setting{.detector = "1"} << false;
    QTest::newRow("one slit 20 pixels wide: an envelope")
        << Setting{.width = "20", .open = "1"} << true;
}

void tst_PhotonChance::hitsFollowTheChance() {
    // 20,000 hits in 40 bins: chi-square with 39 degrees of freedom stays below 72.05 but at
    // a significance of 0.001. Against an even chance it must exceed that where fringes are.
    QFETCH(Setting, setting);
    QFETCH(bool, fringes);
    constexpr int bins = 40;
    constexpr int hitCount = 20000;
    constexpr double critical = 72.05;
    constexpr double binHeight = (531.0 - 79.0) / bins;
    std::vector<double> chances(bins);
    double total = 0;
    for (int i = 0; i < bins; ++i) {
        for (int k = 0; k < 50; ++k) {
            chances[i] += weightAt(setting, 79 + binHeight * (i + (k + 0.5) / 50));
        }
        total += chances[i];
    }
    for (double& chance : chances) {
        chance /= total;
    }

    const auto chance = PhotonChance::forSettings(fieldsFor(setting));
    QVERIFY(chance.has_value());
    RandomGenerator random(7);
    DetectorHits hits(*chance, random, 200);
    hits.land(hitCount);
    std::vector<int> counts(bins);
    for (const DetectorHits::Hit& hit : hits.hits()) {
        QVERIFY(hit.y >= 79 && hit.y <= 531 && hit.x >= 0 && hit.x < 200);
        ++counts[std::min(bins - 1, static_cast<int>((hit.y - 79) / binHeight))];
    }
    const double fit = chiSquare(counts, chances);
    QVERIFY2(fit < critical, qPrintable(QString::number(fit)));
    const double againstEven = chiSquare(counts, std::vector<double>(bins, 1.0 / bins));
    QCOMPARE(againstEven > critical, fringes);

    // The same seed lands the same photons.
    RandomGenerator again(7);
    DetectorHits repeat(*chance, again, 200);
    repeat.land(hitCount);
    QCOMPARE(repeat.hits().back().y, hits.hits().back().y);
    QCOMPARE(repeat.hits().back().x, hits.hits().back().x);
}

void tst_PhotonChance::arrowsAtAHeight_data() {
    QTest::addColumn<Setting>("setting");
    QTest::addColumn<double>("y");
    QTest::newRow("on the axis, in step") << Setting{} << 340.5;
    QTest::newRow("a dark band") << Setting{} << 317.0;
    QTest::newRow("detector: not joined") << Setting{.detector = "1"} << 317.0;
    QTest::newRow("lower slit only") << Setting{.open = "2"} << 200.0;
    QTest::newRow("wide slits, high up") << Setting{.width = "30"} << 100.0;
}

void tst_PhotonChance::arrowsAtAHeight() {
    QFETCH(Setting, setting);
    QFETCH(double, y);
    const auto chance = PhotonChance::forSettings(fieldsFor(setting));
    RandomGenerator random(1);
    DetectorHits hits(*chance, random, 100);
    QVERIFY(!hits.latestArrows());
    hits.land();
    const auto landed = hits.latestArrows();
    QVERIFY(landed &&
            std::abs(landed->weight() - chance->arrowsAt(hits.hits()[0].y).weight()) < 1e-12);

    const PhotonChance::Arrows arrows = chance->arrowsAt(y);
    const double width = setting.width.toDouble();
    const double length = setting.open == QLatin1String("0") ? std::sqrt(0.5) : 1.0;
    const std::complex<double> upper =
        setting.open == QLatin1String("2") ? 0.0 : length * arrowFrom(320.5, width, y);
    const std::complex<double> lower =
        setting.open == QLatin1String("1") ? 0.0 : length * arrowFrom(360.5, width, y);
    QVERIFY(std::abs(arrows.upper - upper) < 1e-4);
    QVERIFY(std::abs(arrows.lower - lower) < 1e-4);
    QVERIFY(std::abs(arrows.sum() - (upper + lower)) < 1e-4);
    QCOMPARE(arrows.joined, setting.detector != QLatin1String("1"));
}

QTEST_APPLESS_MAIN(tst_PhotonChance)
#include "tst_PhotonChance.moc"
