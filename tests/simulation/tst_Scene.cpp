// The first stage of a run: the cleared area, the apparatus in its order and pen widths, the
// scales table and the zero-scatter switch.
#include "FakeFields.h"
#include "RecordingSurface.h"
#include "Scene.h"
#include "SettingReader.h"

#include <QLineF>
#include <QTest>

using Call = RecordingSurface::Call;
using Kind = RecordingSurface::Kind;

class tst_Scene : public QObject {
    Q_OBJECT
private slots:
    void apparatusIsDrawnInOrder();
    void detectorFollowsTheDistance();
    void shieldShowsOpeningsAndClosedSlits_data();
    void shieldShowsOpeningsAndClosedSlits();
    void scalesFollowThePhotonsText_data();
    void scalesFollowThePhotonsText();
    void zeroScatterSendsFiftyPhotons_data();
    void zeroScatterSendsFiftyPhotons();
};

void tst_Scene::apparatusIsDrawnInOrder() {
    RecordingSurface surface;
    FakeFields fields;
    SettingReader settings(fields);
    Scene::prepare(surface, settings);

    const std::vector<Call>& calls = surface.calls();
    QCOMPARE(calls.size(), std::size_t(2 + 580 + 10));
    QCOMPARE(calls[0].kind, Kind::Scale);
    QCOMPARE(calls[1], (Call{Kind::PenWidth, 1}));
    // Rows from y = 580 up to y = 1, x from 1 to 800; row 0 and column 0 are left alone.
    QCOMPARE(calls[2], (Call{Kind::Line, 1, 1, 580, 800, 580, 0, Colour::lightGrey()}));
    QCOMPARE(calls[581], (Call{Kind::Line, 1, 1, 1, 800, 1, 0, Colour::lightGrey()}));
    const std::vector<Call> apparatus(calls.begin() + 582, calls.end());
    const std::vector<Call> expected = {
        {Kind::PenWidth, 3},
        {Kind::Line, 3, 150, 531, 150, 70},
        {Kind::PenWidth, 2},
        {Kind::Line, 2, 300, 531, 300, 70},
        {Kind::Line, 2, 450, 531, 450, 70},
        {Kind::Line, 2, 550, 531, 550, 70},
        {Kind::Line, 2, 100, 340.5f, 770, 340.5f},
        {Kind::PenWidth, 3},
        {Kind::Circle, 3, 80, 340.5f, 0, 0, 5},
        {Kind::PenWidth, 1},
    };
    QCOMPARE(apparatus.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        QVERIFY2(apparatus[i] == expected[i], qPrintable(RecordingSurface::describe(apparatus[i])));
    }
}

void tst_Scene::detectorFollowsTheDistance() {
    RecordingSurface surface;
    FakeFields fields;
    fields.setText(SettingField::Distance, QStringLiteral("250"));
    SettingReader settings(fields);
    const Scene scene = Scene::prepare(surface, settings);
    QCOMPARE(scene.detectorX, 350.0);
    QCOMPARE(surface.calls()[585], (Call{Kind::Line, 2, 350, 531, 350, 70}));
}

void tst_Scene::shieldShowsOpeningsAndClosedSlits_data() {
    QTest::addColumn<FakeFields::Setup>("setting");
    // The shield's lines at pen width 3, each as y1, y2 at x = 150 or, for a crossbar, x1, y1.
    QTest::addColumn<QList<QLineF>>("lines");
    // Openings 10 wide at 315.5..325.5 and 355.5..365.5, pieces 1.5 short for the round ends.
    QTest::newRow("10 wide: two gaps")
        << FakeFields::Setup{.width = "10"}
        << QList<QLineF>{{150, 531, 150, 367}, {150, 354, 150, 327}, {150, 314, 150, 70}};
    QTest::newRow("upper only, points: the lower closed by a crossbar")
        << FakeFields::Setup{.open = "1"}
        << QList<QLineF>{{144, 360.5, 156, 360.5}, {150, 531, 150, 70}};
    QTest::newRow("lower only, 10 wide: a gap and a crossbar")
        << FakeFields::Setup{.width = "10", .open = "2"}
        << QList<QLineF>{{150, 531, 150, 367}, {144, 320.5, 156, 320.5}, {150, 354, 150, 70}};
    QTest::newRow("wider than apart: one opening")
        << FakeFields::Setup{.width = "60"}
        << QList<QLineF>{{150, 531, 150, 392}, {150, 289, 150, 70}};
}

void tst_Scene::shieldShowsOpeningsAndClosedSlits() {
    QFETCH(FakeFields::Setup, setting);
    QFETCH(QList<QLineF>, lines);
    RecordingSurface surface;
    FakeFields fields(setting);
    SettingReader settings(fields);
    Scene::prepare(surface, settings);
    QList<QLineF> shield;
    for (const Call& call : surface.lines()) {
        if (call.penWidth == 3) {
            shield << QLineF(call.x1, call.y1, call.x2, call.y2);
        }
    }
    QCOMPARE(shield, lines);
}

void tst_Scene::scalesFollowThePhotonsText_data() {
    QTest::addColumn<QString>("photons");
    QTest::addColumn<double>("probabilityScale");
    QTest::addColumn<double>("sumScale");
    QTest::newRow("1") << "1" << 800.0 << 150.0;
    QTest::newRow("5") << "5" << 90.0 << 65.0;
    QTest::newRow("10") << "10" << 30.0 << 35.0;
    QTest::newRow("50") << "50" << 2.0 << 8.0;
    QTest::newRow("100") << "100" << 0.5 << 4.0;
    QTest::newRow("500") << "500" << 0.02 << 1.0;
    QTest::newRow("compared as numbers: 50.0") << "50.0" << 2.0 << 8.0;
    QTest::newRow("no row: 7 leaves both at 0") << "7" << 0.0 << 0.0;
    QTest::newRow("no row: 0 leaves both at 0") << "0" << 0.0 << 0.0;
}

void tst_Scene::scalesFollowThePhotonsText() {
    QFETCH(QString, photons);
    QFETCH(double, probabilityScale);
    QFETCH(double, sumScale);
    RecordingSurface surface;
    FakeFields fields;
    fields.setText(SettingField::PhotonsPerDot, photons);
    SettingReader settings(fields);
    const Scene scene = Scene::prepare(surface, settings);
    QCOMPARE(scene.scales.probability, probabilityScale);
    QCOMPARE(scene.scales.sum, sumScale);
}

void tst_Scene::zeroScatterSendsFiftyPhotons_data() {
    QTest::addColumn<QString>("scatter");
    QTest::addColumn<QString>("photonsAfter");
    QTest::newRow("scatter 0 writes 50") << "0"
                                         << "50";
    QTest::newRow("scatter 0.0 is also 0") << "0.0"
                                           << "50";
    QTest::newRow("scatter 180 leaves the text") << "180"
                                                 << "5";
    QTest::newRow("scatter 0.5 is not 0") << "0.5"
                                          << "5";
}

void tst_Scene::zeroScatterSendsFiftyPhotons() {
    QFETCH(QString, scatter);
    QFETCH(QString, photonsAfter);
    RecordingSurface surface;
    FakeFields fields;
    fields.setText(SettingField::PhotonsPerDot, QStringLiteral("5"));
    fields.setText(SettingField::PhaseScatter, scatter);
    SettingReader settings(fields);
    const Scene scene = Scene::prepare(surface, settings);
    QCOMPARE(fields.text(SettingField::PhotonsPerDot), photonsAfter);
    // The scales were chosen before the switch, from "5".
    QCOMPARE(scene.scales.probability, 90.0);
}

QTEST_MAIN(tst_Scene)
#include "tst_Scene.moc"
