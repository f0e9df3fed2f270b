// Conversion between the texts of the setting fields and numbers, and the integer operations the
// simulation uses, with the rounding rules those texts were written for.
#pragma once

#include <QString>

#include <optional>

class Conversion {
public:
    // The text as a double, in the user's locale; plain C-locale digits are always accepted, and
    // an empty text counts as 0. No value for a text that is not a finite number.
    static std::optional<double> toNumber(const QString& text);
    // Plain decimal digits with no leading blank: "50", "180".
    static QString toText(long long value);
    // The largest integer not greater than the value.
    static double integerPart(double value);
    // The remainder after both operands are rounded to the nearest integer (halves to even), so a
    // divisor of 15.7 acts as 16. The result takes the sign of the dividend. Throws
    // std::domain_error when the divisor rounds to 0.
    static double mod(double dividend, double divisor);
};
