// The actions live on the window, so their keys work whether or not the menu is open; a disabled
// action's key does nothing. The pace keys stay enabled, to say so at either end.
#include "WindowActions.h"

#include "AboutText.h"
#include "CommandList.h"
#include "RunDisplay.h"
#include "RunStatus.h"
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
                             QAbstractButton& start, RunStatus& status)
    : QObject(&window), window_(window), session_(session), picture_(picture), start_(start),
      status_(status), menu_(new QMenu(&window)) {
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

void WindowActions::popupMenu(QPoint at, bool byKeyboard) {
    menu().popup(at);
    if (!byKeyboard) {
        return;
    }
    for (QAction* entry : menu_->actions()) {
        if (!entry->isSeparator() && entry->isEnabled()) {
            menu_->setActiveAction(entry);
            return;
        }
    }
}

void WindowActions::openMenu(bool) {
    const QWidget* focus = window_.focusWidget() != nullptr ? window_.focusWidget() : &window_;
    popupMenu(focus->mapToGlobal(focus->rect().center()), true);
}

void WindowActions::tellUnlessTold(int before, const QString& effect) {
    if (status_.told() == before) {
        status_.set(effect);
    }
}

void WindowActions::pause(bool) {
    // A run's pause is told by the session as its state; the screen's hits alone are told here.
    const int before = status_.told();
    session_.togglePause();
    tellUnlessTold(before, session_.screen().isPaused() ? tr("Detector screen held")
                                                        : tr("Detector screen resumed"));
}

void WindowActions::nextPhoton(bool) {
    const int before = status_.told();
    session_.nextPhoton();
    tellUnlessTold(before, RunDisplay::stepText(session_));
}

void WindowActions::stop(bool) {
    const int before = status_.told();
    session_.stop();
    refresh();
    tellUnlessTold(before, tr("Detector screen stopped"));
}

void WindowActions::stepPace(int levels) {
    const int level = session_.paceLevel() + levels;
    if (level < 0 || level >= RunPacer::levelCount) {
        status_.set(levels < 0 ? tr("Already the fastest pace") : tr("Already the slowest pace"));
        return;
    }
    session_.setPaceLevel(level);
    refresh();
    emit paceChanged();
    status_.set(RunDisplay::paceText(session_));
}

void WindowActions::setProjectorColours(bool on) {
    session_.setProjectorColours(on);
    status_.set(on ? tr("Projector colours on") : tr("Projector colours off"));
}

void WindowActions::showExpected(bool shown) {
    session_.setExpectedShown(shown);
    status_.set(shown ? tr("Expected pattern shown") : tr("Expected pattern hidden"));
}

void WindowActions::toggleFullScreen(bool) {
    window_.setWindowState(window_.windowState() ^ Qt::WindowFullScreen);
    status_.set(window_.isFullScreen() ? tr("Full screen") : tr("Full screen left"));
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
    const ArrowProbe* probe = session_.probe();
    status_.set(probe != nullptr ? ProbeLayer::readout(*probe).join(QStringLiteral("; "))
                                 : tr("Arrow probe removed"));
}

void WindowActions::showRuler(bool shown) {
    session_.setRulerShown(shown);
    refresh();
    const std::optional<Ruler>& ruler = session_.ruler();
    status_.set(ruler ? MeasureLayer::rulerText(*ruler) : tr("Ruler removed"));
}

void WindowActions::showFringeMarks(bool shown) {
    session_.setFringeMarksShown(shown);
    status_.set(shown ? session_.measures().fringesText() : tr("Fringe marks removed"));
}

void WindowActions::keepPattern(bool) {
    const bool kept = session_.keepSnapshot();
    refresh();
    status_.set(kept ? session_.snapshots().legend().constLast() : tr("No pattern to keep yet"));
}

void WindowActions::clearPatterns(bool) {
    session_.clearSnapshots();
    refresh();
    status_.set(tr("Kept patterns cleared"));
}

void WindowActions::drawCurtain(bool drawn) {
    session_.setCurtain(drawn);
    status_.set(drawn ? CurtainLayer::question() : tr("Curtain opened"));
}

void WindowActions::moveProbe(double pixels) {
    if (const std::optional<double> y = session_.probeHeight()) {
        const bool far = QGuiApplication::keyboardModifiers() & Qt::ShiftModifier;
        session_.setProbe(*y + (far ? 10 : 1) * pixels);
    }
}

void WindowActions::showDetectorScreen(bool shown) {
    // A screen shown is told by its stage, at its first hit or at once when none is due.
    session_.setScreenShown(shown);
    refresh();
    if (!shown) {
        status_.set(tr("Detector screen hidden"));
    }
}

void WindowActions::clearHits(bool) {
    // Told by the screen's stage, as when it is shown.
    session_.clearScreen();
}

void WindowActions::about(bool) {
    if (!about_) {
        auto* dialog = new QDialog(&window_);
        dialog->setFont(window_.font()); // at the window's zoom
        dialog->setObjectName(QStringLiteral("aboutWindow"));
        dialog->setWindowTitle(tr("About this picture"));
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        auto* text = new QTextBrowser(dialog);
        text->setAccessibleName(dialog->windowTitle());
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
