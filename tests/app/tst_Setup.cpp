// Setup files as a teacher uses them: saved in the window and opened again with the same
// settings, written by hand with a few keys, refused whole with one line when a value is bad, the
// lessons opened from the menu with their questions, and a render from a file the same picture as
// from the options it names.
#include "CommandLine.h"
#include "Lessons.h"
#include "ProgramRun.h"
#include "SetupCommands.h"
#include "SetupFile.h"
#include "WindowControls.h"
#include "frmSlitwise.h"

#include <QAbstractButton>
#include <QMenu>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList settingTexts(const frmSlitwise& window) {
    QStringList texts;
    for (const FormFields::Setting& setting : FormFields::settings) {
        texts << window.settings().text(setting.field);
    }
    return texts;
}

QString written(const QTemporaryDir& dir, const QString& name, const QByteArray& text) {
    QFile file(dir.filePath(name));
    file.open(QIODevice::WriteOnly);
    file.write(text);
    return file.fileName();
}

QString messageText(const frmSlitwise& window) {
    const auto* box = window.findChild<QMessageBox*>(QStringLiteral("setupMessage"));
    return box != nullptr ? box->text() : QString();
}

} // namespace

class tst_Setup : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void savedSetupOpensTheSame();
    void handWrittenKeysOverStartUp();
    void badFilesChangeNothing_data();
    void badFilesChangeNothing();
    void lessonsOpenWithTheirQuestion_data();
    void lessonsOpenWithTheirQuestion();
    void renderFromSetupIsRenderFromOptions_data();
    void renderFromSetupIsRenderFromOptions();

private:
    QTemporaryDir dir_;
};

void tst_Setup::savedSetupOpensTheSame() {
    frmSlitwise first(7);
    SetupCommands firstSetups(first);
    const QString path = dir_.filePath(QStringLiteral("saved.slitwise"));
    first.settings().setText(SettingField::SlitSeparation, QStringLiteral("80"));
    first.settings().setText(SettingField::TurnPerPixel, QStringLiteral("0.5"));
    first.settings().setText(SettingField::WhichSlitDetector, QStringLiteral("1"));
    qobject_cast<QAbstractButton*>(control(first, "opfot500"))->setChecked(true);
    first.session().setProjectorColours(true);
    first.session().setPaceLevel(3);
    QVERIFY(firstSetups.save(path));

    frmSlitwise second(1);
    SetupCommands secondSetups(second);
    RunClock clock(second);
    second.session().start();
    QVERIFY(secondSetups.open(path));
    // Held while the run lasts, as a setting set by hand is.
    QCOMPARE(second.settings().text(SettingField::SlitSeparation), QStringLiteral("40"));
    second.session().finish();
    QCOMPARE(settingTexts(second), settingTexts(first));
    QCOMPARE(second.session().seed(), 7u);
    QCOMPARE(secondSetups.currentText(), firstSetups.currentText());
    QCOMPARE(SetupCommands::recent().first(), path);
}

void tst_Setup::handWrittenKeysOverStartUp() {
    frmSlitwise window(1);
    SetupCommands setups(window);
    window.settings().setText(SettingField::WhichSlitDetector, QStringLiteral("1"));
    QVERIFY(setups.open(written(dir_, QStringLiteral("two.slitwise"),
                                "[Slitwise]\nseparation=80\nslits=upper\nruler=on\n")));
    QCOMPARE(window.settings().text(SettingField::SlitSeparation), QStringLiteral("80"));
    QCOMPARE(window.settings().text(SettingField::OpenSlits), QStringLiteral("1"));
    QCOMPARE(window.settings().text(SettingField::WhichSlitDetector), QStringLiteral("0"));
    QVERIFY2(messageText(window).contains(QStringLiteral("'ruler'")),
             qPrintable(messageText(window)));
}

void tst_Setup::badFilesChangeNothing_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("said");
    const auto row = [](const char* what, const char* name, const char* text, const char* said) {
        QTest::newRow(what) << QString::fromLatin1(name) << QByteArray(text)
                            << QString::fromLatin1(said);
    };
    row("missing", "none.slitwise", nullptr, "does not exist");
    row("a folder", ".", nullptr, "is not a file");
    row("out of range", "far.slitwise", "[Slitwise]\nseparation=80\ndistance=300\n",
        "distance '300' is not a whole number from 50 to 250");
    row("not a number", "wide.slitwise", "[Slitwise]\nslit-width=wide\n", "slit-width 'wide'");
    row("a word not offered", "middle.slitwise", "[Slitwise]\nslits=middle\n",
        "slits 'middle' is not one of both, upper, lower");
    row("a switch neither on nor off", "yes.slitwise", "[Slitwise]\nwhich-slit=yes\n",
        "which-slit 'yes' is not one of off, on");
    row("photons not offered", "seven.slitwise", "[Slitwise]\nphotons=7\n", "photons '7'");
    row("pace beyond the slowest", "pace.slitwise", "[Slitwise]\npace=8\n",
        "pace '8' is not a whole number from 1 to 7");
    row("wavelength and turn", "both.slitwise", "[Slitwise]\nwavelength=9\nturn=1\n",
        "wavelength and turn cannot both be given");
}

void tst_Setup::badFilesChangeNothing() {
    QFETCH(QString, name);
    QFETCH(QByteArray, text);
    QFETCH(QString, said);
    const QString path = text.isNull() ? dir_.filePath(name) : written(dir_, name, text);
    frmSlitwise window(1);
    SetupCommands setups(window);
    const QStringList before = settingTexts(window);
    QVERIFY(!setups.open(path));
    QCOMPARE(settingTexts(window), before);
    const QString line = messageText(window);
    QVERIFY2(line.contains(said) && line.contains(path) && !line.contains(QLatin1Char('\n')),
             qPrintable(line));
    // The command line refuses it with the same line.
    QStringList warnings;
    QCOMPARE(QStringLiteral("slitwise: ") + SetupFile::read(path, warnings).error,
             CommandLine::parse(
                 {QStringLiteral("--setup"), path, QStringLiteral("--data"), QStringLiteral("-")})
                 .error);
}

void tst_Setup::lessonsOpenWithTheirQuestion_data() {
    QTest::addColumn<int>("index");
    for (int i = 0; i < static_cast<int>(Lessons::all().size()); ++i) {
        QTest::newRow(Lessons::all()[i].file) << i;
    }
}

void tst_Setup::lessonsOpenWithTheirQuestion() {
    QFETCH(int, index);
    const Lesson& lesson = Lessons::all()[index];
    frmSlitwise window(1);
    SetupCommands setups(window);
    auto* menu = window.findChild<QMenu*>(QStringLiteral("lessonsMenu"));
    menu->actions().at(index)->trigger();
    QCOMPARE(messageText(window), QString::fromUtf8(lesson.question));
    QStringList warnings;
    QCOMPARE(SetupFile::read(Lessons::path(lesson), warnings).view.question,
             QString::fromUtf8(lesson.question));
    QVERIFY(warnings.isEmpty());
}

void tst_Setup::renderFromSetupIsRenderFromOptions_data() {
    QTest::addColumn<QByteArray>("setup");
    QTest::addColumn<QStringList>("beside");
    QTest::addColumn<QStringList>("options");
    QTest::newRow("every key of the experiment")
        << QByteArray("[Slitwise]\ndistance=120\nseparation=60\nwavelength=9,5\nslit-width=4\n"
                      "slits=lower\nwhich-slit=on\nphotons=10\nslowdown=2\nexpected=on\n")
        << QStringList{"--seed", "1"} << QStringList{"--distance",
                                                     "120",
                                                     "--separation",
                                                     "60",
                                                     "--wavelength",
                                                     "9.5",
                                                     "--slit-width",
                                                     "4",
                                                     "--slits",
                                                     "lower",
                                                     "--which-slit",
                                                     "--photons",
                                                     "10",
                                                     "--slowdown",
                                                     "2",
                                                     "--expected"};
    QTest::newRow("options beside the file over its keys")
        << QByteArray("[Slitwise]\nseparation=80\nturn=0.5\nseed=3\n")
        << QStringList{"--separation", "30", "--seed", "1"}
        << QStringList{"--separation", "30", "--turn", "0.5"};
}

void tst_Setup::renderFromSetupIsRenderFromOptions() {
    QFETCH(QByteArray, setup);
    QFETCH(QStringList, beside);
    QFETCH(QStringList, options);
    const QString file = written(
        dir_, QString::fromLatin1(QTest::currentDataTag()) + QStringLiteral(".slitwise"), setup);
    const QString fromFile = dir_.filePath(QStringLiteral("file.png"));
    const QString fromOptions = dir_.filePath(QStringLiteral("options.png"));
    QCOMPARE(runProgram(QStringList{"--setup", file, "--render", fromFile} + beside, dir_.path())
                 .exitCode,
             0);
    QCOMPARE(runProgram(QStringList{"--seed", "1", "--render", fromOptions} + options, dir_.path())
                 .exitCode,
             0);
    QFile a(fromFile), b(fromOptions);
    QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    QCOMPARE(a.readAll(), b.readAll());
}

QTEST_MAIN(tst_Setup)
#include "tst_Setup.moc"
