// The window's fields as the simulation sees them: the texts of the hidden setting fields, which
// are the only place the settings live, and the caption fields it shows when a run ends.
#pragma once

#include <QString>

#include <iterator>

enum class SettingField {
    PocetFotonu,
    Spomaleni,
    Rozptyl,
    Vzdalenost,
    Ur,
    Rd,
    Sirka,    // slit width in pixels; 0 or less: point slits
    Otevrene, // open slits: 0 both, 1 the upper only, 2 the lower only; any other number: both
    Detekce,  // which-slit detector: 0 off, any other number on
};

// What the text of the open-slits field chooses.
enum class OpenSlits { Both, Upper, Lower };

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
        {SettingField::Sirka, 0},     {SettingField::Otevrene, 0},     {SettingField::Detekce, 0},
    };
    // Every setting has a start-up value, so the list above names them all.
    static constexpr std::size_t settingCount = std::size(startUp);
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
