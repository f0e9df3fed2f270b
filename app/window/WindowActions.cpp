// The actions live on the window, so their keys work whether or not the menu is open; a disabled
// action's key does nothing.
#include "WindowActions.h"

#include "AboutText.h"
#include "PictureActions.h"
#include "frmSlitwise.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QTextBrowser>
#include <QVBoxLayout>

WindowActions::WindowActions(frmSlitwise& window)
    : QObject(&window), window_(window), menu_(new QMenu(&window)) {
    menu_->setObjectName(QStringLiteral("contextMenu"));
    connect(add("startAction", tr("Start"), QKeySequence(Qt::Key_F5)), &QAction::triggered, this,
            [this] { window_.findChild<QAbstractButton*>(QStringLiteral("cmdStart"))->click(); });
    pause_ = add("pauseAction", tr("Pause"), QKeySequence(Qt::Key_P));
    connect(pause_, &QAction::triggered, &window_, &frmSlitwise::togglePause);
    next_ = add("nextPhotonAction", tr("Next photon"), QKeySequence(Qt::Key_N));
    connect(next_, &QAction::triggered, &window_, &frmSlitwise::nextPhoton);
    expected_ = add("expectedAction", tr("Show expected pattern"), QKeySequence(Qt::Key_E));
    expected_->setCheckable(true);
    connect(expected_, &QAction::toggled, &window_, &frmSlitwise::setExpectedShown);
    fullScreen_ = add("fullScreenAction", tr("Full screen"), QKeySequence(Qt::Key_F11));
    fullScreen_->setCheckable(true);
    connect(fullScreen_, &QAction::triggered, &window_, &frmSlitwise::toggleFullScreen);
    menu_->addSeparator();
    connect(add("saveAction", tr("Save picture…"), QKeySequence::Save), &QAction::triggered,
            &window_.pictureActions(), &PictureActions::requestSave);
    connect(add("copyAction", tr("Copy picture"), QKeySequence::Copy), &QAction::triggered,
            &window_.pictureActions(), &PictureActions::copyPicture);
    export_ = add("exportAction", tr("Export data…"), QKeySequence(Qt::CTRL | Qt::Key_E));
    connect(export_, &QAction::triggered, &window_.pictureActions(),
            &PictureActions::requestExport);
    menu_->addSeparator();
    connect(add("aboutAction", tr("About this picture"), QKeySequence::HelpContents),
            &QAction::triggered, this, &WindowActions::showAbout);
    // Esc leaves full screen; it is no entry of the menu.
    auto* leave = new QAction(&window_);
    leave->setObjectName(QStringLiteral("leaveFullScreenAction"));
    leave->setShortcut(QKeySequence(Qt::Key_Escape));
    leave->setShortcutContext(Qt::WindowShortcut);
    window_.addAction(leave);
    connect(leave, &QAction::triggered, this, [this] {
        if (window_.isFullScreen()) {
            window_.toggleFullScreen();
        }
    });
    connect(menu_, &QMenu::aboutToShow, this, &WindowActions::refresh);
    refresh();
}

QAction* WindowActions::add(const char* objectName, const QString& text, const QKeySequence& key) {
    auto* action = new QAction(text, &window_);
    action->setObjectName(QString::fromLatin1(objectName));
    action->setShortcut(key);
    action->setShortcutContext(Qt::WindowShortcut);
    window_.addAction(action);
    menu_->addAction(action);
    return action;
}

QMenu& WindowActions::menu() {
    refresh();
    return *menu_;
}

void WindowActions::refresh() {
    pause_->setEnabled(window_.isRunning());
    pause_->setText(window_.isPaused() ? tr("Resume") : tr("Pause"));
    next_->setEnabled(window_.isPaused());
    export_->setEnabled(window_.pictureActions().hasData());
    // Set without a signal: the window is already as the check says.
    const QSignalBlocker blockExpected(expected_);
    expected_->setChecked(window_.isExpectedShown());
    fullScreen_->setChecked(window_.isFullScreen());
}

void WindowActions::showAbout() {
    if (!about_) {
        auto* dialog = new QDialog(&window_);
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
