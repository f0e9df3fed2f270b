// The window's commands, each with its key, made from the rows of CommandList: Start, pause, the
// next photon, stop, finish now, the pace and projector colours, the expected pattern, full
// screen, saving, copying and exporting, and the explanation of the picture. The same actions fill
// the context menu, where each entry shows its key. Each action is done by the slot named after it.
#pragma once

#include <QObject>
#include <QPointer>

class PictureActions;
class QAbstractButton;
class QAction;
class QMenu;
class QWidget;
class RunSession;

class WindowActions : public QObject {
    Q_OBJECT
public:
    // Adds the actions, and so their keys, to the window. F5 clicks `start`, as the mouse would.
    WindowActions(QWidget& window, RunSession& session, PictureActions& picture,
                  QAbstractButton& start);

    // The context menu, with what can be done now enabled.
    QMenu& menu();
    // Brings the entries' texts, checks and enabled states in line with the window.
    void refresh();

signals:
    // The pace was stepped by a key, for the window to show the new one.
    void paceChanged();

private slots:
    void on_startAction_triggered();
    void on_pauseAction_triggered();
    void on_nextPhotonAction_triggered();
    void on_stopAction_triggered();
    void on_finishAction_triggered();
    void on_slowerAction_triggered();
    void on_fasterAction_triggered();
    void on_projectorAction_toggled(bool on);
    void on_expectedAction_toggled(bool shown);
    void on_fullScreenAction_triggered();
    void on_leaveFullScreenAction_triggered();
    void on_saveAction_triggered();
    void on_copyAction_triggered();
    void on_exportAction_triggered();
    // D: the detector screen shown or hidden; Shift+D: its hits cleared.
    void on_detectorScreenAction_toggled(bool shown);
    void on_clearHitsAction_triggered();
    // F1: the explanation of the picture, in a window of its own that does not block this one.
    void on_aboutAction_triggered();
    // X: the experiment panel, opened or closed by the window.
    void on_experimentAction_toggled(bool open);

signals:
    void experimentPanelToggled(bool open);

private:
    void createActions();
    QAction* action(const char* name) const;
    void toggleFullScreen();

    QWidget& window_;
    RunSession& session_;
    PictureActions& picture_;
    QAbstractButton& start_;
    QMenu* menu_;
    QPointer<QWidget> about_;
};
