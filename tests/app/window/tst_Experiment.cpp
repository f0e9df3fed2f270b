// The experiment panel as a teacher and a screen-reader user meet it: closed by default, opened
// with X below the picture, every control reached with Tab and named, its changes written to the
// settings or held during a run; and the line that names a changed experiment on its picture.
#include "CommandLine.h"
#include "DataExport.h"
#include "ExperimentSettings.h"
#include "WindowControls.h"
#include "frmSlitwise.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTest>

class tst_Experiment : public QObject {
    Q_OBJECT
private slots:
    void panelIsClosedAndTakesNoRoomByDefault_data();
    void panelIsClosedAndTakesNoRoomByDefault();
    void everyControlIsReachedByKeyboardAndWrites_data();
    void everyControlIsReachedByKeyboardAndWrites();
    void pictureNamesAChangedExperiment_data();
    void pictureNamesAChangedExperiment();
    void dataCarriesTheRunsSettings_data();
    void dataCarriesTheRunsSettings();
    void pictureShowsOneExperiment_data();
    void pictureShowsOneExperiment();
    void followedPhotonNamesItsSlitOfMany();
};

void tst_Experiment::panelIsClosedAndTakesNoRoomByDefault_data() {
    QTest::addColumn<double>("zoom");
    QTest::newRow("design size") << 1.0;
    QTest::newRow("twice the design size") << 2.0;
}

void tst_Experiment::panelIsClosedAndTakesNoRoomByDefault() {
    QFETCH(double, zoom);
    const auto window = activeWindow(1);
    window->resize(qRound(801 * zoom), qRound(581 * zoom));
    QTRY_COMPARE(window->zoom(), zoom);
    QVERIFY(window->findChild<QWidget*>(QStringLiteral("experimentPanel")) == nullptr);
    QTest::keyClick(window.get(), Qt::Key_X);
    QWidget* panel = control(*window, "experimentPanel");
    QVERIFY(panel->isVisible());
    // A strip below the picture, as wide as it, the window grown by it at the same zoom.
    QCOMPARE(window->zoom(), zoom);
    QCOMPARE(panel->geometry(),
             QRect(0, qRound(581 * zoom), qRound(801 * zoom), qRound(128 * zoom)));
    QCOMPARE(window->height(), qRound(581 * zoom) + qRound(128 * zoom));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_X);
    QVERIFY(!panel->isVisible());
    QCOMPARE(window->height(), qRound(581 * zoom));
}

void tst_Experiment::everyControlIsReachedByKeyboardAndWrites_data() {
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("key");
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<QString>("written");
    QTest::addColumn<bool>("duringRun");
    const auto row = [](const char* name, Qt::Key key, const char* field, const QString& written,
                        bool duringRun = false) {
        QTest::newRow(name) << QByteArray(name) << int(key) << QByteArray(field) << written
                            << duringRun;
    };
    row("experimentDistance", Qt::Key_Up, "nVzdalenost", "201");
    row("experimentSeparation", Qt::Key_Down, "nRd", "79"); // from the field's 80
    row("experimentWavelength", Qt::Key_Up, "nUr",
        FormFields::setting(SettingField::TurnPerPixel).fieldText(6.4));
    row("experimentSlitWidth", Qt::Key_Up, "nSirka", "1");
    row("experimentSlits", Qt::Key_Up, "nOtevrene", "1"); // from the field's lower slit
    row("experimentDetector", Qt::Key_Space, "nDetekce", "1");
    row("experimentSlitCount", Qt::Key_Up, "nPocetSterbin", "3");
    row("experimentDesigned", Qt::Key_Return, "nRd", "40");
    row("experimentSlitWidth, held during a run", Qt::Key_Up, "nSirka", "1", true);
}

void tst_Experiment::everyControlIsReachedByKeyboardAndWrites() {
    QFETCH(QByteArray, name);
    QFETCH(int, key);
    QFETCH(QByteArray, field);
    QFETCH(QString, written);
    QFETCH(bool, duringRun);
    const auto window = activeWindow(1);
    // A changed experiment for the panel to show as it opens and for Designed to bring back.
    window->settings().setText(SettingField::SlitSeparation, QStringLiteral("80"));
    window->settings().setText(SettingField::OpenSlits, QStringLiteral("2"));
    const QByteArray wanted = name.split(',').first();
    QTest::keyClick(window.get(), Qt::Key_X);
    QWidget* target = control(*window, wanted.constData());
    for (int tab = 0; tab < 40 && QApplication::focusWidget() != target; ++tab) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(QApplication::focusWidget(), target);
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(target);
    QVERIFY(!spoken->text(QAccessible::Name).isEmpty());

    const QString before = text(*window, field.constData());
    if (duringRun) {
        window->session().act([&window] { window->cmdStart_Click(); }, true);
        QVERIFY(window->session().isRunning());
    }
    QTest::keyClick(target, Qt::Key(key));
    if (duringRun) {
        QCOMPARE(text(*window, field.constData()), before);
        window->session().finish();
    }
    QCOMPARE(text(*window, field.constData()), written);
    // The controls show the settings as they now stand, which the next arrow press starts from.
    // The distance box counts from the slits, 50 px nearer than the field does.
    const std::tuple<const char*, const char*, int> boxes[] = {
        {"experimentDistance", "nVzdalenost", 50},
        {"experimentSeparation", "nRd", 0},
        {"experimentSlitWidth", "nSirka", 0}};
    for (const auto& [box, setting, nearer] : boxes) {
        QCOMPARE(QString::number(control<QSpinBox>(*window, box)->value() + nearer),
                 text(*window, setting));
    }
    QCOMPARE(QString::number(control<QComboBox>(*window, "experimentSlits")->currentIndex()),
             text(*window, "nOtevrene"));
    QCOMPARE(control<QCheckBox>(*window, "experimentDetector")->isChecked(),
             text(*window, "nDetekce") == QStringLiteral("1"));
    // The open slits are chosen only of two; otherwise the choice is disabled and says why.
    const bool two = text(*window, "nPocetSterbin") == QStringLiteral("2");
    QCOMPARE(control<QComboBox>(*window, "experimentSlits")->isEnabled(), two);
    QCOMPARE(control<QLabel>(*window, "experimentSlitsNote")->text().isEmpty(), two);
}

void tst_Experiment::pictureNamesAChangedExperiment_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("named"); // in the line; empty for no line
    QTest::newRow("designed") << int(SettingField::SlitSeparation) << "40"
                              << "";
    QTest::newRow("designed, written otherwise") << int(SettingField::TurnPerPixel) << "1.0"
                                                 << "";
    QTest::newRow("slit separation") << int(SettingField::SlitSeparation) << "80"
                                     << "slit separation 80 px";
    QTest::newRow("wavelength") << int(SettingField::TurnPerPixel) << "0.5"
                                << "wavelength 12.6 px (0.5";
    QTest::newRow("upper slit") << int(SettingField::OpenSlits) << "1"
                                << "upper slit only";
    QTest::newRow("detector") << int(SettingField::WhichSlitDetector) << "1"
                              << "which-slit detector on";
    QTest::newRow("three slits, all open") << int(SettingField::SlitCount) << "3"
                                           << "slits: 3, which";
    QTest::newRow("a count past eight, by hand") << int(SettingField::SlitCount) << "12"
                                                 << "slits: 8";
}

void tst_Experiment::pictureNamesAChangedExperiment() {
    QFETCH(int, field);
    QFETCH(QString, value);
    QFETCH(QString, named);
    frmSlitwise window(1);
    window.settings().setText(SettingField(field), value);
    window.cmdStart_Click();
    window.session().finish();
    const QString line = ExperimentSettings::summary(window.settings());
    QCOMPARE(line.isEmpty(), named.isEmpty());
    QVERIFY2(line.contains(named), qPrintable(line));
    // Two slits go unsaid, as on pictures made before the count was offered.
    QCOMPARE(line.contains(QStringLiteral("slits: ")), field == int(SettingField::SlitCount));
    // The shield's caption names its slits.
    QCOMPARE(text(window, "nClona").endsWith(QStringLiteral("double slit")),
             field != int(SettingField::SlitCount));
    // The line is in the picture taken away, along its bottom, never in the kept one.
    const QImage kept = window.session().surface().snapshot();
    const QImage composed = window.composedPicture();
    const QRect bottom(0, 561, 801, 20);
    QCOMPARE(composed.copy(bottom) != kept.copy(bottom), !named.isEmpty());
    // The window draws it alike, and gives it to a screen reader as the picture's description.
    QCOMPARE(window.grab().toImage().convertToFormat(composed.format()).copy(bottom),
             composed.copy(bottom));
    QCOMPARE(window.findChild<QWidget*>(QStringLiteral("pictureCanvas"))->accessibleDescription(),
             line);
}

void tst_Experiment::dataCarriesTheRunsSettings_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("settings"); // the settings cells of every line
    QTest::addColumn<int>("perSlit");         // slits whose sums have columns of their own
    QTest::newRow("designed") << QStringList() << QByteArray("150,40,1,0,2,both,off") << 0;
    QTest::newRow("changed") << QStringList({"--distance", "100", "--wavelength", "12.5663706144",
                                             "--slit-width", "5", "--slits", "lower"})
                             << QByteArray("100,40,0.5,5,2,lower,off") << 0;
    QTest::newRow("detector on") << QStringList({"--which-slit", "--separation", "80"})
                                 << QByteArray("150,80,1,0,2,both,on") << 2;
    QTest::newRow("five slits, detector on") << QStringList({"--which-slit", "--slit-count", "5"})
                                             << QByteArray("150,40,1,0,5,both,on") << 5;
}

void tst_Experiment::dataCarriesTheRunsSettings() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, settings);
    QFETCH(int, perSlit);
    const CommandLine line = CommandLine::parse(arguments);
    QVERIFY2(line.error.isEmpty(), qPrintable(line.error));
    frmSlitwise window(3);
    line.applyExperiment(window.settings());
    window.cmdStart_Click();
    // The detector line stands the stated distance right of the shield, as drawn.
    const QImage apparatus = window.session().surface().snapshot();
    const int stated = settings.split(',').first().toInt();
    for (int y = 80; y <= 520; y += 40) {
        QCOMPARE(apparatus.pixel(150 + stated, y), 0xFF000000u);
        QCOMPARE(apparatus.pixel(150 + stated - 4, y), 0xFFC0C0C0u);
    }
    window.session().finish();
    // The detector's caption moved with its line.
    QCOMPARE(control(window, "nDetektor")->x(), 288 + stated - 150);
    const QList<QByteArray> lines = DataExport::csv(window.session().lastFinished()).split('\n');
    QCOMPARE(lines[0].endsWith(perSlit == 5 ? "slit5_sum_x,slit5_sum_y"
                                            : "upper_sum_x,upper_sum_y,lower_sum_x,lower_sum_y"),
             perSlit > 0);
    const int columns = 17 + 2 * perSlit;
    for (qsizetype i = 1; i <= 520; ++i) {
        const QList<QByteArray> cells = lines[i].split(',');
        QCOMPARE(cells.size(), columns);
        QCOMPARE(cells.mid(10, 7).join(','), settings);
        if (perSlit > 0) {
            // Squared lengths added, times the scale of 50 photons per dot.
            const auto squared = [&cells](int x) {
                return cells[x].toDouble() * cells[x].toDouble() +
                       cells[x + 1].toDouble() * cells[x + 1].toDouble();
            };
            double apart = 0;
            for (int slit = 0; slit < perSlit; ++slit) {
                apart += squared(17 + 2 * slit);
            }
            QVERIFY(qFuzzyCompare(cells[6].toDouble(), 2 * apart));
        }
    }
}

void tst_Experiment::pictureShowsOneExperiment_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("written"); // after a finished run of the designed experiment
    QTest::addColumn<bool>("screen");     // the detector screen shown after the change
    QTest::addColumn<bool>("noted");      // "Press Start for the new experiment" under it
    QTest::newRow("slits further apart: the run noted as the old one")
        << int(SettingField::SlitSeparation) << "80" << false << true;
    QTest::newRow("the same experiment written otherwise: no note")
        << int(SettingField::TurnPerPixel) << "1.0" << false << false;
    QTest::newRow("other photons per dot: the same experiment")
        << int(SettingField::PhotonsPerDot) << "5" << false << false;
    QTest::newRow("detector on, then the screen: the picture shows its apparatus")
        << int(SettingField::WhichSlitDetector) << "1" << true << false;
}

void tst_Experiment::pictureShowsOneExperiment() {
    QFETCH(int, field);
    QFETCH(QString, written);
    QFETCH(bool, screen);
    QFETCH(bool, noted);
    frmSlitwise window(2);
    window.cmdStart_Click();
    window.session().finish();
    const QImage run = window.session().surface().snapshot();
    window.settings().setText(SettingField(field), written);
    if (screen) {
        QVERIFY(window.session().setScreenShown(true, false));
        window.session().landHits(200);
    }
    const auto* note = control<QLabel>(window, "progressCaption");
    QCOMPARE(note->isVisibleTo(&window), noted);
    QCOMPARE(note->text(),
             noted ? QStringLiteral("Press Start for the new experiment") : QString());
    // The picture, the screen and the saved picture's settings line are of one experiment.
    QCOMPARE(window.session().surface().snapshot() == run, !screen);
    QVERIFY(!screen ||
            ExperimentSettings::sameExperiment(*window.session().screen().settings(),
                                               *window.session().picture().drawnSettings()));
    QCOMPARE(ExperimentSettings::summary(*window.session().shownSettings()).isEmpty(), !screen);
    window.cmdStart_Click();
    QVERIFY(!note->text().startsWith(QStringLiteral("Press")));
    window.session().finish();
}

void tst_Experiment::followedPhotonNamesItsSlitOfMany() {
    const auto window = activeWindow(1);
    window->settings().setText(SettingField::SlitCount, QStringLiteral("5"));
    RunClock clock(*window);
    QTest::keyClick(window.get(), Qt::Key_F5);
    clock.passes(200);
    QTest::keyClick(window.get(), Qt::Key_P);
    QTest::keyClick(window.get(), Qt::Key_N);
    const QString step = control<QLabel>(*window, "stepCaption")->text();
    QVERIFY2(
        QRegularExpression(QStringLiteral(": slit [1-5] of 5, arrives")).match(step).hasMatch(),
        qPrintable(step));
}

QTEST_MAIN(tst_Experiment)
#include "tst_Experiment.moc"
