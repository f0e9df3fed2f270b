// The window's commands, each with its key: Start, pause and the next photon, the expected
// pattern, full screen, saving, copying and exporting, and the explanation of the picture. The
// same actions fill the context menu, where each entry shows its key.
#pragma once

#include <QObject>
#include <QPointer>

class QAction;
class QMenu;
class QWidget;
class frmSlitwise;

class WindowActions : public QObject {
    Q_OBJECT
public:
    // Adds the actions, and so their keys, to the window.
    explicit WindowActions(frmSlitwise& window);

    // The context menu, with what can be done now enabled.
    QMenu& menu();
    // Brings the entries' texts, checks and enabled states in line with the window.
    void refresh();
    // F1: the explanation of the picture, in a window of its own that does not block this one.
    void showAbout();

private:
    QAction* add(const char* objectName, const QString& text, const QKeySequence& key);

    frmSlitwise& window_;
    QMenu* menu_;
    QAction* pause_;
    QAction* next_;
    QAction* expected_;
    QAction* fullScreen_;
    QAction* export_;
    QPointer<QWidget> about_;
};
