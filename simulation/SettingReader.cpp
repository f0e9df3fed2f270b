// Conversion of the setting texts, with the range guard that keeps every loop of a run finite.
#include "SettingReader.h"

#include "Conversion.h"
#include "SettingError.h"

#include <cmath>

double SettingReader::number(SettingField field) const {
    const QString text = fields_.text(field);
    Converted& last = converted_[FormFields::indexOf(field)];
    if (last.valid && last.text == text) {
        return last.value;
    }
    const std::optional<double> value = Conversion::toNumber(text);
    if (!value) {
        throw SettingError(field, text, SettingError::Reason::NotANumber);
    }
    if (std::abs(*value) > largestMagnitude) {
        throw SettingError(field, text, SettingError::Reason::OutOfRange);
    }
    last = {text, *value, true};
    return *value;
}

void SettingReader::checkAll() const {
    for (const FormFields::Setting& setting : FormFields::settings) {
        number(setting.field);
    }
}

OpenSlits SettingReader::openSlits() const {
    const double choice = number(SettingField::OpenSlits);
    if (choice == 1) {
        return OpenSlits::Upper;
    }
    return choice == 2 ? OpenSlits::Lower : OpenSlits::Both;
}

bool SettingReader::whichSlitDetector() const {
    return number(SettingField::WhichSlitDetector) != 0;
}
