// The setting texts kept apart from any widget: the start-up texts until set otherwise, and the
// captions a finished run has shown. The window's hidden fields and captions are views of it; a
// run made without a window reads and writes it alone.
#pragma once

#include "FormFields.h"

#include <QObject>

#include <array>

class SettingsStore : public QObject, public FormFields {
    Q_OBJECT
public:
    // Every setting at its start-up text, as the window's load handler writes them.
    SettingsStore();

    QString text(SettingField field) const override;
    void setText(SettingField field, const QString& text) override;
    void showCaption(CaptionField field) override;
    bool isCaptionShown(CaptionField field) const;

signals:
    // A setting's text is another than it was.
    void textChanged(SettingField field);
    void captionShown(CaptionField field);

private:
    std::array<QString, settingCount> texts_;
    std::array<bool, std::size(captions)> shown_{};
};
