// A setting text that a run cannot use. It carries the field and its text so that the user is
// told exactly which value is wrong.
#pragma once

#include "FormFields.h"

#include <QCoreApplication>

#include <stdexcept>

class SettingError : public std::runtime_error {
    Q_DECLARE_TR_FUNCTIONS(SettingError)

public:
    enum class Reason { NotANumber, OutOfRange };

    SettingError(SettingField field, const QString& text, Reason reason);

    SettingField field() const { return field_; }
    QString text() const { return text_; }
    Reason reason() const { return reason_; }
    // For example: nVzdalenost holds "abc", which is not a number.
    QString message() const;

private:
    SettingField field_;
    QString text_;
    Reason reason_;
};
