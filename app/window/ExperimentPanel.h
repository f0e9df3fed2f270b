// The experiment panel: a strip below the picture, closed until the teacher opens it, with a
// control for each setting of the experiment and a button that brings back the designed one. Like
// the photons-per-dot buttons, its controls only write the setting texts; the next Start uses
// them, and a change made during a run is held until it ends.
#pragma once

#include "FormFields.h"

#include <QWidget>

#include <functional>
#include <utility>
#include <vector>

class QDoubleSpinBox;
class QGridLayout;
class QLabel;
class QPushButton;
class RunSession;

class ExperimentPanel : public QWidget {
    Q_OBJECT
public:
    // Design pixels below the 801 x 581 picture that the open panel takes: a line for its title
    // and one for every three settings.
    static constexpr int designHeight = 32 * (1 + (FormFields::experimentCount + 2) / 3);

    // Reads and writes the settings in `fields` through `session`; both must outlive it.
    ExperimentPanel(FormFields& fields, RunSession& session, QWidget* window);

    // Opens the panel with the controls showing the settings as they are and the keyboard on its
    // first control, or closes it.
    void setOpen(bool open);
    bool isOpen() const { return !isHidden(); }
    // Puts the strip below the picture, whose top-left stands at `origin`, at the zoom.
    void place(double zoom, QPoint origin);
    QPushButton& designedButton() { return *designed_; }

signals:
    // What a control did that no focus change says, for a screen reader to speak.
    void told(const QString& effect);

protected:
    // Letters typed in a spin box go to the window's keys (X closes the panel, P pauses): the
    // boxes take only numbers.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    QWidget* createControl(const FormFields::Setting& setting);
    // The controls show the settings, without writing them back.
    void showSettings(const std::function<double(SettingField)>& number);
    void showTurn(double wavelength);
    // The open-slits choice has a say only with two slits; with another count it is disabled
    // and its note says why.
    void showSlitCount(int count);
    void write(SettingField field, const QString& text);
    void restoreDesigned();

    FormFields& fields_;
    RunSession& session_;
    QGridLayout* grid_;
    // Each setting's control, in the order of the settings.
    std::vector<std::pair<const FormFields::Setting*, QWidget*>> controls_;
    QDoubleSpinBox* wavelength_ = nullptr;
    QLabel* turn_ = nullptr; // the turn per pixel the wavelength stands for
    QWidget* openSlits_ = nullptr;
    QLabel* openSlitsNote_ = nullptr;
    QPushButton* designed_;
};
