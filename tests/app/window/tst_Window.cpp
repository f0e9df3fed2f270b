// The window checked against its control table, its state after loading, the setting handlers,
// the apparatus Start draws into the kept picture that the window shows, and clicks held during a
// run.
#include "ControlTable.h"
#include "FakeFields.h"
#include "PhotonRun.h"
#include "WindowControls.h"
#include "frmSlitwise.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include <functional>

namespace {

const QRgb black = 0xFF000000;

bool isOfKind(QWidget* widget, ControlKind kind) {
    switch (kind) {
    case ControlKind::ScrollBar:
        return qobject_cast<QScrollBar*>(widget) != nullptr;
    case ControlKind::Frame:
        return qobject_cast<QGroupBox*>(widget) != nullptr;
    case ControlKind::OptionButton:
        return qobject_cast<QRadioButton*>(widget) != nullptr;
    case ControlKind::TextField:
        return qobject_cast<QLineEdit*>(widget) != nullptr;
    case ControlKind::PushButton:
        return qobject_cast<QPushButton*>(widget) != nullptr;
    case ControlKind::Label:
        return qobject_cast<QLabel*>(widget) != nullptr;
    }
    return false;
}

void click(frmSlitwise& window, const char* name) {
    QTest::mouseClick(control(window, name), Qt::LeftButton);
}

void slower(frmSlitwise& window) {
    control<QScrollBar>(window, "HScroll1")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
}

using Clicks = std::function<void(frmSlitwise&)>;

} // namespace

Q_DECLARE_METATYPE(Clicks)

class tst_Window : public QObject {
    Q_OBJECT
private slots:
    void windowMatchesTheControlTable();
    void designValuesAsTheUserSeesThem_data();
    void designValuesAsTheUserSeesThem();
    void exactlyTheTableControlsAreShown();
    void tabNeverLandsOnAHiddenControl();
    void stateAfterLoad();
    void photonButtonsWriteTheirNumber_data();
    void photonButtonsWriteTheirNumber();
    void speedHandlersLeaveTheScrollBar();
    void scrollBarWritesOnArrowsAndOnRelease();
    void startDrawsTheApparatus();
    void windowShowsTheKeptPicture();
    void timerDrivenRunMatchesOneWithoutAWindow();
    void clicksDuringARunAreHeldUntilItEnds_data();
    void clicksDuringARunAreHeldUntilItEnds();
};

void tst_Window::windowMatchesTheControlTable() {
    frmSlitwise window(1);
    QCOMPARE(window.windowTitle(), QStringLiteral("Slitwise - https://slitwise.example.org"));
    // The design's 27 and four hidden setting fields of the experiment.
    QCOMPARE(ControlTable::controls().size(), std::size_t(27 + 4));
    for (const ControlRow& row : ControlTable::controls()) {
        QWidget* widget = control(window, row.name);
        QVERIFY2(isOfKind(widget, row.kind), row.name);
        const QString parent =
            row.parent ? QString::fromUtf8(row.parent) : QStringLiteral("frmSlitwise");
        QCOMPARE(widget->parentWidget()->objectName(), parent);
        QCOMPARE(widget->geometry(), row.geometry);
        if (row.font) {
            QCOMPARE(widget->font().bold(), row.font->bold);
            QCOMPARE(widget->font().pixelSize(), qRound(row.font->points * 4 / 3));
        }
        // The photons-per-dot buttons are captioned with their numbers, checked below.
        if (auto* button = qobject_cast<QAbstractButton*>(widget); button && row.photonsRow < 0) {
            QCOMPARE(button->text(), QString::fromUtf8(row.text));
        }
    }
    // Nothing but the drawing area under the table's controls, 31 less the 9 option buttons
    // inside the two frames, the caption that says a run is paused, the three lines of the run's
    // progress, the detector screen's counter and the run's state for screen readers, which has
    // no size; menus and dialogs are windows of their own.
    QStringList onTheWindow;
    for (QWidget* child : window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow()) {
            onTheWindow << child->objectName();
        }
    }
    QCOMPARE(onTheWindow.size(), 1 + 22 + 2 + 3 + 1);
    QCOMPARE(onTheWindow.first(), QStringLiteral("pictureCanvas"));
    QVERIFY(onTheWindow.contains(QStringLiteral("pausedCaption")));
    QVERIFY(onTheWindow.contains(QStringLiteral("runStatus")));
    QCOMPARE(control<QLineEdit>(window, "nSoučet")->text(), QStringLiteral("Vector sum"));
    QCOMPARE(control<QLabel>(window, "labKlepnete")->text(),
             QStringLiteral("Please press button Start"));
}

void tst_Window::designValuesAsTheUserSeesThem_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry"); // pixels, in the frame for option buttons
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("shown");
    QTest::newRow("slowdown bar") << "HScroll1" << QRect(216, 24, 161, 17) << "" << true;
    QTest::newRow("Start") << "cmdStart" << QRect(584, 8, 73, 25) << "Start" << true;
    QTest::newRow("Exit") << "cmdUnload" << QRect(688, 8, 81, 25) << "Exit" << true;
    QTest::newRow("prompt") << "labKlepnete" << QRect(192, 312, 385, 41)
                            << "Please press button Start" << true;
    QTest::newRow("photons frame")
        << "frmPočetFotonů" << QRect(16, 72, 121, 121) << "Photons per dot" << true;
    QTest::newRow("50 photons") << "op50" << QRect(40, 64, 41, 13) << "50" << true;
    QTest::newRow("500 photons") << "opfot500" << QRect(72, 96, 41, 17) << "500" << true;
    QTest::newRow("pattern caption") << "nPravděpodobnost" << QRect(528, 40, 233, 19)
                                     << "Interference pattern (probability)" << false;
    QTest::newRow("source caption") << "nZdroj" << QRect(40, 312, 57, 19) << "Source" << false;
    QTest::newRow("speed frame") << "frmAnimace" << QRect(16, 200, 89, 81) << "Animace" << false;
}

void tst_Window::designValuesAsTheUserSeesThem() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(bool, shown);
    frmSlitwise window(1);
    window.show();
    QWidget* widget = control(window, name.toUtf8().constData());
    QCOMPARE(widget->geometry(), geometry);
    QCOMPARE(widget->isVisible(), shown);
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        QCOMPARE(button->text(), text);
    } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
        QCOMPARE(frame->title(), text);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        QCOMPARE(label->text(), text);
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        QCOMPARE(edit->text(), text);
    }
}

void tst_Window::exactlyTheTableControlsAreShown() {
    frmSlitwise window(1);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QStringList shown;
    for (const ControlRow& row : ControlTable::controls()) {
        QWidget* widget = control(window, row.name);
        if (widget->isVisible()) {
            shown << widget->objectName();
        }
        QCOMPARE(widget->isVisible(), row.shown);
    }
    QCOMPARE(shown.size(), 12);
    QVERIFY(window.width() >= 801 && window.height() >= 581);
}

void tst_Window::tabNeverLandsOnAHiddenControl() {
    frmSlitwise window(1);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    control(window, "cmdStart")->setFocus();
    QStringList visited;
    for (int i = 0; i < 12; ++i) {
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus != nullptr);
        QVERIFY2(focus->isVisible(), qPrintable(focus->objectName()));
        if (!visited.contains(focus->objectName())) {
            visited << focus->objectName();
        }
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    // In tab-index order; the photons frame is one stop, at its checked button.
    QCOMPARE(visited, QStringList({"cmdStart", "cmdUnload", "op50", "HScroll1"}));
}

void tst_Window::stateAfterLoad() {
    frmSlitwise window(1);
    QCOMPARE(text(window, "nRozptyl"), QStringLiteral("180"));
    QCOMPARE(text(window, "nPocetFotonu"), QStringLiteral("50"));
    QCOMPARE(text(window, "nRd"), QStringLiteral("40"));
    QCOMPARE(text(window, "nUr"), QStringLiteral("1"));
    QCOMPARE(text(window, "nVzdalenost"), QStringLiteral("200"));
    QCOMPARE(text(window, "nSpomaleni"), QStringLiteral("1"));
    QStringList checked;
    for (QRadioButton* button : window.findChildren<QRadioButton*>()) {
        if (button->isChecked()) {
            checked << button->objectName();
        }
    }
    checked.sort();
    QCOMPARE(checked, QStringList({"op50", QString::fromUtf8("opRychlá")}));
    QCOMPARE(control<QScrollBar>(window, "HScroll1")->value(), 1);
    QVERIFY(!window.session().isRunning());
}

void tst_Window::photonButtonsWriteTheirNumber_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("photons");
    QTest::newRow("1") << "opFot1"
                       << "1";
    QTest::newRow("5") << "opFot5"
                       << "5";
    QTest::newRow("10") << "opFot10"
                        << "10";
    QTest::newRow("100") << "opFot100"
                         << "100";
    QTest::newRow("500") << "opfot500"
                         << "500";
}

void tst_Window::photonButtonsWriteTheirNumber() {
    QFETCH(QString, button);
    QFETCH(QString, photons);
    frmSlitwise window(1);
    window.show();
    auto* target = control<QRadioButton>(window, button.toUtf8().constData());
    QCOMPARE(target->text(), photons); // captioned with what it writes
    QTest::mouseClick(target, Qt::LeftButton);
    QCOMPARE(text(window, "nPocetFotonu"), photons);
    QVERIFY(target->isChecked());
    QVERIFY(!control<QRadioButton>(window, "op50")->isChecked());
    QVERIFY(control<QRadioButton>(window, "opRychlá")->isChecked()); // the other frame
    QCOMPARE(text(window, "nSpomaleni"), QStringLiteral("1"));
    QTest::mouseClick(control<QRadioButton>(window, "op50"), Qt::LeftButton);
    QCOMPARE(text(window, "nPocetFotonu"), QStringLiteral("50"));
}

void tst_Window::speedHandlersLeaveTheScrollBar() {
    frmSlitwise window(1);
    window.opPomalá_Click();
    QCOMPARE(text(window, "nSpomaleni"), QStringLiteral("3"));
    window.opPomalejší_Click();
    QCOMPARE(text(window, "nSpomaleni"), QStringLiteral("2"));
    window.opRychlá_Click();
    QCOMPARE(text(window, "nSpomaleni"), QStringLiteral("1"));
    QCOMPARE(control<QScrollBar>(window, "HScroll1")->value(), 1);
    QCOMPARE(text(window, "nPocetFotonu"), QStringLiteral("50"));
}

void tst_Window::scrollBarWritesOnArrowsAndOnRelease() {
    frmSlitwise window(1);
    auto* bar = control<QScrollBar>(window, "HScroll1");
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(text(window, "nSpomaleni"), QStringLiteral("2"));
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(text(window, "nSpomaleni"), QStringLiteral("3"));
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(bar->value(), 3);
    QVERIFY(control<QRadioButton>(window, "opRychlá")->isChecked());
    // Dragging the thumb writes nothing until it is released.
    bar->setSliderDown(true);
    bar->setSliderPosition(1);
    QCOMPARE(text(window, "nSpomaleni"), QStringLiteral("3"));
    bar->setSliderDown(false);
    QCOMPARE(text(window, "nSpomaleni"), QStringLiteral("1"));
}

void tst_Window::startDrawsTheApparatus() {
    frmSlitwise window(1);
    window.show();
    QTest::mouseClick(control(window, "cmdStart"), Qt::LeftButton);
    QVERIFY(window.session().isRunning());
    const QImage picture = window.session().surface().snapshot();
    QCOMPARE(picture.pixel(150, 200), black);
    QCOMPARE(picture.pixel(300, 100), black);
    QCOMPARE(picture.pixel(600, 340), black);
}

void tst_Window::windowShowsTheKeptPicture() {
    frmSlitwise window(1);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.cmdStart_Click();
    window.session().finish();
    // What the window paints, with its controls hidden, is the kept picture.
    for (QWidget* child : window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        child->setVisible(child->objectName() == QStringLiteral("pictureCanvas"));
    }
    const QImage painted =
        window.grab(QRect(0, 0, 801, 581)).toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(painted, window.session().surface().snapshot());
}

void tst_Window::timerDrivenRunMatchesOneWithoutAWindow() {
    frmSlitwise window(77);
    RunClock clock(window);
    window.show();
    QTest::mouseClick(control(window, "cmdStart"), Qt::LeftButton);
    // The captions wait for the run's end.
    int ticksSeen = 0;
    while (window.session().isRunning()) {
        for (const char* caption : captionNames) {
            QVERIFY2(!control(window, caption)->isVisible(), caption);
        }
        ++ticksSeen;
        clock.passes(16);
    }
    QVERIFY(ticksSeen > 1);
    QVERIFY(allCaptionsShown(window));

    ImageSurface surface;
    RandomGenerator random(77);
    FakeFields fields;
    PhotonRun run(surface, random, fields);
    run.start();
    run.advance(std::numeric_limits<long long>::max());
    QCOMPARE(window.session().surface().snapshot(), surface.snapshot());
}

void tst_Window::clicksDuringARunAreHeldUntilItEnds_data() {
    QTest::addColumn<Clicks>("clicks");   // made during a run with 50 photons and slowdown 1
    QTest::addColumn<QStringList>("log"); // each run with its settings, each setting written
    QTest::newRow("choices apply after the run, in the order made")
        << Clicks([](frmSlitwise& window) {
               click(window, "opfot500");
               slower(window);
               click(window, "opFot10");
               // The controls show the clicks at once; the run goes on with what it started with.
               QVERIFY(control<QRadioButton>(window, "opFot10")->isChecked());
               QCOMPARE(control<QScrollBar>(window, "HScroll1")->value(), 2);
           })
        << QStringList({"run 50 1", "photons 500", "slowdown 2", "photons 10"});
    QTest::newRow("a Start after a held choice runs with it; Starts in a row are one")
        << Clicks([](frmSlitwise& window) {
               click(window, "cmdStart");
               click(window, "opFot5");
               click(window, "cmdStart");
               click(window, "cmdStart");
           })
        << QStringList({"run 50 1", "run 50 1", "photons 5", "run 5 1"});
    QTest::newRow("scroll moves write the values seen at each move")
        << Clicks([](frmSlitwise& window) {
               slower(window);
               slower(window);
           })
        << QStringList({"run 50 1", "slowdown 2", "slowdown 3"});
    QTest::newRow("a paused run holds them too") << Clicks([](frmSlitwise& window) {
        window.session().togglePause();
        click(window, "opFot5");
        click(window, "cmdStart");
    }) << QStringList({"run 50 1 paused", "photons 5", "run 5 1"});
    QTest::newRow("Stop drops the held Starts and applies the held choices")
        << Clicks([](frmSlitwise& window) {
               click(window, "cmdStart");
               click(window, "opFot5");
               click(window, "cmdStart");
               slower(window);
               window.session().stop();
               QCOMPARE(window.accessibleDescription(), QStringLiteral("Run stopped"));
           })
        << QStringList({"photons 5", "slowdown 2"});
}

void tst_Window::clicksDuringARunAreHeldUntilItEnds() {
    QFETCH(Clicks, clicks);
    QFETCH(QStringList, log);
    frmSlitwise window(1);
    window.show();
    QStringList seen;
    for (const char* name : {"nPocetFotonu", "nSpomaleni"}) {
        const QString what =
            name[1] == 'P' ? QStringLiteral("photons ") : QStringLiteral("slowdown ");
        connect(control<QLineEdit>(window, name), &QLineEdit::textChanged, this,
                [&seen, what](const QString& text) { seen << what + text; });
    }
    click(window, "cmdStart");
    clicks(window);
    while (window.session().isRunning()) {
        seen << QStringLiteral("run %1 %2%3")
                    .arg(text(window, "nPocetFotonu"), text(window, "nSpomaleni"),
                         window.session().isPaused() ? QStringLiteral(" paused") : QString());
        window.session().finish();
    }
    QCOMPARE(seen, log);
}

QTEST_MAIN(tst_Window)
#include "tst_Window.moc"
