// The window's fields as the simulation sees them: the texts of the hidden setting fields, which
// are the only place the settings live, and the caption fields it shows when a run ends. The
// list of settings is here and nowhere else.
#pragma once

#include <QString>

#include <cstddef>
#include <iterator>

// Each setting, named in English; the Czech names of the window's fields are in the table below.
enum class SettingField {
    PhotonsPerDot,
    Slowdown,
    PhaseScatter,
    Distance,     // places the detector line at x = 100 + it
    TurnPerPixel, // radians of phase per pixel of path
    SlitSeparation,
    SlitWidth,         // pixels; 0 or less: point slits
    OpenSlits,         // 0 both, 1 the upper only, 2 the lower only; any other number: both
    WhichSlitDetector, // 0 off, any other number on
};

// What the text of the open-slits field chooses.
enum class OpenSlits { Both, Upper, Lower };

enum class CaptionField { Source, Shield, Detector, Sum, Probability };

class FormFields {
public:
    virtual ~FormFields() = default;

    virtual QString text(SettingField field) const = 0;
    virtual void setText(SettingField field, const QString& text) = 0;
    virtual void showCaption(CaptionField field) = 0;

    // Every setting, once: its field's object name and the text the window's load handler writes
    // into it, what a run goes by until the user chooses otherwise. Settings are checked in this
    // order before a run, so a run with several bad texts is refused for the first. A new setting
    // is a value of SettingField, a row here and its control in the window.
    struct Setting {
        SettingField field;
        const char* name;
        int startUp;
    };
    static constexpr Setting settings[] = {
        {SettingField::Distance, "nVzdalenost", 200},
        {SettingField::SlitSeparation, "nRd", 40},
        {SettingField::TurnPerPixel, "nUr", 1},
        {SettingField::PhaseScatter, "nRozptyl", 180},
        {SettingField::PhotonsPerDot, "nPocetFotonu", 50},
        {SettingField::Slowdown, "nSpomaleni", 1},
        {SettingField::SlitWidth, "nSirka", 0},
        {SettingField::OpenSlits, "nOtevrene", 0},
        {SettingField::WhichSlitDetector, "nDetekce", 0},
    };
    static constexpr std::size_t settingCount = std::size(settings);
    // Where a setting's text is kept in an array of settingCount.
    static constexpr std::size_t indexOf(SettingField field) {
        return static_cast<std::size_t>(field);
    }
    static constexpr int startUpValue(SettingField field) {
        for (const Setting& setting : settings) {
            if (setting.field == field) {
                return setting.startUp;
            }
        }
        return 0;
    }

    // The captions of the drawing, in the order a finished run shows them.
    static constexpr CaptionField captions[] = {CaptionField::Source, CaptionField::Shield,
                                                CaptionField::Detector, CaptionField::Sum,
                                                CaptionField::Probability};

    // The object names of the fields in the window, as the user's messages name them.
    static QString name(SettingField field);
    static QString name(CaptionField field);
};

// Every value of SettingField has its one row, so that its index fits an array of settingCount.
static_assert([] {
    bool seen[FormFields::settingCount] = {};
    for (const FormFields::Setting& setting : FormFields::settings) {
        const std::size_t index = FormFields::indexOf(setting.field);
        if (index >= FormFields::settingCount || seen[index]) {
            return false;
        }
        seen[index] = true;
    }
    return true;
}());
