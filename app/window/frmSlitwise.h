// The one window: its controls built from the control table, the load handler, the setting
// handlers and Start, and the kept picture it copies to the screen. Everything in it grows and
// shrinks with the window by one zoom.
#pragma once

#include "FormFields.h"
#include "HeldClicks.h"
#include "ImageSurface.h"
#include "PictureView.h"
#include "RandomGenerator.h"
#include "RunPacer.h"
#include "WindowMessage.h"

#include <QHash>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class KeyboardHandling;
class PictureActions;
class RunStatus;
class PhotonRun;
class QLabel;
class QLineEdit;
class WindowActions;
class ZoomStyle;

class frmSlitwise : public QWidget, public FormFields {
    Q_OBJECT
public:
    // Without a seed the random generator is seeded from the clock.
    explicit frmSlitwise(std::optional<std::uint64_t> seed = std::nullopt);
    ~frmSlitwise() override;

    QString text(SettingField field) const override;
    void setText(SettingField field, const QString& text) override;
    void showCaption(CaptionField field) override;

    bool isRunning() const;
    // Does the rest of the current run at once, without the timer, and any redraw first.
    void finishRun();
    const ImageSurface& surface() const { return picture_.surface(); }
    PictureView& picture() { return picture_; }
    // The zoom of the window's content, and where its top-left stands.
    double zoom() const { return zoom_; }
    QPoint origin() const;
    // Sets the zoom whatever the window's size, and makes the picture at it now: for a window
    // that is never shown.
    void zoomTo(double zoom);
    RunPacer& pacer() { return pacer_; }
    std::uint64_t seed() const { return random_.seed(); }

    PictureActions& pictureActions() { return *pictureActions_; }
    WindowActions& windowActions() { return *windowActions_; }

    // P: holds the run where it is, or lets it go on. A paused run is still a run: clicks are
    // held, and Exit and the window's close act at once.
    void togglePause();
    bool isPaused() const;
    // N while paused: the next photon, and after a dot's last photon its bar and sum arrow.
    void nextPhoton();
    // E: the expected pattern over the picture, on or off; the choice lasts across runs.
    void setExpectedShown(bool shown);
    bool isExpectedShown() const { return expectedShown_; }
    void toggleFullScreen();
    // The picture as saved, copied and rendered: the drawing area at the window's zoom, with the
    // captions shown on it and the expected pattern while it is shown.
    QImage composedPicture();
    // A message the window shows without waiting for it to be read: a bad setting, a failed save.
    void showMessage(const QString& objectName, const QString& message);

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

signals:
    void runFinished();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    using Handler = void (frmSlitwise::*)();

    void createControls();
    void connectHandlers();
    void connectPicture();
    void applyZoom(double zoom);
    // Runs the handler now, or after the run when one is in progress.
    void dispatch(Handler handler);
    void runEnded(const QString& state);
    // The run's state, for the window's description and for screen readers, wherever the
    // focus is: "Run in progress", "Run paused", "Run finished" or why it failed.
    void setRunState(const QString& state);
    QLineEdit* field(const QString& name) const;
    QLineEdit* field(SettingField which) const { return field(FormFields::name(which)); }

    QHash<QString, QWidget*> controls_;
    KeyboardHandling* keyboard_;
    ZoomStyle* style_; // the option buttons' look at the zoom, the scroll bar's focus frame
    PictureActions* pictureActions_;
    WindowActions* windowActions_ = nullptr;
    RunStatus* status_ = nullptr; // the run's state, for screen readers
    QLabel* pausedCaption_ = nullptr;
    bool expectedShown_ = false;
    double zoom_ = 1.0;
    PictureView picture_;
    RandomGenerator random_;
    std::unique_ptr<PhotonRun> run_;
    RunPacer pacer_;
    HeldClicks held_;
    WindowMessage message_;
};
