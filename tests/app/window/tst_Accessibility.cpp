// What a screen reader is given, as Qt hands it to the desktop: roles and names, the photons
// frame as one group read in order and entered with one focus change, the run's state and each
// key's effect as a notification wherever the focus is, once, the run's lines read when asked,
// and a focus frame that shows on the scroll bar at any zoom.
#include "Translations.h"
#include "WindowActions.h"
#include "WindowControls.h"
#include "ZoomStyle.h"
#include "frmSlitwise.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

namespace {

QAccessibleInterface* spoken(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

// Counts the times a widget is shown, each of which a screen reader hears.
struct ShowCounter : QObject {
    int shown = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        shown += event->type() == QEvent::Show;
        return false;
    }
};

} // namespace

class tst_Accessibility : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void rolesAndNames_data();
    void rolesAndNames();
    void photonsFrameIsOneGroupInReadingOrder();
    void enteringTheFrameIsOneFocusChange_data();
    void enteringTheFrameIsOneFocusChange();
    void runStateIsSpokenWhereverTheFocusIs_data();
    void runStateIsSpokenWhereverTheFocusIs();
    void hitsStageIsSpokenAtItsCount_data();
    void hitsStageIsSpokenAtItsCount();
    void eachKeyIsSpokenOnce_data();
    void eachKeyIsSpokenOnce();
    void runLinesAreReadWhenAsked();
    void designedExperimentIsSpoken();
    void menuOpenedByAKeyHasAnEntryInTheFocus_data();
    void menuOpenedByAKeyHasAnEntryInTheFocus();
    void checkableEntriesAreCheckBoxes();
    void scrollBarShowsKeyboardFocus_data();
    void scrollBarShowsKeyboardFocus();

private:
    std::unique_ptr<frmSlitwise> window_;
};

void tst_Accessibility::initTestCase() {
    // The English plural forms, as the program installs them.
    Translations::install(QLocale(QLocale::English));
}

void tst_Accessibility::init() {
    window_ = activeWindow(7);
}

void tst_Accessibility::rolesAndNames_data() {
    QTest::addColumn<QString>("object");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("given"); // among its parent's children for a screen reader
    QTest::newRow("window: a frame, named without the address")
        << "frmSlitwise" << QAccessible::Window << "Slitwise" << true;
    QTest::newRow("title: static text")
        << "nTitul" << QAccessible::StaticText << "Slitwise" << true;
    QTest::newRow("caption: static text") << "nPravděpodobnost" << QAccessible::StaticText
                                          << "Interference pattern (probability)" << true;
    QTest::newRow("checked option: no state in its name")
        << "op50" << QAccessible::RadioButton << "50 photons per dot" << true;
    QTest::newRow("one photon: singular")
        << "opFot1" << QAccessible::RadioButton << "1 photon per dot" << true;
    QTest::newRow("hidden checked option: its caption")
        << "opRychlá" << QAccessible::RadioButton << "Rychlá" << true;
    QTest::newRow("scroll bar: no value in its name")
        << "HScroll1" << QAccessible::ScrollBar << "Slowdown" << true;
    QTest::newRow("setting field: a field, not given")
        << "nPocetFotonu" << QAccessible::EditableText << "" << false;
    QTest::newRow("hit counter: named by its count")
        << "hitsCounter" << QAccessible::StaticText << "Hits: 0" << true;
    QTest::newRow("run progress: a progress bar")
        << "progressCaption" << QAccessible::ProgressBar << "" << true;
    QTest::newRow("picture: an image, described by a changed experiment's line")
        << "pictureCanvas" << QAccessible::Graphic << "Picture of the experiment" << true;
}

void tst_Accessibility::rolesAndNames() {
    QFETCH(QString, object);
    QFETCH(QAccessible::Role, role);
    QFETCH(QString, name);
    QFETCH(bool, given);
    QObject* found = object == QStringLiteral("frmSlitwise")
                         ? static_cast<QObject*>(window_.get())
                         : control(*window_, object.toUtf8().constData());
    QAccessibleInterface* face = spoken(found);
    QCOMPARE(face->role(), role);
    QCOMPARE(face->text(QAccessible::Name), name);
    QCOMPARE(face->parent()->indexOfChild(face) >= 0, given);
    if (auto* field = qobject_cast<QLineEdit*>(found); role == QAccessible::StaticText && field) {
        // Read as text, while the field keeps its text for the program.
        QVERIFY(!face->state().editable && !face->state().focusable);
        QVERIFY(face->editableTextInterface() == nullptr);
        QCOMPARE(field->text(), name);
    }
    QVERIFY(window_->windowTitle().startsWith(QStringLiteral("Slitwise - https://")));
}

void tst_Accessibility::photonsFrameIsOneGroupInReadingOrder() {
    QAccessibleInterface* group = spoken(control(*window_, "frmPočetFotonů"));
    QStringList read;
    for (int i = 0; i < group->childCount(); ++i) {
        read << group->child(i)->text(QAccessible::Name);
        const auto labels = group->child(i)->relations(QAccessible::Label);
        QVERIFY(labels.size() == 1 && labels.first().first == group);
    }
    QCOMPARE(read,
             QStringList({"1 photon per dot", "5 photons per dot", "10 photons per dot",
                          "50 photons per dot", "100 photons per dot", "500 photons per dot"}));
    QCOMPARE(group->indexOfChild(spoken(control(*window_, "op50"))), 3); // "4 of 6"
}

void tst_Accessibility::enteringTheFrameIsOneFocusChange_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("from");
    QTest::addColumn<bool>("back");
    QTest::newRow("Tab from Exit") << "op50"
                                   << "cmdUnload" << false;
    QTest::newRow("Shift+Tab from the scroll bar") << "op50"
                                                   << "HScroll1" << true;
    QTest::newRow("Tab after choosing 100") << "opFot100"
                                            << "cmdUnload" << false;
    QTest::newRow("Shift+Tab after choosing 5") << "opFot5"
                                                << "HScroll1" << true;
}

void tst_Accessibility::enteringTheFrameIsOneFocusChange() {
    QFETCH(QString, chosen);
    QFETCH(QString, from);
    QFETCH(bool, back);
    // Checked without taking the focus, as the load handler and held clicks check them.
    control<QRadioButton>(*window_, chosen.toUtf8().constData())->setChecked(true);
    control(*window_, from.toUtf8().constData())->setFocus(Qt::TabFocusReason);
    QSignalSpy moves(qApp, &QApplication::focusChanged);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab,
                    back ? Qt::ShiftModifier : Qt::NoModifier);
    QCOMPARE(moves.size(), 1);
    QCOMPARE(QApplication::focusWidget()->objectName(), chosen);
    // The arrows still move within the frame and check as they go.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QVERIFY(QApplication::focusWidget()->objectName() != chosen);
    QVERIFY(qobject_cast<QRadioButton*>(QApplication::focusWidget())->isChecked());
}

void tst_Accessibility::hitsStageIsSpokenAtItsCount_data() {
    QTest::addColumn<int>("hits");
    QTest::addColumn<QString>("stage");
    const QString none = QStringLiteral("Detector screen: no hits yet");
    const QString few = QStringLiteral("Detector screen: a few hits, no pattern yet");
    const QString emerging = QStringLiteral("Detector screen: a pattern is emerging");
    const QString clear = QStringLiteral("Detector screen: the pattern is clear");
    QTest::newRow("none") << 0 << none;
    QTest::newRow("the first") << 1 << few;
    QTest::newRow("the last of the few") << 99 << few;
    QTest::newRow("the first of a pattern") << 100 << emerging;
    QTest::newRow("the last of an emerging one") << 999 << emerging;
    QTest::newRow("a clear pattern") << 1000 << clear;
}

void tst_Accessibility::hitsStageIsSpokenAtItsCount() {
    QFETCH(int, hits);
    QFETCH(QString, stage);
    QWidget* notice = window_->findChild<QWidget*>(QStringLiteral("runStatus"));
    QVERIFY(window_->session().setScreenShown(true, false));
    // Landed one at a time up to the count, so that each stage on the way is told once.
    ShowCounter counter;
    notice->installEventFilter(&counter);
    for (int i = 0; i < hits; ++i) {
        window_->session().landHits(1);
    }
    QCOMPARE(spoken(notice)->text(QAccessible::Name), stage);
    QCOMPARE(counter.shown, int(DetectorScreen::stageFor(hits)));
}

void tst_Accessibility::eachKeyIsSpokenOnce_data() {
    QTest::addColumn<bool>("running");   // F5 first
    QTest::addColumn<QString>("before"); // keys pressed then
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<QString>("told"); // how the one notification begins
    const auto repetitions = [](int perSecond) {
        return QStringLiteral("Pace: %1 repetitions a second").arg(QLocale().toString(perSecond));
    };
    QTest::newRow("-: the pace") << false << "" << QKeySequence("-") << repetitions(1000);
    QTest::newRow("+ during a run: the pace")
        << true << "--" << QKeySequence("+") << repetitions(1000);
    QTest::newRow("+ at the fastest")
        << false << "" << QKeySequence("+") << "Already the fastest pace";
    QTest::newRow("- at the slowest")
        << false << "------" << QKeySequence("-") << "Already the slowest pace";
    QTest::newRow("P during a run: its state") << true << "" << QKeySequence("P") << "Run paused";
    QTest::newRow("N: the photon's line")
        << true << "p" << QKeySequence("N") << "Photon 1 of 50 at point 1: ";
    QTest::newRow("P with hits landing")
        << false << "d" << QKeySequence("P") << "Detector screen held";
    QTest::newRow("S with hits landing")
        << false << "d" << QKeySequence("S") << "Detector screen stopped";
    QTest::newRow("D hides the screen")
        << false << "d" << QKeySequence("D") << "Detector screen hidden";
    QTest::newRow("E: the expected pattern")
        << false << "" << QKeySequence("E") << "Expected pattern shown";
    QTest::newRow("Ctrl+P: projector colours")
        << false << "" << QKeySequence("Ctrl+P") << "Projector colours on";
    QTest::newRow("A: the probe's readout")
        << false << "" << QKeySequence("A") << "Point at y = 340.50 px; Upper path";
    QTest::newRow("Esc removes the probe")
        << false << "a" << QKeySequence("Esc") << "Arrow probe removed";
    QTest::newRow("R: the ruler's length") << false << "" << QKeySequence("R") << "Ruler: ";
    QTest::newRow("L: the fringes' line") << false << "" << QKeySequence("L") << "λL/d = 23.6 px";
    QTest::newRow("K after a run: the kept pattern")
        << true << "f" << QKeySequence("K") << "Pattern 1: designed experiment";
    QTest::newRow("C: the curtain") << false << "" << QKeySequence("C") << "Predict first";
}

void tst_Accessibility::eachKeyIsSpokenOnce() {
    QFETCH(bool, running);
    QFETCH(QString, before);
    QFETCH(QKeySequence, key);
    QFETCH(QString, told);
    RunClock clock(*window_); // nothing goes on by itself meanwhile
    if (running) {
        QTest::keyClick(window_.get(), Qt::Key_F5);
    }
    for (const QChar press : before) {
        QTest::keyClick(window_.get(), press.toLatin1());
    }
    QWidget* notice = window_->findChild<QWidget*>(QStringLiteral("runStatus"));
    ShowCounter counter;
    notice->installEventFilter(&counter);
    QTest::keySequence(window_.get(), key);
    QCOMPARE(counter.shown, 1);
    const QString said = spoken(notice)->text(QAccessible::Name);
    QVERIFY2(said.startsWith(told), qPrintable(said));
    QCOMPARE(window_->accessibleDescription(), said);
    window_->session().finish();
}

void tst_Accessibility::runLinesAreReadWhenAsked() {
    RunClock clock(*window_);
    window_->cmdStart_Click();
    clock.passes(1000);
    QWidget* notice = window_->findChild<QWidget*>(QStringLiteral("runStatus"));
    ShowCounter counter;
    notice->installEventFilter(&counter);
    clock.passes(1000);
    // Read as a progress bar at the point reached, named by its line; nothing announced.
    QAccessibleInterface* progress = spoken(control(*window_, "progressCaption"));
    const int point = window_->session().progress()->point;
    QCOMPARE(progress->valueInterface()->currentValue().toInt(), point);
    QCOMPARE(progress->valueInterface()->maximumValue().toInt(), 520);
    QCOMPARE(progress->text(QAccessible::Name), QStringLiteral("Point %1 of 520").arg(point));
    QCOMPARE(counter.shown, 0);
    window_->session().finish();
    QVERIFY(window_->session().setScreenShown(true, false));
    window_->session().landHits(1187);
    QCOMPARE(spoken(control(*window_, "hitsCounter"))->text(QAccessible::Name),
             QStringLiteral("Hits: %1").arg(QLocale().toString(1187)));
}

void tst_Accessibility::designedExperimentIsSpoken() {
    window_->windowActions().openExperiment(true);
    QWidget* notice = window_->findChild<QWidget*>(QStringLiteral("runStatus"));
    ShowCounter counter;
    notice->installEventFilter(&counter);
    control<QPushButton>(*window_, "experimentDesigned")->click();
    QCOMPARE(counter.shown, 1);
    QCOMPARE(spoken(notice)->text(QAccessible::Name),
             QStringLiteral("Designed experiment restored"));
}

void tst_Accessibility::menuOpenedByAKeyHasAnEntryInTheFocus_data() {
    QTest::addColumn<int>("how");       // 0: Shift+F10, 1: the Menu key, 2: a right click
    QTest::addColumn<QString>("entry"); // in the focus; empty for none
    QTest::newRow("Shift+F10: the first entry") << 0 << "startAction";
    QTest::newRow("the Menu key: the first entry") << 1 << "startAction";
    QTest::newRow("a right click: none") << 2 << "";
}

void tst_Accessibility::menuOpenedByAKeyHasAnEntryInTheFocus() {
    QFETCH(int, how);
    QFETCH(QString, entry);
    if (how == 0) {
        QTest::keyClick(window_.get(), Qt::Key_F10, Qt::ShiftModifier);
    } else {
        const QPoint at(100, 100);
        QContextMenuEvent event(how == 1 ? QContextMenuEvent::Keyboard : QContextMenuEvent::Mouse,
                                at, window_->mapToGlobal(at));
        QApplication::sendEvent(window_.get(), &event);
    }
    QMenu& menu = window_->windowActions().menu();
    QVERIFY(menu.isVisible());
    QCOMPARE(menu.activeAction() != nullptr ? menu.activeAction()->objectName() : QString(), entry);
    menu.close();
}

void tst_Accessibility::checkableEntriesAreCheckBoxes() {
    QMenu& menu = window_->windowActions().menu();
    QAccessibleInterface* face = spoken(&menu);
    int checkable = 0;
    for (int i = 0; i < face->childCount(); ++i) {
        const QAction* action = menu.actions().at(i);
        QCOMPARE(face->child(i)->role() == QAccessible::CheckBox, action->isCheckable());
        QCOMPARE(face->child(i)->state().checked, action->isChecked());
        checkable += action->isCheckable() ? 1 : 0;
    }
    QVERIFY(checkable > 0);
}

void tst_Accessibility::runStateIsSpokenWhereverTheFocusIs_data() {
    QTest::addColumn<QString>("focused");
    QTest::addColumn<QString>("spoil"); // a setting made unreadable during the run
    QTest::newRow("on Start") << "cmdStart"
                              << "";
    QTest::newRow("on the scroll bar") << "HScroll1"
                                       << "";
    QTest::newRow("failed run, on an option") << "op50"
                                              << "nSpomaleni";
}

void tst_Accessibility::runStateIsSpokenWhereverTheFocusIs() {
    QFETCH(QString, focused);
    QFETCH(QString, spoil);
    QWidget* focus = control(*window_, focused.toUtf8().constData());
    focus->setFocus(Qt::TabFocusReason);
    QWidget* notice = window_->findChild<QWidget*>(QStringLiteral("runStatus"));
    QVERIFY(notice != nullptr && !notice->isVisible());
    QCOMPARE(spoken(notice)->role(), QAccessible::Notification);
    // Readers speak a notification as it is shown: each state shows it anew.
    ShowCounter counter;
    notice->installEventFilter(&counter);
    window_->cmdStart_Click();
    QCOMPARE(spoken(notice)->text(QAccessible::Name), QStringLiteral("Run in progress"));
    if (!spoil.isEmpty()) {
        control<QLineEdit>(*window_, spoil.toUtf8().constData())->setText(QStringLiteral("x"));
    }
    window_->session().finish();
    const QString state = spoken(notice)->text(QAccessible::Name);
    if (spoil.isEmpty()) {
        QCOMPARE(state, QStringLiteral("Run finished"));
    } else {
        QVERIFY2(state.startsWith(QStringLiteral("Run failed: nSpomaleni holds \"x\"")),
                 qPrintable(state));
    }
    QCOMPARE(counter.shown, 2);
    QVERIFY(notice->isVisible() && notice->size().isEmpty()); // heard, not seen
    QCOMPARE(window_->accessibleDescription(), state);
    QCOMPARE(QApplication::focusWidget(), focus);
}

void tst_Accessibility::scrollBarShowsKeyboardFocus_data() {
    QTest::addColumn<double>("zoom");
    QTest::newRow("half size") << 0.5;
    QTest::newRow("design size") << 1.0;
    QTest::newRow("projector, 2.5 times") << 2.5;
}

void tst_Accessibility::scrollBarShowsKeyboardFocus() {
    QFETCH(double, zoom);
    window_->zoomTo(zoom);
    QWidget* bar = control(*window_, "HScroll1");
    const QImage before = bar->grab().toImage();
    control(*window_, "op50")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), bar);
    const QImage after = bar->grab().toImage();
    // A frame of the selection colour all round, as wide as the zoom makes it.
    const QRgb frame = bar->palette().color(QPalette::Highlight).rgb();
    const int width = ZoomStyle::focusFrameWidth(zoom);
    QCOMPARE(width, std::max(1, qRound(2 * zoom)));
    const int w = after.width();
    const int h = after.height();
    for (const QPoint& at : {QPoint(w / 2, 0), QPoint(w / 2, h - width), QPoint(0, h / 2),
                             QPoint(w - width, h / 2), QPoint(w / 3, width - 1)}) {
        QCOMPARE(after.pixel(at), frame);
        QVERIFY(before.pixel(at) != frame);
    }
    QVERIFY(after.pixel(w / 2, width) != frame); // only the frame, not the whole bar
}

QTEST_MAIN(tst_Accessibility)
#include "tst_Accessibility.moc"
