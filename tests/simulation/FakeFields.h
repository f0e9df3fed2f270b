// The window's fields for tests and benchmarks without a window: texts held in a map, starting
// from the values the window writes when it loads, and the captions shown, in order.
#pragma once

#include "FormFields.h"

#include <QMap>
#include <QStringList>

class FakeFields : public FormFields {
public:
    FakeFields() {
        for (const auto& [field, name, value] : FormFields::settings) {
            texts_[field] = QString::number(value);
        }
    }

    QString text(SettingField field) const override { return texts_.value(field); }
    void setText(SettingField field, const QString& text) override { texts_[field] = text; }
    void showCaption(CaptionField field) override { shown_ << FormFields::name(field); }

    const QStringList& captionsShown() const { return shown_; }

private:
    QMap<SettingField, QString> texts_;
    QStringList shown_;
};
