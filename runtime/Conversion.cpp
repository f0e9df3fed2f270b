// Text to number tries the user's locale first, so that a German "2,5" reads as 2.5, and then
// the C locale, so that digits the program itself wrote always read back.
#include "Conversion.h"

#include <QLocale>

#include <cmath>
#include <stdexcept>

std::optional<double> Conversion::toNumber(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        return 0.0;
    }
    bool ok = false;
    double value = QLocale::system().toDouble(trimmed, &ok);
    if (!ok) {
        value = QLocale::c().toDouble(trimmed, &ok);
    }
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

QString Conversion::toText(long long value) {
    return QString::number(value);
}

double Conversion::integerPart(double value) {
    return std::floor(value);
}

double Conversion::mod(double dividend, double divisor) {
    // std::nearbyint rounds halves to even in the default rounding mode.
    const double a = std::nearbyint(dividend);
    const double b = std::nearbyint(divisor);
    if (b == 0.0) {
        throw std::domain_error("division by zero in Mod");
    }
    return std::fmod(a, b);
}
