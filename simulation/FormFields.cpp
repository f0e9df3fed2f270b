// The captions' names, spelled exactly as the window's controls are named; the settings' are in
// their list.
#include "FormFields.h"

QString FormFields::name(SettingField field) {
    return QString::fromLatin1(setting(field).name);
}

QString FormFields::name(CaptionField field) {
    switch (field) {
    case CaptionField::Source:
        return QStringLiteral("nZdroj");
    case CaptionField::Shield:
        return QStringLiteral("nClona");
    case CaptionField::Detector:
        return QStringLiteral("nDetektor");
    case CaptionField::Sum:
        return QString::fromUtf8("nSoučet");
    case CaptionField::Probability:
        return QString::fromUtf8("nPravděpodobnost");
    }
    return {};
}
