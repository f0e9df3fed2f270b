// The setting texts as they stood at one moment, kept apart from the window: what a run is
// replayed from when its picture must be drawn again at another size.
#pragma once

#include "FormFields.h"

#include <array>

class FieldSnapshot : public FormFields {
public:
    explicit FieldSnapshot(const FormFields& from);

    QString text(SettingField field) const override;
    // A run's own writes change the copy only.
    void setText(SettingField field, const QString& text) override;
    // The window's captions are its own business; a replay shows none.
    void showCaption(CaptionField) override {}

private:
    std::array<QString, FormFields::settingCount> texts_;
};
