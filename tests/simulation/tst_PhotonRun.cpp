// The photon loop, arrow sum and pattern, run with scripted random values into a recording
// surface, and whole runs with the real generator.
#include "FakeFields.h"
#include "PhotonRun.h"
#include "RandomGenerator.h"
#include "RecordingSurface.h"
#include "ScriptedRandom.h"
#include "SettingError.h"
#include "SettingReader.h"

#include <QTest>

#include <cmath>
#include <complex>
#include <limits>

using Call = RecordingSurface::Call;
using Kind = RecordingSurface::Kind;

namespace {

constexpr long long whole = std::numeric_limits<long long>::max();
constexpr std::size_t apparatusLines = 585; // 580 grey rows, shield, three verticals, axis

// The random value that makes integerPart(value * choices) == r.
double pick(int r, int choices) {
    return (r + 0.5) / choices;
}
double height(int offset) {
    return pick(offset, 451);
}
double phase(int r) {
    return pick(r, 180);
}
const double lower = 0.2; // u = 200, the lower slit
const double upper = 0.9; // u = 900, the upper slit

void runWhole(PhotonRun& run, long long stepSize = whole) {
    run.start();
    while (!run.advance(stepSize)) {
    }
}

// Lengths in pixels of the paths from the upper and the lower of two slits 40 apart to height y.
struct Paths {
    double upper = 0.0;
    double lower = 0.0;
};
Paths pathsOf(const Scene& scene, double y) {
    return {scene.pathLength(y, 320.5), scene.pathLength(y, 360.5)};
}

bool near(float a, double b) {
    return std::abs(a - b) < 1e-3;
}

std::vector<Call> linesFrom(const RecordingSurface& surface, float x, float y = -1) {
    std::vector<Call> result;
    const std::vector<Call> lines = surface.lines();
    for (std::size_t i = apparatusLines; i < lines.size(); ++i) {
        if (lines[i].x1 == x && (y < 0 || lines[i].y1 == y)) {
            result.push_back(lines[i]);
        }
    }
    return result;
}

std::vector<Call> detectorArrows(const RecordingSurface& surface) {
    return linesFrom(surface, 300);
}

std::vector<Call> greenArrows(const RecordingSurface& surface) {
    std::vector<Call> result;
    for (const Call& line : surface.lines()) {
        if (line.colour == Colour::green()) {
            result.push_back(line);
        }
    }
    return result;
}

// A run recording what it draws, with the window's start-up settings but for those given.
template <typename Random> struct Rig {
    RecordingSurface surface;
    Random random;
    FakeFields fields;
    PhotonRun run;

    explicit Rig(Random from, std::initializer_list<std::pair<SettingField, QString>> settings = {})
        : random(std::move(from)), run(surface, random, fields) {
        for (const auto& [field, text] : settings) {
            fields.setText(field, text);
        }
    }
};

} // namespace

class tst_PhotonRun : public QObject {
    Q_OBJECT
private slots:
    void firstPhotonErasesALeftPointingArrow();
    void onePhotonAnimationInOrder_data();
    void onePhotonAnimationInOrder();
    void pathLengths_data();
    void pathLengths();
    void whichSlitDetectorAddsSquaredLengths_data();
    void whichSlitDetectorAddsSquaredLengths();
    void slowdownRepeatsAndSumsOnlyTheLast();
    void passTwoUsesLowerHeightsAndTheSecondHalfTurn();
    void onePhotonPerDotGivesFlatBars();
    void greenArrowAtSampledHeights_data();
    void greenArrowAtSampledHeights();
    void zeroScatterSendsFiftyPhotons();
    void runEndsWithCircleAndCaptions();
    void outcomeDoesNotDependOnStepSize();
    void photonByPhotonDrawsEachPhotonThenItsDot();
    void longBarsWhereThePathsDifferByWholeTurns();
    void badTextStopsTheRun_data();
    void badTextStopsTheRun();
    void loopBoundsBelowOneSkipTheirLoops();
};

void tst_PhotonRun::firstPhotonErasesALeftPointingArrow() {
    Rig rig(ScriptedRandom({height(0), phase(90), lower}));
    auto& [surface, random, fields, run] = rig;
    run.start();
    run.advance(1);
    const Call erase = surface.lines()[apparatusLines];
    QCOMPARE(erase, (Call{Kind::Line, 1, 80, 340.5f, 60, 340.5f, 0, Colour::lightGrey()}));
    // The second photon erases the first one's arrow, which pointed straight up at 90 steps.
    run.advance(1);
    const Call second = surface.lines()[apparatusLines + 5];
    QCOMPARE(second.colour, Colour::lightGrey());
    QVERIFY(near(second.y2, 340.5 - 20 * std::sin(90 * Scene::phaseUnit)));
}

void tst_PhotonRun::onePhotonAnimationInOrder_data() {
    QTest::addColumn<int>("open");      // 0 both, 1 upper, 2 lower
    QTest::addColumn<int>("width");     // pixels
    QTest::addColumn<double>("slit");   // the random value of the slit draw
    QTest::addColumn<double>("across"); // the random value of the height across the slit
    QTest::addColumn<float>("slitY");   // where the photon passes the shield
    QTest::addColumn<int>("draws");
    QTest::addColumn<int>("slits"); // the slit count
    QTest::addColumn<int>("taken"); // the slit taken, from 0 at the top
    const auto row = [](const char* name, int open, int width, double slit, double across,
                        float slitY, int draws, int slits = 2, int taken = -1) {
        QTest::newRow(name) << open << width << slit << across << slitY << draws << slits
                            << (taken >= 0       ? taken
                                : slitY > 340.5f ? 1
                                                 : 0);
    };
    row("upper slit in the foreground colour", 0, 0, upper, 0.5, 320.5f, 3);
    row("lower slit in the caption-text colour", 0, 0, lower, 0.5, 360.5f, 3);
    row("u = 500 still takes the lower slit", 0, 0, pick(500, 1000), 0.5, 360.5f, 3);
    row("u = 501 takes the upper slit", 0, 0, pick(501, 1000), 0.5, 320.5f, 3);
    row("upper closed: the lower one, still drawn", 2, 0, upper, 0.5, 360.5f, 3);
    row("lower closed: the upper one", 1, 0, lower, 0.5, 320.5f, 3);
    row("10 wide, top edge", 0, 10, upper, 0.0, 315.5f, 4);
    row("10 wide, three quarters down", 0, 10, lower, 0.75, 363.0f, 4);
    row("upper only, 30 wide", 1, 30, lower, 0.25, 313.0f, 4);
    row("width below 0 acts as 0", 0, -4, lower, 0.5, 360.5f, 3);
    row("one slit, on the axis", 0, 0, upper, 0.5, 340.5f, 3, 1, 0);
    row("five slits: the draw's first fifth takes the top one", 0, 0, 0.19, 0.5, 260.5f, 3, 5, 0);
    row("five slits: its middle fifth the middle one", 0, 0, 0.5, 0.5, 340.5f, 3, 5, 2);
    row("three slits, all open whatever the choice", 1, 0, upper, 0.5, 380.5f, 3, 3, 2);
    row("eight slits 6 wide: the bottom one", 0, 6, 0.99, 0.0, 477.5f, 4, 8, 7);
}

void tst_PhotonRun::onePhotonAnimationInOrder() {
    QFETCH(int, open);
    QFETCH(int, width);
    QFETCH(double, slit);
    QFETCH(double, across);
    QFETCH(float, slitY);
    QFETCH(int, draws);
    QFETCH(int, slits);
    QFETCH(int, taken);
    const int dotY = 340;
    Rig rig(ScriptedRandom({height(531 - dotY), phase(0), slit, across}),
            {{SettingField::OpenSlits, QString::number(open)},
             {SettingField::SlitWidth, QString::number(width)},
             {SettingField::SlitCount, QString::number(slits)}});
    auto& [surface, random, fields, run] = rig;
    run.start();
    const auto shieldLines = static_cast<long>(surface.lines().size());
    run.advance(1);
    QCOMPARE(random.drawsMade(), std::size_t(draws));
    // The top slit's photons in the foreground colour, the others in their slit's: of two, the
    // lower in the caption-text colour.
    const std::optional<Colour> colour =
        taken > 0 ? std::optional<Colour>(Colour::slit(taken)) : std::nullopt;
    QCOMPARE(run.lastPhoton()->slit, taken);
    QCOMPARE(run.lastPhoton()->slitCount, slits);
    const std::vector<Call> all = surface.lines();
    const std::vector<Call> lines(all.begin() + shieldLines, all.end());
    QCOMPARE(lines.size(), std::size_t(5));
    QCOMPARE(lines[1], (Call{Kind::Line, 1, 80, 340.5f, 60, 340.5f})); // new source arrow
    QCOMPARE(lines[2], (Call{Kind::Line, 1, 80, 340.5f, 150, slitY, 0, colour}));
    QCOMPARE(lines[3], (Call{Kind::Line, 1, 150, slitY, 130, slitY, 0, colour}));
    QCOMPARE(lines[4].colour, colour);
    QCOMPARE(lines[4].y1, float(dotY));
    // Start phase 0, one radian per pixel: the arrival phase is the path from the slit.
    const double path = std::hypot(150.0, slitY - dotY);
    QVERIFY2(near(lines[4].x2, 300 + 20 * std::cos(path)) &&
                 near(lines[4].y2, dotY - 20 * std::sin(path)),
             qPrintable(RecordingSurface::describe(lines[4])));
    QCOMPARE(random.reseeds(), (std::vector<double>{10, 5}));
}

void tst_PhotonRun::pathLengths_data() {
    QTest::addColumn<int>("dotY");
    QTest::addColumn<double>("upperPath");
    QTest::addColumn<double>("lowerPath");
    QTest::newRow("dotY 340") << 340 << 151.2622 << 151.3944;
    QTest::newRow("dotY 531") << 531 << 258.4768 << 227.0908;
    QTest::newRow("dotY 81") << 81 << 282.5956 << 317.2070;
}

void tst_PhotonRun::pathLengths() {
    // The run's arrival arrows follow these paths: onePhotonAnimationInOrder.
    QFETCH(int, dotY);
    QFETCH(double, upperPath);
    QFETCH(double, lowerPath);
    RecordingSurface surface;
    FakeFields fields;
    SettingReader settings(fields);
    const Paths paths = pathsOf(Scene::prepare(surface, settings), dotY);
    QVERIFY(std::abs(paths.upper - upperPath) < 5e-5);
    QVERIFY(std::abs(paths.lower - lowerPath) < 5e-5);
}

void tst_PhotonRun::whichSlitDetectorAddsSquaredLengths_data() {
    QTest::addColumn<QString>("detector");
    QTest::addColumn<bool>("apart");
    QTest::newRow("off: one sum of all the arrows") << "0" << false;
    QTest::newRow("on: two sums, one per slit") << "1" << true;
}

void tst_PhotonRun::whichSlitDetectorAddsSquaredLengths() {
    QFETCH(QString, detector);
    QFETCH(bool, apart);
    // Five photons at dotY 336 with start phase 0: two through the upper slit, then three
    // through the lower one, whose last photon makes the sum arrow due (336 = 21 · 16).
    Rig rig(ScriptedRandom({height(195), phase(0), upper, phase(0), upper, phase(0), lower,
                            phase(0), lower, phase(0), lower}),
            {{SettingField::PhotonsPerDot, "5"}, {SettingField::WhichSlitDetector, detector}});
    auto& [surface, random, fields, run] = rig;
    run.start();
    run.advance(5);
    const Paths paths = pathsOf(run.scene(), 336);
    const std::complex<double> upperSum = 2 * 0.3 * std::polar(1.0, -paths.upper);
    const std::complex<double> lowerSum = 3 * 0.3 * std::polar(1.0, -paths.lower);
    const PhotonRun::DotResult dot = run.dots().at(0);
    QVERIFY(std::abs(dot.slitSums[0] - upperSum) < 1e-9);
    QVERIFY(std::abs(dot.slitSums[1] - lowerSum) < 1e-9);
    const double squared =
        apart ? std::norm(upperSum) + std::norm(lowerSum) : std::norm(upperSum + lowerSum);
    QVERIFY(std::abs(dot.barLength - 90 * squared) < 1e-6);

    // The sum arrows, at the scale of 5 photons (65) or less where a changed experiment's sums
    // are fitted to their column: one green arrow, or the two sums from one tail in their slits'
    // colours.
    const double scale = run.scene().scales.sum;
    QVERIFY(apart ? scale < 65 : scale == 65);
    std::vector<Call> sums = linesFrom(surface, 450, 336);
    QCOMPARE(sums.size(), std::size_t(apart ? 2 : 1));
    const auto tipAt = [scale](const Call& arrow, std::complex<double> sum) {
        return near(arrow.x2, 450 + scale * sum.real()) && near(arrow.y2, 336 - scale * sum.imag());
    };
    if (apart) {
        QVERIFY(!sums[0].colour && tipAt(sums[0], upperSum));
        QVERIFY(sums[1].colour == Colour::lowerSlit() && tipAt(sums[1], lowerSum));
    } else {
        QVERIFY(sums[0].colour == Colour::sumArrow() && tipAt(sums[0], upperSum + lowerSum));
    }
}

void tst_PhotonRun::slowdownRepeatsAndSumsOnlyTheLast() {
    // Dot at 336, three repetitions with start phases 10, 20 and 30 steps, all the lower slit.
    Rig rig(ScriptedRandom({height(195), phase(10), lower, phase(20), lower, phase(30), lower}),
            {{SettingField::PhotonsPerDot, "1"}, {SettingField::Slowdown, "3"}});
    auto& [surface, random, fields, run] = rig;
    run.start();
    run.advance(3);
    run.advance(1); // finishes the dot and animates the next dot's first repetition
    QCOMPARE(linesFrom(surface, 80, 340.5f).size(), std::size_t(3 * 3 + 3)); // 3 per repetition
    const std::vector<Call> green = greenArrows(surface);
    QCOMPARE(green.size(), std::size_t(1));
    const double arrival = 30 * Scene::phaseUnit + pathsOf(run.scene(), 336).lower;
    // sumScale 150 for one photon: the arrow is 0.3 * 150 = 45 long, mirrored top to bottom.
    QVERIFY(near(green[0].x2, 450 + 45 * std::cos(arrival)));
    QVERIFY(near(green[0].y2, 336 + 45 * std::sin(arrival)));
}

void tst_PhotonRun::passTwoUsesLowerHeightsAndTheSecondHalfTurn() {
    // Height 0, phase 0 and the lower slit, always.
    Rig rig(ScriptedRandom({0.0}), {{SettingField::PhotonsPerDot, "1"}});
    auto& [surface, random, fields, run] = rig;
    runWhole(run);
    const std::vector<Call> arrows = detectorArrows(surface);
    QCOMPARE(arrows.size(), std::size_t(520));
    QCOMPARE(arrows[259].y1, 531.0f);
    QCOMPARE(arrows[260].y1, 529.0f);
    std::vector<Call> sourceArrows;
    for (const Call& line : linesFrom(surface, 80, 340.5f)) {
        if (!line.colour) {
            sourceArrows.push_back(line);
        }
    }
    QCOMPARE(sourceArrows.size(), std::size_t(520));
    QCOMPARE(sourceArrows[259].x2, 60.0f);
    const double secondHalf = 180 * Scene::phaseUnit;
    QVERIFY(near(sourceArrows[260].x2, 80 - 20 * std::cos(secondHalf)));
    QVERIFY(near(sourceArrows[260].y2, 340.5 - 20 * std::sin(secondHalf)));
}

void tst_PhotonRun::onePhotonPerDotGivesFlatBars() {
    Rig rig(RandomGenerator(3), {{SettingField::PhotonsPerDot, "1"}});
    auto& [surface, random, fields, run] = rig;
    runWhole(run);
    const std::vector<Call> bars = linesFrom(surface, 550);
    QCOMPARE(bars.size(), std::size_t(520));
    for (const Call& bar : bars) {
        QCOMPARE(bar.penWidth, 2);
        QCOMPARE(bar.y1, bar.y2);
        QVERIFY2(near(bar.x2, 550 + 72), qPrintable(RecordingSurface::describe(bar)));
    }
}

void tst_PhotonRun::greenArrowAtSampledHeights_data() {
    QTest::addColumn<int>("dotY");
    QTest::addColumn<double>("slit");
    QTest::addColumn<bool>("drawn");
    QTest::newRow("336, lower slit: a multiple of 16") << 336 << lower << true;
    QTest::newRow("336, upper slit: not a multiple of 13") << 336 << upper << false;
    QTest::newRow("338, upper slit: a multiple of 13") << 338 << upper << true;
    QTest::newRow("338, lower slit: not a multiple of 16") << 338 << lower << false;
    QTest::newRow("320, lower: 15.7 acts as 16, not 15") << 320 << lower << true;
    QTest::newRow("330, lower: a multiple of 15 only") << 330 << lower << false;
}

void tst_PhotonRun::greenArrowAtSampledHeights() {
    QFETCH(int, dotY);
    QFETCH(double, slit);
    QFETCH(bool, drawn);
    Rig rig(ScriptedRandom({height(531 - dotY), phase(0), slit}),
            {{SettingField::PhotonsPerDot, "1"}});
    auto& [surface, random, fields, run] = rig;
    run.start();
    run.advance(1);
    const std::vector<Call> green = greenArrows(surface);
    QCOMPARE(green.size(), std::size_t(drawn ? 1 : 0));
    if (drawn) {
        QCOMPARE(green[0].x1, 450.0f);
        QCOMPARE(green[0].y1, static_cast<float>(dotY));
        QCOMPARE(green[0].penWidth, 2);
    }
}

void tst_PhotonRun::zeroScatterSendsFiftyPhotons() {
    Rig rig(RandomGenerator(11),
            {{SettingField::PhotonsPerDot, "5"}, {SettingField::PhaseScatter, "0"}});
    auto& [surface, random, fields, run] = rig;
    runWhole(run);
    QCOMPARE(detectorArrows(surface).size(), std::size_t(520 * 50));
}

void tst_PhotonRun::runEndsWithCircleAndCaptions() {
    Rig rig(RandomGenerator(1), {{SettingField::PhotonsPerDot, "1"}});
    auto& [surface, random, fields, run] = rig;
    run.start();
    QVERIFY(!run.advance(519));
    QVERIFY(fields.captionsShown().isEmpty());
    QVERIFY(run.advance(1));
    QVERIFY(run.isOver());
    const std::vector<Call>& calls = surface.calls();
    QCOMPARE(calls[calls.size() - 3], (Call{Kind::PenWidth, 3}));
    QCOMPARE(calls[calls.size() - 2], (Call{Kind::Circle, 3, 80, 340.5f, 0, 0, 4}));
    QCOMPARE(calls.back(), (Call{Kind::PenWidth, 1}));
    QCOMPARE(fields.captionsShown(),
             QStringList({"nZdroj", "nClona", "nDetektor", QString::fromUtf8("nSoučet"),
                          QString::fromUtf8("nPravděpodobnost")}));
}

void tst_PhotonRun::outcomeDoesNotDependOnStepSize() {
    std::vector<std::vector<Call>> recordings;
    for (long long step : {1LL, 7LL, 10000LL}) {
        Rig rig(RandomGenerator(42),
                {{SettingField::PhotonsPerDot, "5"}, {SettingField::Slowdown, "2"}});
        auto& [surface, random, fields, run] = rig;
        runWhole(run, step);
        recordings.push_back(surface.calls());
    }
    QVERIFY(recordings[0] == recordings[1]);
    QVERIFY(recordings[0] == recordings[2]);
}

void tst_PhotonRun::photonByPhotonDrawsEachPhotonThenItsDot() {
    // Two photons a dot, each animated three times: five lines a repetition.
    Rig rig(RandomGenerator(42),
            {{SettingField::PhotonsPerDot, "2"}, {SettingField::Slowdown, "3"}});
    auto& [surface, random, fields, run] = rig;
    run.start();
    const auto bars = [&surface] { return linesFrom(surface, 550).size(); };
    std::size_t lines = surface.lines().size();
    QVERIFY(!run.advancePhoton());
    QCOMPARE(surface.lines().size() - lines, std::size_t(15));
    QCOMPARE(bars(), std::size_t(0));
    lines = surface.lines().size();
    QVERIFY(!run.advancePhoton());
    // The dot's last photon, then its bar; no green arrow at this height.
    QCOMPARE(surface.lines().size() - lines, std::size_t(15 + 1));
    QCOMPARE(bars(), std::size_t(1));
    QCOMPARE(run.dots().size(), std::size_t(1));
    while (!run.advancePhoton()) {
    }
    QCOMPARE(run.dots().size(), std::size_t(520));
    QVERIFY(run.isComplete());

    // Photon by photon, the run draws what it draws in one go.
    RecordingSurface whole;
    RandomGenerator again(42);
    PhotonRun inOneGo(whole, again, fields);
    runWhole(inOneGo);
    QVERIFY(whole.calls() == surface.calls());
}

void tst_PhotonRun::longBarsWhereThePathsDifferByWholeTurns() {
    Rig rig(RandomGenerator(2024), {{SettingField::PhotonsPerDot, "500"}});
    auto& [surface, random, fields, run] = rig;
    runWhole(run);
    double inPhase = 0, inPhaseCount = 0, outOfPhase = 0, outOfPhaseCount = 0;
    for (const Call& bar : linesFrom(surface, 550)) {
        const Paths paths = pathsOf(run.scene(), bar.y1);
        const double half = std::abs(std::cos((paths.upper - paths.lower) / 2));
        if (half > 0.95) {
            inPhase += bar.x2 - 550;
            ++inPhaseCount;
        } else if (half < 0.2) {
            outOfPhase += bar.x2 - 550;
            ++outOfPhaseCount;
        }
    }
    QVERIFY(inPhaseCount > 20 && outOfPhaseCount > 20);
    const double longMean = inPhase / inPhaseCount;
    const double shortMean = outOfPhase / outOfPhaseCount;
    QVERIFY2(longMean > 5 * shortMean,
             qPrintable(QStringLiteral("long %1, short %2").arg(longMean).arg(shortMean)));
}

void tst_PhotonRun::badTextStopsTheRun_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("beforeDrawing");
    QTest::newRow("distance not a number") << int(SettingField::Distance) << "abc" << true;
    QTest::newRow("photons out of range") << int(SettingField::PhotonsPerDot) << "1e308" << true;
    QTest::newRow("turn changed mid-run") << int(SettingField::TurnPerPixel) << "x" << false;
    QTest::newRow("slowdown changed mid-run") << int(SettingField::Slowdown) << "??" << false;
    QTest::newRow("slit width not a number") << int(SettingField::SlitWidth) << "wide" << true;
    QTest::newRow("open slits changed mid-run") << int(SettingField::OpenSlits) << "a" << false;
    QTest::newRow("detector changed mid-run")
        << int(SettingField::WhichSlitDetector) << "1e9" << false;
}

void tst_PhotonRun::badTextStopsTheRun() {
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(bool, beforeDrawing);
    Rig rig(RandomGenerator(5));
    auto& [surface, random, fields, run] = rig;
    if (beforeDrawing) {
        fields.setText(SettingField(field), text);
        QVERIFY_THROWS_EXCEPTION(SettingError, run.start());
        QVERIFY(surface.calls().empty());
        return;
    }
    run.start();
    run.advance(10);
    fields.setText(SettingField(field), text);
    try {
        run.advance(whole);
        QFAIL("the bad text was used");
    } catch (const SettingError& error) {
        QCOMPARE(error.text(), text);
        QVERIFY(error.message().startsWith(FormFields::name(SettingField(field)) +
                                           QStringLiteral(" holds \"") + text));
    }
    QVERIFY(run.isOver());
    QVERIFY(fields.captionsShown().isEmpty());
}

void tst_PhotonRun::loopBoundsBelowOneSkipTheirLoops() {
    for (const auto& [photons, slowdown] :
         {std::pair{"0", "1"}, std::pair{"1", "0"}, std::pair{"-5", "1"}, std::pair{"2", "-1"}}) {
        Rig rig(RandomGenerator(8), {{SettingField::PhotonsPerDot, QString::fromLatin1(photons)},
                                     {SettingField::Slowdown, QString::fromLatin1(slowdown)}});
        auto& [surface, random, fields, run] = rig;
        runWhole(run, 3);
        QVERIFY(run.isOver());
        QCOMPARE(detectorArrows(surface).size(), std::size_t(0));
        QCOMPARE(fields.captionsShown().size(), 5);
    }
}

QTEST_MAIN(tst_PhotonRun)
#include "tst_PhotonRun.moc"
