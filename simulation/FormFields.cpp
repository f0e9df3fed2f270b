// The captions' names, spelled exactly as the window's controls are named; the settings' are in
// their list.
#include "FormFields.h"

QString FormFields::name(SettingField field) {
    for (const Setting& setting : settings) {
        if (setting.field == field) {
            return QString::fromLatin1(setting.name);
        }
    }
    return {};
}

QString FormFields::name(CaptionField field) {
    switch (field) {
    case CaptionField::Zdroj:
        return QStringLiteral("nZdroj");
    case CaptionField::Clona:
        return QStringLiteral("nClona");
    case CaptionField::Detektor:
        return QStringLiteral("nDetektor");
    case CaptionField::Soucet:
        return QString::fromUtf8("nSoučet");
    case CaptionField::Pravdepodobnost:
        return QString::fromUtf8("nPravděpodobnost");
    }
    return {};
}
