// The one window: its controls built from the control table, the load handler, the setting
// handlers and Start, and the kept picture of its run session, which it copies to the screen.
// Everything in it grows and shrinks with the window by one zoom.
#pragma once

#include "ControlTable.h"
#include "FormFields.h"
#include "RunSession.h"
#include "SettingsStore.h"

#include <QHash>
#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>

class ExperimentPanel;
class KeyboardHandling;
class PictureActions;
class PictureCanvas;
class QLabel;
class QLineEdit;
class QMessageBox;
class RunDisplay;
class RunStatus;
class WindowActions;
class ZoomStyle;

class frmSlitwise : public QWidget {
    Q_OBJECT
public:
    // Without a seed the random generator is seeded from the clock.
    explicit frmSlitwise(std::optional<std::uint64_t> seed = std::nullopt);
    ~frmSlitwise() override;

    // The settings, which the hidden setting fields and the captions show.
    SettingsStore& settings() { return settings_; }
    const SettingsStore& settings() const { return settings_; }

    // The runs, their picture and everything else about them.
    RunSession& session() { return session_; }
    const RunSession& session() const { return session_; }
    // The zoom of the window's content, and where its top-left stands.
    double zoom() const { return zoom_; }
    QPoint origin() const;
    // Sets the zoom whatever the window's size, and makes the picture at it now: for a window
    // that is never shown.
    void zoomTo(double zoom);
    PictureActions& pictureActions() { return *pictureActions_; }
    WindowActions& windowActions() { return *windowActions_; }
    // The picture as saved, copied and rendered: the drawing area at the window's zoom, with the
    // captions shown on it and the expected pattern while it is shown.
    QImage composedPicture();
    // The same for any session and its settings at a zoom, with the captions `shown` says: for a
    // picture made without a window.
    static QImage composedPicture(RunSession& session, const FormFields& settings, double zoom,
                                  const std::function<bool(CaptionField)>& shown);

    // The handlers, each named after its control and event.
    void Form_Load();
    void cmdStart_Click();
    void cmdUnload_Click();
    void opFot1_Click();
    void opFot5_Click();
    void opFot10_Click();
    void op50_Click();
    void opFot100_Click();
    void opfot500_Click();
    void opRychlá_Click();
    void opPomalejší_Click();
    void opPomalá_Click();
    void HScroll1_Change();
    // The slowdown as the bar showed it when moved; a move held during a run keeps its value.
    void HScroll1_Change(int value);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    using Handler = void (frmSlitwise::*)();

    void createControls();
    void connectHandlers();
    void connectSession();
    void applyZoom(double zoom);
    // The captions that follow the apparatus of the picture shown, or of the settings before
    // anything is drawn: the detector's over its line, the shield's naming its slits.
    void placeApparatusCaptions();
    // The detector caption's row, over the detector line of the session's picture, or of the
    // settings before anything is drawn.
    static ControlRow detectorCaption(const RunSession& session, const FormFields& settings);
    // The shield caption's text for the slits of the session's picture, or of the settings.
    static QString shieldCaption(const RunSession& session, const FormFields& settings);
    // Opens or closes the experiment panel below the picture; a window in its normal state grows
    // or shrinks by it, so that the picture keeps its size.
    void showExperiment(bool open);
    // Design pixels of controls below the picture: the experiment panel's while it is open.
    int belowPicture() const;
    // Runs the handler now, or after the run when one is in progress.
    void dispatch(Handler handler);
    // The run's state, for the window's description and for screen readers, wherever the focus
    // is, for the paused caption and for the menu.
    void showRunState(const QString& state);
    // The paused caption, the run's lines with the screen's counter, and the menu brought in
    // line with the detector screen.
    void showScreen();
    // A message the window shows without waiting for it to be read, one at a time: a bad
    // setting, a failed save. It carries the object name for tests and screen readers to find.
    void showMessage(const QString& objectName, const QString& message);
    // A handler's write: the text of the setting's hidden field, which the settings follow.
    void setText(SettingField which, const QString& text);
    // The hidden fields and the captions kept in step with the settings, both ways.
    void bindSettings();
    QLineEdit* field(const QString& name) const;
    QLineEdit* field(SettingField which) const { return field(FormFields::name(which)); }

    QHash<QString, QWidget*> controls_;
    KeyboardHandling* keyboard_;
    ZoomStyle* style_; // the option buttons' look at the zoom, the scroll bar's focus frame
    SettingsStore settings_;
    RunSession session_;
    PictureCanvas* canvas_; // the drawing area, under every control
    PictureActions* pictureActions_;
    WindowActions* windowActions_ = nullptr;
    ExperimentPanel* experiment_ = nullptr;
    RunStatus* status_ = nullptr; // the run's state, for screen readers
    QLabel* pausedCaption_ = nullptr;
    // Progress, pace, the followed photon and the hits, below the picture.
    RunDisplay* runDisplay_ = nullptr;
    QPointer<QMessageBox> message_; // not modal to the application; a new one replaces it
    double zoom_ = 1.0;
};
