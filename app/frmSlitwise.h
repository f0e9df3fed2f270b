// The one window: its controls built from the control table, the load handler, the setting
// handlers and Start, and the kept picture it copies to the screen. Everything in it grows and
// shrinks with the window by one zoom.
#pragma once

#include "FormFields.h"
#include "ImageSurface.h"
#include "PictureView.h"
#include "RandomGenerator.h"
#include "RunPacer.h"

#include <QHash>
#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>

class KeyboardHandling;
class PictureActions;
class RunStatus;
class ZoomStyle;
class PhotonRun;
class QLineEdit;
class QMessageBox;

class frmSlitwise : public QWidget, public FormFields {
    Q_OBJECT
public:
    static constexpr const char* address = "https://slitwise.example.org";

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

    PictureActions& pictureActions() { return *actions_; }
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

private:
    using Handler = void (frmSlitwise::*)();

    void createControls();
    void connectHandlers();
    void connectPicture();
    void applyZoom(double zoom);
    void toggleFullScreen();
    // Runs the handler now, or after the run when one is in progress.
    void dispatch(Handler handler);
    // Keeps a click made during a run for when it has ended.
    void hold(std::function<void()> handler, bool isStart);
    void runEnded(const QString& state = QStringLiteral("Run finished"));
    QLineEdit* field(const QString& name) const;
    QLineEdit* field(SettingField which) const { return field(FormFields::name(which)); }

    QHash<QString, QWidget*> controls_;
    KeyboardHandling* keyboard_;
    ZoomStyle* style_; // the option buttons' look at the zoom, the scroll bar's focus frame
    PictureActions* actions_;
    RunStatus* status_ = nullptr; // the run's state, for screen readers
    double zoom_ = 1.0;
    PictureView picture_;
    RandomGenerator random_;
    std::unique_ptr<PhotonRun> run_;
    RunPacer pacer_;
    // A click made during a run, held until the run has ended.
    struct HeldClick {
        std::function<void()> handler;
        bool isStart = false;
    };
    // Clicks made during a run, in order. Starts in a row with no other click between them are
    // held as one.
    std::deque<HeldClick> pending_;
    QPointer<QMessageBox> message_;
};
