// Copies the six setting texts, one per field.
#include "FieldSnapshot.h"

namespace {

constexpr SettingField allFields[] = {SettingField::PocetFotonu, SettingField::Spomaleni,
                                      SettingField::Rozptyl,     SettingField::Vzdalenost,
                                      SettingField::Ur,          SettingField::Rd};

} // namespace

FieldSnapshot::FieldSnapshot(const FormFields& from) {
    for (SettingField field : allFields) {
        texts_[static_cast<std::size_t>(field)] = from.text(field);
    }
}

QString FieldSnapshot::text(SettingField field) const {
    return texts_[static_cast<std::size_t>(field)];
}

void FieldSnapshot::setText(SettingField field, const QString& text) {
    texts_[static_cast<std::size_t>(field)] = text;
}
