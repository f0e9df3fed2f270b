// The photons per dot and the slowdown are set through their own controls, so that the buttons
// and the scroll bar show what the setup chose; the rest through the settings the panel writes.
#include "SetupCommands.h"

#include "CommandList.h"
#include "Conversion.h"
#include "ExperimentPanel.h"
#include "Lessons.h"
#include "PictureExport.h"
#include "SetupFile.h"
#include "WindowActions.h"
#include "frmSlitwise.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QScrollBar>
#include <QSettings>

namespace {

// The photons-per-dot buttons, whose rows give their photons.
constexpr const char* photonButtons[] = {"opFot1", "opFot5",   "opFot10",
                                         "op50",   "opFot100", "opfot500"};
const QString recentKey = QStringLiteral("recentSetups");

// The list of recent setups, kept for the user between sessions.
QSettings kept() {
    return QSettings(QStringLiteral("slitwise"), QStringLiteral("slitwise"));
}

QString filter() {
    return SetupCommands::tr("Slitwise setups (*.%1)").arg(SetupFile::suffix);
}

} // namespace

SetupCommands::SetupCommands(frmSlitwise& window)
    : QObject(&window), window_(window), lessons_(new QMenu(tr("Lessons"), &window)),
      recent_(new QMenu(tr("Recent setups"), &window)) {
    lessons_->setObjectName(QStringLiteral("lessonsMenu"));
    recent_->setObjectName(QStringLiteral("recentSetupsMenu"));
    for (const Lesson& lesson : Lessons::all()) {
        connect(lessons_->addAction(Lessons::title(lesson)), &QAction::triggered, this,
                [this, &lesson] { open(Lessons::path(lesson)); });
    }
    WindowActions& actions = window.windowActions();
    QMenu& menu = actions.menu();
    QAction* save = window.findChild<QAction*>(QStringLiteral("saveSetupAction"));
    menu.insertMenu(save, lessons_);
    menu.insertMenu(save, recent_);
    connect(&menu, &QMenu::aboutToShow, this, &SetupCommands::fillRecent);
    connect(&actions, &WindowActions::setupOpenRequested, this, &SetupCommands::requestOpen);
    connect(&actions, &WindowActions::setupSaveRequested, this, &SetupCommands::requestSave);
    fillRecent();
}

void SetupCommands::requestOpen() {
    auto* dialog = new QFileDialog(&window_, tr("Open setup"), QDir::currentPath(), filter());
    dialog->setObjectName(QStringLiteral("openSetupDialog"));
    dialog->setFont(window_.font()); // at the window's zoom
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString& path) { open(path); });
    dialog->open();
}

void SetupCommands::requestSave() {
    auto* dialog = new QFileDialog(
        &window_, tr("Save setup"),
        QDir::current().filePath(QStringLiteral("lesson.") + SetupFile::suffix), filter());
    dialog->setObjectName(QStringLiteral("saveSetupDialog"));
    dialog->setFont(window_.font());
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(SetupFile::suffix);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString& path) { save(path); });
    dialog->open();
}

bool SetupCommands::open(const QString& path, const CommandLine& options) {
    QStringList notes;
    const CommandLine setup = SetupFile::read(path, notes);
    if (!setup.error.isEmpty()) {
        showMessage(true, setup.error);
        return false;
    }
    CommandLine line = options;
    line.takeSetup(setup);
    apply(line);
    if (!path.startsWith(QLatin1Char(':'))) {
        remember(path);
    }
    const bool warning = !notes.isEmpty();
    if (!setup.view.question.isEmpty()) {
        notes << Lessons::question(setup.view.question);
    }
    if (!notes.isEmpty()) {
        showMessage(warning, notes.join(QStringLiteral("\n\n")));
    }
    return true;
}

void SetupCommands::apply(const CommandLine& setup) {
    RunSession& session = window_.session();
    session.act([this, setup, &session] {
        SettingsStore& settings = window_.settings();
        // A key left out keeps its start-up value, so that a setup is always one experiment.
        for (const FormFields::Setting& setting : FormFields::settings) {
            if (setting.isExperiment()) {
                settings.setText(setting.field, Conversion::toText(setting.startUp));
            }
        }
        setup.applyExperiment(settings);
        for (const char* name : photonButtons) {
            if (ControlTable::photonsOf(name) == setup.photons) {
                window_.findChild<QAbstractButton*>(QString::fromUtf8(name))->setChecked(true);
            }
        }
        settings.setText(SettingField::PhotonsPerDot, Conversion::toText(setup.photons));
        window_.findChild<QScrollBar*>(QStringLiteral("HScroll1"))->setValue(setup.slowdown);
        settings.setText(SettingField::Slowdown, Conversion::toText(setup.slowdown));
        if (setup.seed) {
            session.setSeed(*setup.seed);
        }
    });
    applyView(setup.view);
}

void SetupCommands::applyView(const SetupView& view) {
    WindowActions& actions = window_.windowActions();
    RunSession& session = window_.session();
    if (view.expected) {
        actions.showExpected(*view.expected);
    }
    if (view.projectorColours) {
        actions.setProjectorColours(*view.projectorColours);
    }
    if (view.pace) {
        session.setPaceLevel(*view.pace);
        emit actions.paceChanged();
    }
    const auto* panel = window_.findChild<ExperimentPanel*>();
    if (view.panel && *view.panel != (panel != nullptr && panel->isOpen())) {
        actions.openExperiment(*view.panel);
    }
    if (view.screen && *view.screen != session.screen().isShown()) {
        actions.showDetectorScreen(*view.screen);
    }
    if (view.fullScreen && *view.fullScreen != window_.isFullScreen()) {
        actions.toggleFullScreen(true);
    }
    actions.refresh();
}

QByteArray SetupCommands::currentText() const {
    const RunSession& session = window_.session();
    const auto* panel = window_.findChild<ExperimentPanel*>();
    SetupView view;
    view.expected = session.isExpectedShown();
    view.pace = session.paceLevel();
    view.projectorColours = session.projectorColours();
    view.panel = panel != nullptr && panel->isOpen();
    view.screen = session.screen().isShown();
    view.fullScreen = window_.isFullScreen();
    return SetupFile::text(window_.settings(), session.seed(), view);
}

bool SetupCommands::save(const QString& path) {
    QString why;
    if (!PictureExport::write(currentText(), path, &why)) {
        showMessage(true, tr("The setup could not be saved to \"%1\": %2.").arg(path, why));
        return false;
    }
    remember(path);
    return true;
}

QStringList SetupCommands::recent() {
    return kept().value(recentKey).toStringList();
}

void SetupCommands::remember(const QString& path) {
    QStringList paths = recent();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    paths.removeAll(absolute);
    paths.prepend(absolute);
    kept().setValue(recentKey, paths.mid(0, recentCount));
}

void SetupCommands::fillRecent() {
    recent_->clear();
    const QStringList paths = recent();
    for (const QString& path : paths) {
        QAction* action = recent_->addAction(QFileInfo(path).fileName());
        action->setToolTip(path);
        connect(action, &QAction::triggered, this, [this, path] { open(path); });
    }
    recent_->setEnabled(!paths.isEmpty());
}

void SetupCommands::showMessage(bool warning, const QString& text) {
    if (message_) {
        message_->close();
    }
    message_ = new QMessageBox(warning ? QMessageBox::Warning : QMessageBox::Information,
                               QStringLiteral("Slitwise"), text, QMessageBox::Ok, &window_);
    message_->setObjectName(QStringLiteral("setupMessage"));
    message_->setFont(window_.font()); // at the window's zoom
    message_->setAttribute(Qt::WA_DeleteOnClose);
    message_->setWindowModality(Qt::WindowModal);
    message_->open();
}
