// The settings are read the way a run reads them, from a copy, so that the texts a summary names
// are exactly the numbers the run went by.
#include "ExperimentSettings.h"

#include "FieldSnapshot.h"
#include "SettingError.h"
#include "SettingReader.h"

#include <QFont>
#include <QLocale>
#include <QPainter>

#include <algorithm>
#include <cmath>

QString ExperimentSettings::turnText(double wavelength) {
    return QLocale::c().toString(2 * std::numbers::pi / wavelength, 'g', 8);
}

QString ExperimentSettings::shown(double value, int decimals) {
    QString text = QLocale().toString(value, 'f', decimals);
    if (decimals > 0) {
        while (text.endsWith(QLatin1Char('0'))) {
            text.chop(1);
        }
        if (!text.at(text.size() - 1).isDigit()) {
            text.chop(1);
        }
    }
    return text;
}

bool ExperimentSettings::isDesigned(const FormFields& settings) {
    FieldSnapshot copy(settings);
    const SettingReader reader(copy);
    try {
        for (SettingField field :
             {SettingField::Vzdalenost, SettingField::Rd, SettingField::Ur, SettingField::Sirka}) {
            const double startUp = FormFields::startUpValue(field);
            // Any width of 0 or less is a point slit, as designed.
            if (field == SettingField::Sirka ? reader.number(field) > startUp
                                             : reader.number(field) != startUp) {
                return false;
            }
        }
        return reader.openSlits() == OpenSlits::Both && !reader.whichSlitDetector();
    } catch (const SettingError&) {
        return false;
    }
}

void ExperimentSettings::drawSummary(QImage& picture, const FormFields& settings, double zoom) {
    const QString line = summary(settings);
    if (line.isEmpty()) {
        return;
    }
    QPainter painter(&picture);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(12 * zoom))));
    painter.setFont(font);
    painter.setPen(Qt::black);
    // Design pixels: a line high along the bottom edge, clear of the apparatus.
    const QRectF area(8 * zoom, (581 - 20) * zoom, (801 - 16) * zoom, 18 * zoom);
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, line);
}

QString ExperimentSettings::summary(const FormFields& settings) {
    if (isDesigned(settings)) {
        return {};
    }
    FieldSnapshot copy(settings);
    const SettingReader reader(copy);
    try {
        const double turn = reader.number(SettingField::Ur);
        const OpenSlits open = reader.openSlits();
        const QString slits = open == OpenSlits::Both    ? tr("both slits open")
                              : open == OpenSlits::Upper ? tr("upper slit only")
                                                         : tr("lower slit only");
        return tr("Distance %1 px, slit separation %2 px, wavelength %3 px (%4 rad/px), slit "
                  "width %5 px, %6, which-slit detector %7")
            .arg(shown(reader.number(SettingField::Vzdalenost), 2),
                 shown(reader.number(SettingField::Rd), 2), shown(wavelengthOf(turn), 1),
                 shown(turn, 3), shown(std::max(0.0, reader.number(SettingField::Sirka)), 2), slits,
                 reader.whichSlitDetector() ? tr("on") : tr("off"));
    } catch (const SettingError&) {
        return {};
    }
}
