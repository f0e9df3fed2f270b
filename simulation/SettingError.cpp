// The wording of the message a user sees for a setting that a run cannot use.
#include "SettingError.h"

#include "SettingReader.h"

namespace {

QString describe(SettingField field, const QString& text, SettingError::Reason reason) {
    const QString quoted =
        FormFields::name(field) + QStringLiteral(" holds \"") + text + QStringLiteral("\", which ");
    if (reason == SettingError::Reason::NotANumber) {
        return quoted + QStringLiteral("is not a number.");
    }
    return quoted + QStringLiteral("is out of range (at most %1 either side of 0).")
                        .arg(SettingReader::largestMagnitude);
}

} // namespace

SettingError::SettingError(SettingField field, const QString& text, Reason reason)
    : std::runtime_error(describe(field, text, reason).toStdString()), field_(field), text_(text),
      reason_(reason) {}

QString SettingError::message() const {
    return describe(field_, text_, reason_);
}
