// Copies every setting's text, one per field.
#include "FieldSnapshot.h"

FieldSnapshot::FieldSnapshot(const FormFields& from) {
    for (const Setting& setting : settings) {
        texts_[indexOf(setting.field)] = from.text(setting.field);
    }
}

QString FieldSnapshot::text(SettingField field) const {
    return texts_[indexOf(field)];
}

void FieldSnapshot::setText(SettingField field, const QString& text) {
    texts_[indexOf(field)] = text;
}
