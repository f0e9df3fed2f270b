// The window's setup files: Open setup (Ctrl+O) applies a file as if each of its settings were
// set by hand, Save setup (Ctrl+Shift+S) writes what is set now, and the menu offers the lessons
// and the setups opened lately. A lesson's question, or a teacher's own, is shown as it opens.
#pragma once

#include "CommandLine.h"

#include <QCoreApplication>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class QMenu;
class QMessageBox;
class frmSlitwise;

class SetupCommands : public QObject {
    Q_OBJECT
public:
    // How many setups the menu of recent ones keeps.
    static constexpr int recentCount = 5;

    // Answers the window's Open setup and Save setup, and adds the Lessons and Recent setups
    // menus to its context menu.
    explicit SetupCommands(frmSlitwise& window);

    // Reads the setup and applies it, with what `options` were given over its keys. A setup that
    // cannot be read changes nothing and says why in a message; a question or a skipped key is
    // shown in one too. Returns whether it was applied.
    bool open(const QString& path, const CommandLine& options = {});
    // Writes the setup of the window as it is now; a failure is said in a message and keeps any
    // file that was there.
    bool save(const QString& path);
    // The text save() writes.
    QByteArray currentText() const;
    // The setups opened lately, the latest first.
    static QStringList recent();

private:
    void requestOpen();
    void requestSave();
    // The settings of the experiment and the run are held until a run ends; what only changes
    // how the window shows things is done at once.
    void apply(const CommandLine& setup);
    void applyView(const SetupView& view);
    void remember(const QString& path);
    void fillRecent();
    void showMessage(bool warning, const QString& text);

    frmSlitwise& window_;
    QMenu* lessons_;
    QMenu* recent_;
    QPointer<QMessageBox> message_; // a new one replaces it
};
