// What a desktop program is expected to offer beyond its buttons: keyboard use, names a screen
// reader can speak, and saving or copying the picture.
#include "ControlTable.h"
#include "FullDisk.h"
#include "PictureActions.h"
#include "Translations.h"
#include "WindowControls.h"
#include "frmSlitwise.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <sys/wait.h>

class tst_Desktop : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void keyboardStartsOnStart();
    void everyShownControlHasASpokenName();
    void spokenNamesStayWhileTheChoiceChanges();
    void runStateIsDescribed();
    void keyboardChecksMovesAndStarts();
    void keysOnAControl_data();
    void keysOnAControl();
    void saveWritesTheKeptPicture();
    void failedSaveIsReportedAndChangesNothing();
    void saveOntoAFullDiskIsReportedAndKeepsTheOldFile_data();
    void saveOntoAFullDiskIsReportedAndKeepsTheOldFile();
    void suggestedNameCarriesPhotonsAndSeed();
    void copyPutsThePictureOnTheClipboard();

private:
    std::unique_ptr<frmSlitwise> window_;
};

void tst_Desktop::initTestCase() {
    // The English plural forms, as the program installs them.
    Translations::install(QLocale(QLocale::English));
}

void tst_Desktop::init() {
    window_ = activeWindow(1234);
}

void tst_Desktop::keyboardStartsOnStart() {
    QCOMPARE(QApplication::focusWidget(), control(*window_, "cmdStart"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(window_->session().isRunning());
    window_->session().finish();
}

void tst_Desktop::everyShownControlHasASpokenName() {
    window_->cmdStart_Click();
    window_->session().finish(); // the captions are shown too now
    int named = 0;
    for (const ControlRow& row : ControlTable::controls()) {
        QWidget* widget = control(*window_, row.name);
        if (!widget->isVisible()) {
            continue;
        }
        QVERIFY2(!widget->accessibleName().isEmpty(), row.name);
        QVERIFY2(!widget->accessibleDescription().isEmpty(), row.name);
        ++named;
    }
    QCOMPARE(named, 17);
}

void tst_Desktop::spokenNamesStayWhileTheChoiceChanges() {
    // The name names the control; its checked state and the bar's value are spoken apart.
    const auto checked = [this](const char* name) {
        return QAccessible::queryAccessibleInterface(control(*window_, name))->state().checked;
    };
    const auto barValue = [this] {
        return QAccessible::queryAccessibleInterface(control(*window_, "HScroll1"))
            ->valueInterface()
            ->currentValue()
            .toInt();
    };
    QCOMPARE(control(*window_, "op50")->accessibleName(), QStringLiteral("50 photons per dot"));
    QCOMPARE(control(*window_, "opfot500")->accessibleName(),
             QStringLiteral("500 photons per dot"));
    QCOMPARE(control(*window_, "HScroll1")->accessibleName(), QStringLiteral("Slowdown"));
    QVERIFY(checked("op50") && !checked("opfot500"));
    QCOMPARE(barValue(), 1);
    QTest::mouseClick(control(*window_, "opfot500"), Qt::LeftButton);
    qobject_cast<QScrollBar*>(control(*window_, "HScroll1"))
        ->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(control(*window_, "opfot500")->accessibleName(),
             QStringLiteral("500 photons per dot"));
    QCOMPARE(control(*window_, "op50")->accessibleName(), QStringLiteral("50 photons per dot"));
    QCOMPARE(control(*window_, "HScroll1")->accessibleName(), QStringLiteral("Slowdown"));
    QVERIFY(!checked("op50") && checked("opfot500"));
    QCOMPARE(barValue(), 2);
}

void tst_Desktop::runStateIsDescribed() {
    window_->cmdStart_Click();
    QCOMPARE(window_->accessibleDescription(), QStringLiteral("Run in progress"));
    window_->session().finish();
    QCOMPARE(window_->accessibleDescription(), QStringLiteral("Run finished"));
}

void tst_Desktop::keyboardChecksMovesAndStarts() {
    // Tab to the photons frame, arrow to another button, and Space checks it.
    control(*window_, "cmdUnload")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("op50"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("opFot10"));
    QVERIFY(qobject_cast<QRadioButton*>(control(*window_, "opFot10"))->isChecked());
    QCOMPARE(text(*window_, "nPocetFotonu"), QStringLiteral("10"));

    // The arrow keys move the scroll bar.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("HScroll1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QCOMPARE(qobject_cast<QScrollBar*>(control(*window_, "HScroll1"))->value(), 3);
    QCOMPARE(window_->findChild<QLineEdit*>(QStringLiteral("nSpomaleni"))->text(),
             QStringLiteral("3"));

    // Enter and Space on Start start a run.
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
        control(*window_, "cmdStart")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(control(*window_, "cmdStart"), key);
        QTRY_VERIFY(window_->session().isRunning());
        window_->session().finish();
    }
}

void tst_Desktop::keysOnAControl_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("before"); // the scroll bar's value, or whether a run is in progress
    QTest::addColumn<int>("after");
    QTest::newRow("Right raises the slowdown") << "HScroll1" << int(Qt::Key_Right) << 1 << 2;
    QTest::newRow("Up raises the slowdown") << "HScroll1" << int(Qt::Key_Up) << 2 << 3;
    QTest::newRow("Left lowers the slowdown") << "HScroll1" << int(Qt::Key_Left) << 3 << 2;
    QTest::newRow("Down lowers the slowdown") << "HScroll1" << int(Qt::Key_Down) << 2 << 1;
    QTest::newRow("Return presses Start") << "cmdStart" << int(Qt::Key_Return) << 0 << 1;
    QTest::newRow("keypad Enter presses Start") << "cmdStart" << int(Qt::Key_Enter) << 0 << 1;
}

void tst_Desktop::keysOnAControl() {
    QFETCH(QString, name);
    QFETCH(int, key);
    QFETCH(int, before);
    QFETCH(int, after);
    QWidget* widget = control(*window_, qPrintable(name));
    auto* bar = qobject_cast<QScrollBar*>(widget);
    const auto state = [this, bar] {
        return bar ? bar->value() : int(window_->session().isRunning());
    };
    if (bar) {
        bar->setValue(before);
    }
    QCOMPARE(state(), before);
    QTest::keyClick(widget, Qt::Key(key),
                    key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    QCOMPARE(state(), after);
}

void tst_Desktop::saveWritesTheKeptPicture() {
    QTemporaryDir folder;
    window_->cmdStart_Click();
    window_->session().finish();
    const QString path = folder.filePath(window_->pictureActions().suggestedFileName());
    QVERIFY(window_->pictureActions().savePicture(window_->session().surface().snapshot(), path));
    QImage saved(path);
    QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), window_->session().surface().snapshot());
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), 1); // no temporary file left
}

void tst_Desktop::failedSaveIsReportedAndChangesNothing() {
    // What a save refuses is checked in tst_PictureExport; here, that the window says so.
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("picture.png"));
    QFile existing(path);
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.write("kept");
    existing.close();
    existing.setPermissions(QFileDevice::ReadOwner);
    window_->cmdStart_Click();
    const QImage before = window_->session().surface().snapshot();
    QVERIFY(!window_->pictureActions().savePicture(before, path));
    auto* box = window_->findChild<QMessageBox*>(QStringLiteral("saveMessage"));
    QVERIFY(box != nullptr);
    QVERIFY2(box->text().contains(path), qPrintable(box->text()));
    QCOMPARE(window_->session().surface().snapshot(), before);
    QVERIFY(window_->session().isRunning());
    QVERIFY(existing.open(QIODevice::ReadOnly));
    QCOMPARE(existing.readAll(), QByteArray("kept"));
    window_->session().finish();
}

void tst_Desktop::saveOntoAFullDiskIsReportedAndKeepsTheOldFile_data() {
    QTest::addColumn<FullDisk::Kind>("kind");
    QTest::newRow("size limit") << FullDisk::Kind::SizeLimit;
    QTest::newRow("full tmpfs") << FullDisk::Kind::FullTmpfs;
}

void tst_Desktop::saveOntoAFullDiskIsReportedAndKeepsTheOldFile() {
    QFETCH(FullDisk::Kind, kind);
    const FullDisk disk(kind);
    if (!disk.ready()) {
        QSKIP("mounting a tmpfs needs root and the right to mount");
    }
    window_->cmdStart_Click();
    window_->session().finish();
    // Saved in a child process, so that the lowered size limit ends with it.
    const pid_t child = fork();
    if (child == 0) {
        disk.applyInChild();
        const bool saved = window_->pictureActions().savePicture(
            window_->session().surface().snapshot(), disk.keep());
        const auto* box = window_->findChild<QMessageBox*>(QStringLiteral("saveMessage"));
        _exit(!saved && box != nullptr && box->text().contains(disk.keep()) &&
                      box->text().contains(disk.reason())
                  ? 0
                  : 1);
    }
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 0);
    QVERIFY(disk.untouched());
}

void tst_Desktop::suggestedNameCarriesPhotonsAndSeed() {
    QCOMPARE(window_->pictureActions().suggestedFileName(),
             QStringLiteral("slitwise-50-photons-seed-1234.png"));
    QTest::mouseClick(control(*window_, "opFot5"), Qt::LeftButton);
    // Named after the picture on screen, until Start draws one with the new setting.
    QCOMPARE(window_->pictureActions().suggestedFileName(),
             QStringLiteral("slitwise-50-photons-seed-1234.png"));
    window_->cmdStart_Click();
    QCOMPARE(window_->pictureActions().suggestedFileName(),
             QStringLiteral("slitwise-5-photons-seed-1234.png"));
    window_->session().finish();
}

void tst_Desktop::copyPutsThePictureOnTheClipboard() {
    window_->cmdStart_Click();
    window_->session().finish();
    QTest::keyClick(window_.get(), Qt::Key_C, Qt::ControlModifier);
    // The picture with its captions on it.
    QCOMPARE(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
             window_->composedPicture());
}

QTEST_MAIN(tst_Desktop)
#include "tst_Desktop.moc"
