// Reads a setting as a number from its field's text at the moment it is needed, and refuses a
// text that a run cannot use instead of letting it break the run.
#pragma once

#include "FormFields.h"

#include <functional>

class SettingReader {
public:
    // Every setting the window offers is a small whole number. Beyond this size a loop bound
    // would keep a run going for days and positions would fall far outside the picture, so such
    // texts are refused like texts that are not numbers.
    static constexpr int largestMagnitude = 32767;

    explicit SettingReader(FormFields& fields) : fields_(fields) {}

    // Throws SettingError when the text is not a number or is out of range.
    double number(SettingField field) const;
    // Checks every setting at once, so that a run with a bad one never starts.
    void checkAll() const;
    // The index of the word a choice's or a switch's text chooses. Throws as number() does, as
    // the three below do.
    int choice(SettingField field) const;
    // With any count but two every slit is open, whatever the open-slits text says.
    OpenSlits openSlits() const;
    int slitCount() const;
    // Whether a setting has a say in the experiment as it stands: the open slits only with two.
    bool applies(SettingField field) const;
    bool whichSlitDetector() const { return choice(SettingField::WhichSlitDetector) == 1; }
    // Whether the experiment's settings are those the window loads with, as a run goes by them:
    // texts of the same number, and any slit width of 0 or less, count as the same.
    bool isDesigned() const;
    // Whether a photon goes through the same apparatus with the other's settings.
    bool sameExperiment(const SettingReader& other) const;
    void write(SettingField field, const QString& text) { fields_.setText(field, text); }
    void showCaption(CaptionField field) { fields_.showCaption(field); }

private:
    // Whether every setting of the experiment is recorded alike here and with `other`'s numbers.
    bool agrees(const std::function<double(const FormFields::Setting&)>& other) const;

    struct Converted {
        QString text;
        double value = 0.0;
        bool valid = false;
    };

    FormFields& fields_;
    // The last text converted for each field. A run reads some settings at every photon
    // repetition; converting the same text again would cost more than drawing the lines.
    mutable Converted converted_[FormFields::settingCount];
};
