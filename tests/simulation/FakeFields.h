// The window's fields for tests and benchmarks without a window: texts held in a map, starting
// from the values the window writes when it loads, or from an experiment of a test's own, and
// the captions shown, in order.
#pragma once

#include "FormFields.h"

#include <QMap>
#include <QMetaType>
#include <QStringList>

class FakeFields : public FormFields {
public:
    FakeFields() {
        for (const Setting& setting : FormFields::settings) {
            texts_[setting.field] = QString::number(setting.startUp);
        }
    }

    // The experiment's setting texts, for tests that change the apparatus.
    struct Setup {
        QString turn = QStringLiteral("1");
        QString distance = QStringLiteral("200");
        QString separation = QStringLiteral("40");
        QString width = QStringLiteral("0");
        QString open = QStringLiteral("0"); // 0 both, 1 upper, 2 lower
        QString detector = QStringLiteral("0");
        QString slits = QStringLiteral("2");
    };
    explicit FakeFields(const Setup& setup) : FakeFields() {
        texts_[SettingField::TurnPerPixel] = setup.turn;
        texts_[SettingField::Distance] = setup.distance;
        texts_[SettingField::SlitSeparation] = setup.separation;
        texts_[SettingField::SlitWidth] = setup.width;
        texts_[SettingField::OpenSlits] = setup.open;
        texts_[SettingField::WhichSlitDetector] = setup.detector;
        texts_[SettingField::SlitCount] = setup.slits;
    }

    QString text(SettingField field) const override { return texts_.value(field); }
    void setText(SettingField field, const QString& text) override { texts_[field] = text; }
    void showCaption(CaptionField field) override { shown_ << FormFields::name(field); }

    const QStringList& captionsShown() const { return shown_; }

private:
    QMap<SettingField, QString> texts_;
    QStringList shown_;
};

Q_DECLARE_METATYPE(FakeFields::Setup)
