// Texts are written as the load handler writes them: plain decimal digits.
#include "SettingsStore.h"

#include "Conversion.h"

SettingsStore::SettingsStore() {
    for (const Setting& setting : settings) {
        texts_[indexOf(setting.field)] = Conversion::toText(setting.startUp);
    }
}

QString SettingsStore::text(SettingField field) const {
    return texts_[indexOf(field)];
}

void SettingsStore::setText(SettingField field, const QString& text) {
    if (texts_[indexOf(field)] != text) {
        texts_[indexOf(field)] = text;
        emit textChanged(field);
    }
}

void SettingsStore::showCaption(CaptionField field) {
    shown_[static_cast<std::size_t>(field)] = true;
    emit captionShown(field);
}

bool SettingsStore::isCaptionShown(CaptionField field) const {
    return shown_[static_cast<std::size_t>(field)];
}
