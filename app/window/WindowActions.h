// The window's commands, each with its key, made from the rows of CommandList: Start, pause, the
// next photon, stop, finish now, the pace and projector colours, the expected pattern, full
// screen, saving, copying and exporting, and the explanation of the picture. The same actions fill
// the context menu, where each entry shows its key. Each action is done by the function its row
// names, and its effect is told through the run's status, once.
#pragma once

#include "PictureActions.h"
#include "RunSession.h"

#include <QAbstractButton>
#include <QObject>
#include <QPointer>

class QAction;
class QMenu;
class RunStatus;

class WindowActions : public QObject {
    Q_OBJECT
public:
    // Adds the actions, and so their keys, to the window. F5 clicks `start`, as the mouse would.
    // What a command did is told through `status` unless the session told it already.
    WindowActions(QWidget& window, RunSession& session, PictureActions& picture,
                  QAbstractButton& start, RunStatus& status);

    // The context menu, with what can be done now enabled.
    QMenu& menu();
    // Shows the menu at `at`, in global pixels; opened by a key, its first entry that can be
    // chosen has the focus, so that a screen reader speaks it at once.
    void popupMenu(QPoint at, bool byKeyboard);
    // Brings the entries' texts, checks and enabled states in line with the window.
    void refresh();

    // The commands, each connected to its action's triggered() by its row of CommandList;
    // `checked` is the action's check after the click, for a checkable one.
    void start(bool) { start_.click(); }
    void pause(bool);
    void nextPhoton(bool);
    void stop(bool);
    void finish(bool) { session_.finish(); }
    void slower(bool) { stepPace(1); }
    void faster(bool) { stepPace(-1); }
    void setProjectorColours(bool on);
    void showExpected(bool shown);
    void toggleFullScreen(bool);
    // Esc: the arrow probe removed, or else the ruler, or else full screen left.
    void escape(bool);
    void save(bool) { picture_.requestSave(); }
    void copy(bool) { picture_.copyPicture(); }
    void exportData(bool) { picture_.requestExport(); }
    // D: the detector screen shown or hidden; Shift+D: its hits cleared.
    void showDetectorScreen(bool shown);
    void clearHits(bool);
    // A: the arrow probe on the axis, or removed; the arrow keys move it a pixel, with Shift ten.
    void showProbe(bool shown);
    void probeUp(bool) { moveProbe(-1); }
    void probeDown(bool) { moveProbe(1); }
    // R: the ruler along the detector, or removed; L: the fringe marks beside the pattern.
    void showRuler(bool shown);
    void showFringeMarks(bool shown);
    // K keeps the pattern to compare, Shift+K clears the kept ones; C draws the curtain.
    void keepPattern(bool);
    void clearPatterns(bool);
    void drawCurtain(bool drawn);
    // F1: the explanation of the picture, in a window of its own that does not block this one.
    void about(bool);
    // X: the experiment panel, opened or closed by the window.
    void openExperiment(bool open) { emit experimentPanelToggled(open); }
    // Ctrl+O and Ctrl+Shift+S: a setup file opened or saved by whoever reads and writes them.
    void openSetup(bool) { emit setupOpenRequested(); }
    void saveSetup(bool) { emit setupSaveRequested(); }
    // Shift+F10: the menu, by the control that has the focus.
    void openMenu(bool);

signals:
    // The pace was stepped by a key, for the window to show the new one.
    void paceChanged();
    void experimentPanelToggled(bool open);
    void setupOpenRequested();
    void setupSaveRequested();

private:
    void createActions();
    QAction* action(const char* name) const;
    // Whether the control moves or chooses with the arrow keys.
    static bool usesArrows(const QWidget* widget);
    // Slower (+1) or faster (-1) by one level of RunPacer::levels.
    void stepPace(int levels);
    void moveProbe(double pixels);
    // Tells `effect` unless something was told since the status had told `before` things.
    void tellUnlessTold(int before, const QString& effect);

    QWidget& window_;
    RunSession& session_;
    PictureActions& picture_;
    QAbstractButton& start_;
    RunStatus& status_;
    QMenu* menu_;
    QPointer<QWidget> about_;
};
