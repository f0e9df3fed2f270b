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

int SettingReader::choice(SettingField field) const {
    return FormFields::setting(field).choiceOf(number(field));
}

OpenSlits SettingReader::openSlits() const {
    return applies(SettingField::OpenSlits)
               ? static_cast<OpenSlits>(choice(SettingField::OpenSlits))
               : OpenSlits::Both;
}

int SettingReader::slitCount() const {
    const FormFields::Setting& row = FormFields::setting(SettingField::SlitCount);
    return static_cast<int>(row.valueOf(number(SettingField::SlitCount)));
}

bool SettingReader::applies(SettingField field) const {
    return field != SettingField::OpenSlits || slitCount() == 2;
}

bool SettingReader::isDesigned() const {
    return agrees([](const FormFields::Setting& setting) { return setting.startUp; });
}

bool SettingReader::sameExperiment(const SettingReader& other) const {
    return agrees(
        [&other](const FormFields::Setting& setting) { return other.number(setting.field); });
}

bool SettingReader::agrees(const std::function<double(const FormFields::Setting&)>& other) const {
    for (const FormFields::Setting& setting : FormFields::settings) {
        if (setting.isExperiment() &&
            setting.recorded(number(setting.field)) != setting.recorded(other(setting))) {
            return false;
        }
    }
    return true;
}
