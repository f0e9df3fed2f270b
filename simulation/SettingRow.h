// One row of the table of settings (FormFields::settings): the window's field that holds the
// setting and, for a setting of the experiment, all that the panel, the command line, the data
// file and the settings line on a picture read. Its texts are marked for translation in the
// context of the class that shows them.
#pragma once

#include <QString>

#include <span>

enum class SettingField; // in FormFields.h

enum class SettingKind {
    Whole,   // a whole number
    Decimal, // a number to the row's places
    Choice,  // one of the row's words; the field holds its index, and any other number the first
    Switch,  // off or on, the row's two words; any number but 0 is on
};

// What a teacher reads for the number in the field.
enum class SettingReading {
    Field,       // the same number
    AtLeastZero, // 0 for any number of 0 or less: a slit width of 0 or less means point slits
    // The field places the detector line at x = 100 + it; read: the distance from the slits.
    FromSlits,
    // The field is the arrow's turn per pixel; read: the wavelength 2π / turn. The turn is shown
    // beside it, recorded in the data file and given by an option of its own.
    Wavelength,
    // A count: the whole number nearest the field's, kept within the row's range.
    Count,
};

struct SettingChoice {
    const char* word;    // on the command line and in the data file
    const char* shown;   // in the panel, context "ExperimentPanel"
    const char* summary; // in the settings line, context "ExperimentSettings"
};

struct SettingOption {
    const char* name = nullptr;      // without its dashes
    const char* valueName = nullptr; // as in "--distance <D>"; none for a flag
    // Context "ExperimentOptions": %1 the lowest value, %2 the highest, %3 the start-up value.
    const char* help = "";
};

// Those of the experiment's settings name everything; the others, which only the window's own
// controls write, name their field and start-up value alone.
struct SettingRow {
    SettingField field;
    const char* name;              // the object name of the window's hidden field
    int startUp;                   // the field's number when the window loads
    const char* control = nullptr; // the object name of the panel's control
    const char* label = "";        // context "ExperimentPanel"
    const char* unit = "";         // context "ExperimentPanel"
    SettingKind kind = SettingKind::Whole;
    SettingReading reading = SettingReading::Field;
    double lowest = 0.0; // the range a teacher chooses from, as read
    double highest = 0.0;
    int places = 2; // decimal places a value is shown to; a field written by hand may be a fraction
    std::span<const SettingChoice> choices = {};
    SettingOption option = {};
    SettingOption fieldOption = {}; // for the field's own number, where another one is read
    const char* column = nullptr;   // in the data file
    // A number's part of the settings line, context "ExperimentSettings": %1 the value read and,
    // for a wavelength, %2 the turn per pixel. A choice's part is its word's summary.
    const char* summary = "";
    // The settings line names it only when it differs from its start-up value, so that a
    // picture of an experiment that does not change it reads as it did before it was offered.
    bool quietAtStartUp = false;

    bool isExperiment() const { return control != nullptr; }
    // What a teacher reads for the field's number, and back (see SettingReading).
    double valueOf(double field) const;
    double fieldOf(double value) const;
    // The field's text for its own number: eight figures for a decimal, digits for the rest.
    QString textOf(double field) const;
    QString fieldText(double value) const { return textOf(fieldOf(value)); }
    // The index of the word a choice's or a switch's number chooses.
    int choiceOf(double field) const;
    // What the data file records and experiments are told apart by: a choice's index, the turn
    // itself for a wavelength, else the value read.
    double recorded(double field) const;
};
