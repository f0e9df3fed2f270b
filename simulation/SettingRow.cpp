// A field's text is written in the C locale, which every locale also reads.
#include "SettingRow.h"

#include "Conversion.h"
#include "Scene.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <numbers>

double SettingRow::valueOf(double field) const {
    switch (reading) {
    case SettingReading::AtLeastZero:
        return std::max(0.0, field);
    case SettingReading::FromSlits:
        return Scene::distanceOfField(field);
    case SettingReading::Wavelength:
        return 2 * std::numbers::pi / field;
    case SettingReading::Count:
        return std::clamp(std::round(field), lowest, highest);
    case SettingReading::Field:
        break;
    }
    return field;
}

double SettingRow::fieldOf(double value) const {
    if (reading == SettingReading::FromSlits) {
        return Scene::fieldOfDistance(value);
    }
    return reading == SettingReading::Wavelength ? 2 * std::numbers::pi / value : value;
}

QString SettingRow::textOf(double field) const {
    return kind == SettingKind::Decimal ? QLocale::c().toString(field, 'g', 8)
                                        : Conversion::toText(std::lround(field));
}

int SettingRow::choiceOf(double field) const {
    if (kind == SettingKind::Switch) {
        return field != 0 ? 1 : 0;
    }
    const bool listed =
        field >= 0 && field < static_cast<double>(choices.size()) && field == std::floor(field);
    return listed ? static_cast<int>(field) : 0;
}

double SettingRow::recorded(double field) const {
    if (kind == SettingKind::Choice || kind == SettingKind::Switch) {
        return choiceOf(field);
    }
    return reading == SettingReading::Wavelength ? field : valueOf(field);
}
