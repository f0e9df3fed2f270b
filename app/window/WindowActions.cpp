// The actions live on the window, so their keys work whether or not the menu is open; a disabled
// action's key does nothing.
#include "WindowActions.h"

#include "AboutText.h"
#include "CommandList.h"
#include "PictureActions.h"
#include "RunSession.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QTextBrowser>
#include <QVBoxLayout>

WindowActions::WindowActions(QWidget& window, RunSession& session, PictureActions& picture,
                             QAbstractButton& start)
    : QObject(&window), window_(window), session_(session), picture_(picture), start_(start),
      menu_(new QMenu(&window)) {
    menu_->setObjectName(QStringLiteral("contextMenu"));
    createActions();
    QMetaObject::connectSlotsByName(this);
    connect(menu_, &QMenu::aboutToShow, this, &WindowActions::refresh);
    refresh();
}

void WindowActions::createActions() {
    for (const Command& command : CommandList::all()) {
        if (command.name == nullptr) {
            continue;
        }
        auto* action = new QAction(CommandList::text(command), this);
        action->setObjectName(QString::fromLatin1(command.name));
        action->setShortcut(
            QKeySequence::fromString(QString::fromLatin1(command.key), QKeySequence::PortableText));
        action->setShortcutContext(Qt::WindowShortcut);
        action->setCheckable(command.checkable);
        window_.addAction(action);
        if (command.text != nullptr) {
            if (command.startsGroup) {
                menu_->addSeparator();
            }
            menu_->addAction(action);
        }
    }
}

QAction* WindowActions::action(const char* name) const {
    return findChild<QAction*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

QMenu& WindowActions::menu() {
    refresh();
    return *menu_;
}

void WindowActions::refresh() {
    const DetectorScreen& screen = session_.screen();
    QAction* pause = action("pauseAction");
    pause->setEnabled(session_.isRunning() || screen.isShown());
    pause->setText(session_.isAnythingPaused() ? tr("Resume") : tr("Pause"));
    action("nextPhotonAction")->setEnabled(session_.isPaused());
    action("stopAction")->setEnabled(session_.isAnythingGoing());
    action("finishAction")->setEnabled(session_.isRunning());
    action("slowerAction")->setEnabled(session_.paceLevel() < RunPacer::levelCount - 1);
    action("fasterAction")->setEnabled(session_.paceLevel() > 0);
    QAction* projector = action("projectorAction");
    const QSignalBlocker blockProjector(projector);
    projector->setChecked(session_.projectorColours());
    action("exportAction")->setEnabled(picture_.hasData());
    // Set without a signal: the window is already as the check says.
    QAction* expected = action("expectedAction");
    const QSignalBlocker blockExpected(expected);
    expected->setChecked(session_.isExpectedShown());
    action("fullScreenAction")->setChecked(window_.isFullScreen());
    QAction* shown = action("detectorScreenAction");
    const QSignalBlocker blockShown(shown);
    shown->setChecked(screen.isShown());
    action("clearHitsAction")->setEnabled(screen.isShown());
}

void WindowActions::toggleFullScreen() {
    window_.setWindowState(window_.windowState() ^ Qt::WindowFullScreen);
}

void WindowActions::on_startAction_triggered() {
    start_.click();
}

void WindowActions::on_pauseAction_triggered() {
    session_.togglePause();
}

void WindowActions::on_nextPhotonAction_triggered() {
    session_.nextPhoton();
}

void WindowActions::on_stopAction_triggered() {
    session_.stop();
    refresh();
}

void WindowActions::on_finishAction_triggered() {
    session_.finish();
}

void WindowActions::on_slowerAction_triggered() {
    session_.setPaceLevel(session_.paceLevel() + 1);
    refresh();
    emit paceChanged();
}

void WindowActions::on_fasterAction_triggered() {
    session_.setPaceLevel(session_.paceLevel() - 1);
    refresh();
    emit paceChanged();
}

void WindowActions::on_projectorAction_toggled(bool on) {
    session_.setProjectorColours(on);
}

void WindowActions::on_expectedAction_toggled(bool shown) {
    session_.setExpectedShown(shown);
}

void WindowActions::on_fullScreenAction_triggered() {
    toggleFullScreen();
}

void WindowActions::on_leaveFullScreenAction_triggered() {
    if (window_.isFullScreen()) {
        toggleFullScreen();
    }
}

void WindowActions::on_saveAction_triggered() {
    picture_.requestSave();
}

void WindowActions::on_copyAction_triggered() {
    picture_.copyPicture();
}

void WindowActions::on_exportAction_triggered() {
    picture_.requestExport();
}

void WindowActions::on_detectorScreenAction_toggled(bool shown) {
    session_.setScreenShown(shown);
    refresh();
}

void WindowActions::on_clearHitsAction_triggered() {
    session_.clearScreen();
}

void WindowActions::on_experimentAction_toggled(bool open) {
    emit experimentPanelToggled(open);
}

void WindowActions::on_aboutAction_triggered() {
    if (!about_) {
        auto* dialog = new QDialog(&window_);
        dialog->setFont(window_.font()); // at the window's zoom
        dialog->setObjectName(QStringLiteral("aboutWindow"));
        dialog->setWindowTitle(tr("About this picture"));
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        auto* text = new QTextBrowser(dialog);
        text->setOpenExternalLinks(true);
        text->setHtml(AboutText::html());
        auto* layout = new QVBoxLayout(dialog);
        layout->addWidget(text);
        dialog->resize(560, 640);
        about_ = dialog;
    }
    about_->show();
    about_->raise();
    about_->activateWindow();
}
