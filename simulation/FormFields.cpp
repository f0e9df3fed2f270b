// Field names, spelled exactly as the window's controls are named.
#include "FormFields.h"

QString FormFields::name(SettingField field) {
    switch (field) {
    case SettingField::PocetFotonu:
        return QStringLiteral("nPocetFotonu");
    case SettingField::Spomaleni:
        return QStringLiteral("nSpomaleni");
    case SettingField::Rozptyl:
        return QStringLiteral("nRozptyl");
    case SettingField::Vzdalenost:
        return QStringLiteral("nVzdalenost");
    case SettingField::Ur:
        return QStringLiteral("nUr");
    case SettingField::Rd:
        return QStringLiteral("nRd");
    case SettingField::Sirka:
        return QStringLiteral("nSirka");
    case SettingField::Otevrene:
        return QStringLiteral("nOtevrene");
    case SettingField::Detekce:
        return QStringLiteral("nDetekce");
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
