// The window's fields for tests and benchmarks without a window: texts held in a map, starting
// from the values the window writes when it loads, and the captions shown, in order.
#pragma once

#include "FormFields.h"

#include <QMap>
#include <QStringList>

class FakeFields : public FormFields {
public:
    FakeFields() {
        texts_[SettingField::Rozptyl] = QStringLiteral("180");
        texts_[SettingField::PocetFotonu] = QStringLiteral("50");
        texts_[SettingField::Rd] = QStringLiteral("40");
        texts_[SettingField::Ur] = QStringLiteral("1");
        texts_[SettingField::Vzdalenost] = QStringLiteral("200");
        texts_[SettingField::Spomaleni] = QStringLiteral("1");
    }

    QString text(SettingField field) const override { return texts_.value(field); }
    void setText(SettingField field, const QString& text) override { texts_[field] = text; }
    void showCaption(CaptionField field) override { shown_ << FormFields::name(field); }

    const QStringList& captionsShown() const { return shown_; }

private:
    QMap<SettingField, QString> texts_;
    QStringList shown_;
};
