// Copies every setting text, one per field.
#include "FieldSnapshot.h"

FieldSnapshot::FieldSnapshot(const FormFields& from) {
    for (const auto& [field, startUpValue] : FormFields::startUp) {
        texts_[static_cast<std::size_t>(field)] = from.text(field);
    }
}

QString FieldSnapshot::text(SettingField field) const {
    return texts_[static_cast<std::size_t>(field)];
}

void FieldSnapshot::setText(SettingField field, const QString& text) {
    texts_[static_cast<std::size_t>(field)] = text;
}
