// The wording of the message a user sees for a setting that a run cannot use.
#include "SettingError.h"

#include "SettingReader.h"

#include <QLocale>

namespace {

QString describe(SettingField field, const QString& text, SettingError::Reason reason) {
    if (reason == SettingError::Reason::NotANumber) {
        return SettingError::tr("%1 holds \"%2\", which is not a number.")
            .arg(FormFields::name(field), text);
    }
    return SettingError::tr("%1 holds \"%2\", which is out of range (at most %3 either side of 0).")
        .arg(FormFields::name(field), text, QLocale().toString(SettingReader::largestMagnitude));
}

} // namespace

SettingError::SettingError(SettingField field, const QString& text, Reason reason)
    : std::runtime_error(describe(field, text, reason).toStdString()), field_(field), text_(text),
      reason_(reason) {}

QString SettingError::message() const {
    return describe(field_, text_, reason_);
}
