// The six setting texts held in memory, for runs without a window, starting from the values the
// window writes when it loads.
#pragma once

#include "FormFields.h"

#include <QMap>

class MemoryFields : public FormFields {
public:
    MemoryFields(const QString& photons, const QString& slowdown) {
        texts_[SettingField::Rozptyl] = QStringLiteral("180");
        texts_[SettingField::PocetFotonu] = photons;
        texts_[SettingField::Rd] = QStringLiteral("40");
        texts_[SettingField::Ur] = QStringLiteral("1");
        texts_[SettingField::Vzdalenost] = QStringLiteral("200");
        texts_[SettingField::Spomaleni] = slowdown;
    }

    QString text(SettingField field) const override { return texts_.value(field); }
    void setText(SettingField field, const QString& text) override { texts_[field] = text; }
    void showCaption(CaptionField) override {}

private:
    QMap<SettingField, QString> texts_;
};
