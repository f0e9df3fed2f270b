// Reads a setting as a number from its field's text at the moment it is needed, and refuses a
// text that a run cannot use instead of letting it break the run.
#pragma once

#include "FormFields.h"

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
    // The choices the open-slits and the which-slit detector texts encode (see SettingField).
    // Throw as number() does.
    OpenSlits openSlits() const;
    bool whichSlitDetector() const;
    void write(SettingField field, const QString& text) { fields_.setText(field, text); }
    void showCaption(CaptionField field) { fields_.showCaption(field); }

private:
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
