// The window's fields as the simulation sees them: the texts of the hidden setting fields, which
// are the only place the settings live, and the caption fields it shows when a run ends.
#pragma once

#include <QString>

enum class SettingField { PocetFotonu, Spomaleni, Rozptyl, Vzdalenost, Ur, Rd };

enum class CaptionField { Zdroj, Clona, Detektor, Soucet, Pravdepodobnost };

class FormFields {
public:
    virtual ~FormFields() = default;

    virtual QString text(SettingField field) const = 0;
    virtual void setText(SettingField field, const QString& text) = 0;
    virtual void showCaption(CaptionField field) = 0;

    // The setting texts the window's load handler writes, in the order it writes them: what a
    // run goes by until the user chooses otherwise.
    struct StartUp {
        SettingField field;
        int value;
    };
    static constexpr StartUp startUp[] = {
        {SettingField::Rozptyl, 180}, {SettingField::PocetFotonu, 50}, {SettingField::Rd, 40},
        {SettingField::Ur, 1},        {SettingField::Vzdalenost, 200}, {SettingField::Spomaleni, 1},
    };
    static constexpr int startUpValue(SettingField field) {
        for (const StartUp& setting : startUp) {
            if (setting.field == field) {
                return setting.value;
            }
        }
        return 0;
    }

    // The captions of the drawing, in the order a finished run shows them.
    static constexpr CaptionField captions[] = {CaptionField::Zdroj, CaptionField::Clona,
                                                CaptionField::Detektor, CaptionField::Soucet,
                                                CaptionField::Pravdepodobnost};

    // The object names of the fields in the window, as the user's messages name them.
    static QString name(SettingField field);
    static QString name(CaptionField field);
};
