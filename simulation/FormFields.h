// The window's fields as the simulation sees them: the texts of the hidden setting fields, which
// are the only place the settings live, and the caption fields it shows when a run ends. The
// list of settings is here and nowhere else.
#pragma once

#include "SettingRow.h"

#include <QString>
#include <QtGlobal>

#include <algorithm>
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
    SlitCount,         // slits, 1 to mostSlits, equally spaced by the separation
};

// What the text of the open-slits field chooses, in the order of its words. It is read only
// with two slits; with any other count every slit is open.
enum class OpenSlits { Both, Upper, Lower };

// The most slits the shield can have.
constexpr int mostSlits = 8;

enum class CaptionField { Source, Shield, Detector, Sum, Probability };

class FormFields {
public:
    virtual ~FormFields() = default;

    virtual QString text(SettingField field) const = 0;
    virtual void setText(SettingField field, const QString& text) = 0;
    virtual void showCaption(CaptionField field) = 0;

    using Setting = SettingRow;
    // The words of the open-slits and the which-slit detector settings.
    static constexpr SettingChoice openSlitsWords[] = {
        {"both", QT_TRANSLATE_NOOP("ExperimentPanel", "both"),
         QT_TRANSLATE_NOOP("ExperimentSettings", "both slits open")},
        {"upper", QT_TRANSLATE_NOOP("ExperimentPanel", "upper only"),
         QT_TRANSLATE_NOOP("ExperimentSettings", "upper slit only")},
        {"lower", QT_TRANSLATE_NOOP("ExperimentPanel", "lower only"),
         QT_TRANSLATE_NOOP("ExperimentSettings", "lower slit only")},
    };
    static constexpr SettingChoice detectorWords[] = {
        {"off", "", QT_TRANSLATE_NOOP("ExperimentSettings", "which-slit detector off")},
        {"on", QT_TRANSLATE_NOOP("ExperimentPanel", "on"),
         QT_TRANSLATE_NOOP("ExperimentSettings", "which-slit detector on")},
    };
    // Every setting, once: its field's object name and the text the window's load handler writes
    // into it, what a run goes by until the user chooses otherwise, and for the experiment's
    // settings all that the panel, the command line, the data file and a picture's settings line
    // show. Settings are checked in this order before a run, so a run with several bad texts is
    // refused for the first; those of the experiment are shown in it. A new setting is a value of
    // SettingField and a row here; the window makes its hidden field.
    static constexpr Setting settings[] = {
        {.field = SettingField::Distance,
         .name = "nVzdalenost",
         .startUp = 200,
         .control = "experimentDistance",
         .label = QT_TRANSLATE_NOOP("ExperimentPanel", "Distance to detector"),
         .unit = QT_TRANSLATE_NOOP("ExperimentPanel", "px"),
         .reading = SettingReading::FromSlits,
         .lowest = 50, // pixels, as read; beyond these the detector leaves the picture
         .highest = 250,
         .option = {"distance", "D",
                    QT_TRANSLATE_NOOP("ExperimentOptions", "Distance from the slits to the "
                                                           "detector, %1 to %2 pixels (default "
                                                           "%3).")},
         .column = "distance",
         .summary = QT_TRANSLATE_NOOP("ExperimentSettings", "distance %1 px")},
        {.field = SettingField::SlitSeparation,
         .name = "nRd",
         .startUp = 40,
         .control = "experimentSeparation",
         .label = QT_TRANSLATE_NOOP("ExperimentPanel", "Slit separation"),
         .unit = QT_TRANSLATE_NOOP("ExperimentPanel", "px"),
         .lowest = 10, // pixels; beyond these the slits leave the shield
         .highest = 200,
         .option = {"separation", "D",
                    QT_TRANSLATE_NOOP("ExperimentOptions",
                                      "Slit separation, %1 to %2 pixels (default %3).")},
         .column = "slit_separation",
         .summary = QT_TRANSLATE_NOOP("ExperimentSettings", "slit separation %1 px")},
        {.field = SettingField::TurnPerPixel,
         .name = "nUr",
         .startUp = 1,
         .control = "experimentWavelength",
         .label = QT_TRANSLATE_NOOP("ExperimentPanel", "Wavelength"),
         .unit = QT_TRANSLATE_NOOP("ExperimentPanel", "px"),
         .kind = SettingKind::Decimal,
         .reading = SettingReading::Wavelength,
         .lowest = 3, // pixels; beyond these the arrows turn too fast or too slowly for the
                      // fringes to be seen
         .highest = 25,
         .places = 1,
         .option = {"wavelength", "L",
                    QT_TRANSLATE_NOOP("ExperimentOptions",
                                      "Wavelength, %1 to %2 pixels (default 2π, about 6.28).")},
         .fieldOption = {"turn", "T",
                         QT_TRANSLATE_NOOP("ExperimentOptions",
                                           "Instead of --wavelength: the arrow's turn per pixel "
                                           "of path, in radians from 0.2513 to 2.0944 (default "
                                           "1): a wavelength of 2π divided by it.")},
         .column = "turn_per_pixel",
         .summary = QT_TRANSLATE_NOOP("ExperimentSettings", "wavelength %1 px (%2 rad/px)")},
        {.field = SettingField::PhaseScatter, .name = "nRozptyl", .startUp = 180},
        {.field = SettingField::PhotonsPerDot, .name = "nPocetFotonu", .startUp = 50},
        {.field = SettingField::Slowdown, .name = "nSpomaleni", .startUp = 1},
        {.field = SettingField::SlitWidth,
         .name = "nSirka",
         .startUp = 0,
         .control = "experimentSlitWidth",
         .label = QT_TRANSLATE_NOOP("ExperimentPanel", "Slit width"),
         .unit = QT_TRANSLATE_NOOP("ExperimentPanel", "px"),
         .reading = SettingReading::AtLeastZero,
         .highest = 30, // pixels
         .option = {"slit-width", "W",
                    QT_TRANSLATE_NOOP("ExperimentOptions",
                                      "Slit width, %1 to %2 pixels (default 0, point slits).")},
         .column = "slit_width",
         .summary = QT_TRANSLATE_NOOP("ExperimentSettings", "slit width %1 px")},
        {.field = SettingField::SlitCount,
         .name = "nPocetSterbin",
         .startUp = 2,
         .control = "experimentSlitCount",
         .label = QT_TRANSLATE_NOOP("ExperimentPanel", "Slits"),
         .reading = SettingReading::Count,
         .lowest = 1,
         .highest = mostSlits,
         .option = {"slit-count", "K",
                    QT_TRANSLATE_NOOP("ExperimentOptions",
                                      "Number of slits, %1 to %2, spaced by the slit separation "
                                      "(default %3): a grating; all are open unless there are "
                                      "two.")},
         .column = "slit_count",
         .summary = QT_TRANSLATE_NOOP("ExperimentSettings", "slits: %1"),
         .quietAtStartUp = true},
        {.field = SettingField::OpenSlits,
         .name = "nOtevrene",
         .startUp = 0,
         .control = "experimentSlits",
         .label = QT_TRANSLATE_NOOP("ExperimentPanel", "Open slits"),
         .kind = SettingKind::Choice,
         .choices = openSlitsWords,
         .option = {"slits", "WHICH",
                    QT_TRANSLATE_NOOP("ExperimentOptions",
                                      "Open slits: both, upper or lower (default both).")},
         .column = "open_slits"},
        {.field = SettingField::WhichSlitDetector,
         .name = "nDetekce",
         .startUp = 0,
         .control = "experimentDetector",
         .label = QT_TRANSLATE_NOOP("ExperimentPanel", "Which-slit detector"),
         .kind = SettingKind::Switch,
         .choices = detectorWords,
         .option = {"which-slit", nullptr,
                    QT_TRANSLATE_NOOP("ExperimentOptions", "Turn the which-slit detector on: "
                                                           "each photon's slit is recorded.")},
         .column = "which_slit_detector"},
    };
    static constexpr std::size_t settingCount = std::size(settings);
    // How many settings make up the experiment.
    static constexpr std::size_t experimentCount = std::count_if(
        std::begin(settings), std::end(settings), [](const Setting& row) { return row.control; });
    // Where a setting's text is kept in an array of settingCount.
    static constexpr std::size_t indexOf(SettingField field) {
        return static_cast<std::size_t>(field);
    }
    static constexpr const Setting& setting(SettingField field) {
        return *std::find_if(std::begin(settings), std::end(settings),
                             [field](const Setting& row) { return row.field == field; });
    }
    static constexpr int startUpValue(SettingField field) { return setting(field).startUp; }

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
