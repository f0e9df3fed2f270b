// The actions live on the window, so their keys work whether or not the menu is open; a disabled
// action's key does nothing.
#include "WindowActions.h"

#include "AboutText.h"
#include "CommandList.h"
#include "Scene.h"

#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QMenu>
#include <QRadioButton>
#include <QTextBrowser>
#include <QVBoxLayout>

WindowActions::WindowActions(QWidget& window, RunSession& session, PictureActions& picture,
                             QAbstractButton& start)
    : QObject(&window), window_(window), session_(session), picture_(picture), start_(start),
      menu_(new QMenu(&window)) {
    menu_->setObjectName(QStringLiteral("contextMenu"));
    createActions();
    connect(menu_, &QMenu::aboutToShow, this, &WindowActions::refresh);
    connect(qApp, &QApplication::focusChanged, this, &WindowActions::refresh);
    refresh();
}

void WindowActions::createActions() {
    for (const Command& command : CommandList::all()) {
        if (command.name == nullptr) {
            continue;
        }
        auto* action = new QAction(CommandList::text(command), this);
        action->setObjectName(QString::fromLatin1(command.name));
        QList<QKeySequence> keys;
        for (const QString& key : QString::fromLatin1(command.key).split(QStringLiteral(", "))) {
            keys << QKeySequence::fromString(key, QKeySequence::PortableText);
        }
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        action->setCheckable(command.checkable);
        connect(action, &QAction::triggered, this, command.handler);
        window_.addAction(action);
        if (command.text != nullptr) {
            if (command.startsGroup) {
                menu_->addSeparator();
            }
            menu_->addAction(action);
        }
    }
}

bool WindowActions::usesArrows(const QWidget* widget) {
    return qobject_cast<const QAbstractSpinBox*>(widget) != nullptr ||
           qobject_cast<const QComboBox*>(widget) != nullptr ||
           qobject_cast<const QAbstractSlider*>(widget) != nullptr ||
           qobject_cast<const QRadioButton*>(widget) != nullptr;
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
    // Checks set here call no command: the commands follow triggered(), a user's click or key.
    action("projectorAction")->setChecked(session_.projectorColours());
    action("exportAction")->setEnabled(picture_.hasData());
    action("expectedAction")->setChecked(session_.isExpectedShown());
    action("fullScreenAction")->setChecked(window_.isFullScreen());
    action("detectorScreenAction")->setChecked(screen.isShown());
    action("clearHitsAction")->setEnabled(screen.isShown());
    // The arrow keys move the probe unless the focused control uses them itself.
    const bool probed = session_.probeHeight().has_value();
    action("probeAction")->setChecked(probed);
    const bool arrowsFree = !usesArrows(QApplication::focusWidget());
    action("probeUpAction")->setEnabled(probed && arrowsFree);
    action("probeDownAction")->setEnabled(probed && arrowsFree);
    action("rulerAction")->setChecked(session_.ruler().has_value());
    action("fringeMarksAction")->setChecked(session_.fringeMarksShown());
    action("keepPatternAction")
        ->setEnabled(session_.lastFinished().expected.has_value() ||
                     (screen.isShown() && screen.count() > 0));
    action("clearPatternsAction")->setEnabled(!session_.snapshots().kept().empty());
    action("curtainAction")->setChecked(session_.isCurtainDrawn());
}

void WindowActions::stop(bool) {
    session_.stop();
    refresh();
}

void WindowActions::stepPace(int levels) {
    session_.setPaceLevel(session_.paceLevel() + levels);
    refresh();
    emit paceChanged();
}

void WindowActions::toggleFullScreen(bool) {
    window_.setWindowState(window_.windowState() ^ Qt::WindowFullScreen);
}

void WindowActions::escape(bool) {
    if (session_.probeHeight()) {
        showProbe(false);
    } else if (session_.ruler()) {
        showRuler(false);
    } else if (window_.isFullScreen()) {
        toggleFullScreen(false);
    }
}

void WindowActions::showProbe(bool shown) {
    session_.setProbe(shown ? std::optional(Scene::axisY) : std::nullopt);
    refresh();
}

void WindowActions::showRuler(bool shown) {
    session_.setRulerShown(shown);
    refresh();
}

void WindowActions::keepPattern(bool) {
    session_.keepSnapshot();
    refresh();
}

void WindowActions::clearPatterns(bool) {
    session_.clearSnapshots();
    refresh();
}

void WindowActions::moveProbe(double pixels) {
    if (const std::optional<double> y = session_.probeHeight()) {
        const bool far = QGuiApplication::keyboardModifiers() & Qt::ShiftModifier;
        session_.setProbe(*y + (far ? 10 : 1) * pixels);
    }
}

void WindowActions::showDetectorScreen(bool shown) {
    session_.setScreenShown(shown);
    refresh();
}

void WindowActions::about(bool) {
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
