// The window, its messages and the command line's help follow the language: Czech for Czech,
// English for English or a language without a catalogue. Every caption, and the line naming a
// changed experiment at its longest, stands whole in its box, in the box's font, at any zoom.
#include "CommandLine.h"
#include "ExperimentSettings.h"
#include "HitsDrawing.h"
#include "SettingsStore.h"
#include "Translations.h"
#include "WindowActions.h"
#include "WindowControls.h"
#include "frmSlitwise.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOption>
#include <QTest>

namespace {

// The controls that show a text, and the paused caption.
const char* const withText[] = {"nZdroj",           "nClona",         "nDetektor",   "nSoučet",
                                "nPravděpodobnost", "nTitul",         "labKlepnete", "cmdStart",
                                "cmdUnload",        "frmPočetFotonů", "opFot1",      "opfot500",
                                "pausedCaption"};

// The width a control leaves for its text, as Qt lays it out, and the text.
std::pair<int, QString> roomAndText(QWidget* widget) {
    QStyle* style = widget->style();
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        return {edit->width() - 4, edit->text()}; // a line edit keeps 2 pixels each side
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        return {label->contentsRect().width(), label->text()};
    }
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        return {style->subElementRect(QStyle::SE_PushButtonContents, &option, button).width(),
                button->text()};
    }
    if (auto* option = qobject_cast<QRadioButton*>(widget)) {
        QStyleOptionButton styleOption;
        styleOption.initFrom(option);
        return {style->subElementRect(QStyle::SE_RadioButtonContents, &styleOption, option).width(),
                option->text()};
    }
    auto* frame = qobject_cast<QGroupBox*>(widget);
    QStyleOptionGroupBox option;
    option.initFrom(frame);
    option.text = frame->title();
    option.subControls = QStyle::SC_GroupBoxLabel;
    const QRect label =
        style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
    return {std::min(label.right(), frame->width() - 1) - label.left() + 1, frame->title()};
}

} // namespace

class tst_Translations : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void textsFollowTheLanguage_data();
    void textsFollowTheLanguage();
    void textsFitTheirBoxes_data();
    void textsFitTheirBoxes();
    void czechCountsTakeTheirPluralForms_data();
    void czechCountsTakeTheirPluralForms();
};

void tst_Translations::cleanup() {
    Translations::install(QLocale(QLocale::English));
}

void tst_Translations::textsFollowTheLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("catalogue");
    QTest::addColumn<QStringList>("texts"); // Start, prompt, a name, a menu entry, a state
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("help");
    QTest::addColumn<QString>("helpOption"); // Qt's own line for -h in the help
    QTest::addColumn<QString>("cancel");     // Qt's own text, on the file dialog's button
    const QStringList english = {"Start", "Please press button Start", "50 photons per dot",
                                 "Next photon", "Run finished"};
    const QString englishMessage = "nVzdalenost holds \"abc\", which is not a number.";
    QTest::newRow("Czech") << "cs" << true
                           << QStringList{"Spustit", "Stiskněte tlačítko Spustit",
                                          "50 fotonů na bod", "Další foton", "Běh skončil"}
                           << "nVzdalenost obsahuje „abc“, což není číslo."
                           << "Použití: slitwise [volby]"
                           << "-h, --help        Zobrazí nápovědu k volbám příkazového řádku."
                           << "Zrušit";
    QTest::newRow("English") << "en_GB" << false << english << englishMessage
                             << "Usage: slitwise [options]"
                             << "-h, --help        Displays help on commandline options."
                             << "Cancel";
    QTest::newRow("a language without a catalogue")
        << "fr" << false << english << englishMessage << "Usage: slitwise [options]"
        << "-h, --help"
        << "Annuler";
}

void tst_Translations::textsFollowTheLanguage() {
    QFETCH(QString, language);
    QFETCH(bool, catalogue);
    QFETCH(QStringList, texts);
    QFETCH(QString, message);
    QFETCH(QString, help);
    QFETCH(QString, helpOption);
    QFETCH(QString, cancel);
    QCOMPARE(Translations::install(QLocale(language)), catalogue);
    frmSlitwise window(1);
    window.cmdStart_Click();
    window.session().finish();
    QString nextPhoton;
    for (const QAction* entry : window.windowActions().menu().actions()) {
        if (entry->objectName() == QStringLiteral("nextPhotonAction")) {
            nextPhoton = entry->text();
        }
    }
    QCOMPARE(QStringList({control<QPushButton>(window, "cmdStart")->text(),
                          control<QLabel>(window, "labKlepnete")->text(),
                          control(window, "op50")->accessibleName(), nextPhoton,
                          window.accessibleDescription()}),
             texts);
    control<QLineEdit>(window, "nVzdalenost")->setText(QStringLiteral("abc"));
    window.cmdStart_Click();
    QCOMPARE(window.findChild<QMessageBox*>(QStringLiteral("settingMessage"))->text(), message);
    QVERIFY(CommandLine::helpText().startsWith(help));
    QVERIFY(CommandLine::helpText().contains(helpOption));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), cancel);
}

void tst_Translations::textsFitTheirBoxes_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<double>("zoom");
    QTest::newRow("Czech, design size") << "cs" << 1.0;
    QTest::newRow("Czech, half size") << "cs" << 0.5;
    QTest::newRow("Czech, projector") << "cs" << 1.86;
    QTest::newRow("English, design size") << "en" << 1.0;
}

void tst_Translations::textsFitTheirBoxes() {
    QFETCH(QString, language);
    QFETCH(double, zoom);
    Translations::install(QLocale(language));
    frmSlitwise window(1);
    window.zoomTo(zoom);
    for (const char* name : withText) {
        QWidget* widget = control(window, name);
        const auto [room, text] = roomAndText(widget);
        const int needed = QFontMetrics(widget->font()).horizontalAdvance(text);
        QVERIFY2(needed <= room, qPrintable(QStringLiteral("%1 \"%2\" needs %3 pixels, has %4")
                                                .arg(QString::fromUtf8(name), text)
                                                .arg(needed)
                                                .arg(room)));
    }
    // The settings line with the most digits and the longest words every setting allows, its
    // sums drawn shorter, left of the detector screen's count: the narrowest it gets.
    SettingsStore longest;
    for (const auto& [field, text] :
         {std::pair(SettingField::Distance, "300"), std::pair(SettingField::SlitSeparation, "200"),
          std::pair(SettingField::TurnPerPixel, "0.511"),
          std::pair(SettingField::SlitWidth, "30")}) {
        longest.setText(field, QString::fromLatin1(text));
    }
    const QString line = ExperimentSettings::summary(longest);
    const QRectF box = ExperimentSettings::summaryBox(zoom, HitsDrawing::left - 8);
    const QRectF needed = QFontMetricsF(ExperimentSettings::summaryFont(zoom))
                              .boundingRect(box, ExperimentSettings::summaryFlags, line);
    QVERIFY2(line.contains(QLatin1Char('%')) && box.contains(needed), qPrintable(line));
}

void tst_Translations::czechCountsTakeTheirPluralForms_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("name");
    QTest::newRow("one") << 1 << "1 foton na bod";
    QTest::newRow("two to four") << 2 << "2 fotony na bod";
    QTest::newRow("five and more") << 5 << "5 fotonů na bod";
}

void tst_Translations::czechCountsTakeTheirPluralForms() {
    QFETCH(int, count);
    QFETCH(QString, name);
    QVERIFY(Translations::install(QLocale(QStringLiteral("cs"))));
    QCOMPARE(QCoreApplication::translate("ControlFactory", "%Ln photon(s) per dot", "", count),
             name);
}

QTEST_MAIN(tst_Translations)
#include "tst_Translations.moc"
