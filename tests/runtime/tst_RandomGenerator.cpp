// The generator's range, reproducibility and re-seeding, which must stir the state rather than
// restart the sequence.
#include "RandomGenerator.h"

#include <QTest>

#include <set>
#include <vector>

namespace {

std::vector<double> draw(RandomGenerator& generator, int count) {
    std::vector<double> values;
    for (int i = 0; i < count; ++i) {
        values.push_back(generator.nextValue());
    }
    return values;
}

} // namespace

class tst_RandomGenerator : public QObject {
    Q_OBJECT
private slots:
    void valuesLieInUnitInterval();
    void sameSeedRepeatsTheSequence();
    void differentSeedsDiffer();
    void reseedWithSameValueDoesNotRestart();
    void reseedIsReproducible();
};

void tst_RandomGenerator::valuesLieInUnitInterval() {
    RandomGenerator generator(7);
    double lowest = 1.0;
    double highest = 0.0;
    for (double value : draw(generator, 100000)) {
        QVERIFY(value >= 0.0 && value < 1.0);
        lowest = std::min(lowest, value);
        highest = std::max(highest, value);
    }
    // Spread over the interval, not stuck in part of it.
    QVERIFY(lowest < 0.001);
    QVERIFY(highest > 0.999);
}

void tst_RandomGenerator::sameSeedRepeatsTheSequence() {
    RandomGenerator a(1234);
    RandomGenerator b(1234);
    QCOMPARE(draw(a, 50), draw(b, 50));
    QCOMPARE(a.seed(), 1234u);
}

void tst_RandomGenerator::differentSeedsDiffer() {
    RandomGenerator a(1);
    RandomGenerator b(2);
    QVERIFY(draw(a, 10) != draw(b, 10));
}

void tst_RandomGenerator::reseedWithSameValueDoesNotRestart() {
    // The run re-seeds with 10 before every detector height: the heights must still vary.
    RandomGenerator generator(99);
    std::set<int> heights;
    for (int i = 0; i < 260; ++i) {
        generator.reseed(10);
        heights.insert(static_cast<int>(generator.nextValue() * 451));
    }
    QVERIFY2(heights.size() > 150, "re-seeding with the same value repeated the heights");
}

void tst_RandomGenerator::reseedIsReproducible() {
    RandomGenerator a(5);
    RandomGenerator b(5);
    RandomGenerator c(5);
    a.reseed(10);
    b.reseed(10);
    c.reseed(5);
    const std::vector<double> afterTen = draw(a, 5);
    QCOMPARE(draw(b, 5), afterTen);
    QVERIFY(draw(c, 5) != afterTen);
}

QTEST_APPLESS_MAIN(tst_RandomGenerator)
#include "tst_RandomGenerator.moc"
