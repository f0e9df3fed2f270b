// The setting texts kept apart from any widget, for a run made without a window: the start-up
// texts until set otherwise, and the captions a finished run has shown.
#pragma once

#include "FormFields.h"

#include <array>

class SettingsStore : public FormFields {
public:
    // Every setting at its start-up text, as the window's load handler writes them.
    SettingsStore();

    QString text(SettingField field) const override;
    void setText(SettingField field, const QString& text) override;
    void showCaption(CaptionField field) override;
    bool isCaptionShown(CaptionField field) const;

private:
    std::array<QString, settingCount> texts_;
    std::array<bool, std::size(captions)> shown_{};
};
