// The settings are read the way a run reads them, from a copy, so that the texts a summary names
// are exactly the numbers the run went by.
#include "ExperimentSettings.h"

#include "ExpectedPattern.h"
#include "FieldSnapshot.h"
#include "Scene.h"
#include "SettingError.h"
#include "SettingReader.h"

#include <QLocale>
#include <QPainter>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

// A setting's part of the summary: its word, or its value as read and, for a wavelength, the
// turn per pixel it stands for.
QString part(const FormFields::Setting& setting, double field) {
    if (!setting.choices.empty()) {
        return ExperimentSettings::tr(setting.choices[setting.choiceOf(field)].summary);
    }
    const QString value = ExperimentSettings::shown(setting.valueOf(field), setting.places);
    const QString text = ExperimentSettings::tr(setting.summary).arg(value);
    return setting.reading == SettingReading::Wavelength
               ? text.arg(ExperimentSettings::shown(field, 3))
               : text;
}

} // namespace

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

bool ExperimentSettings::sameExperiment(const FormFields& one, const FormFields& other) {
    FieldSnapshot first(one);
    FieldSnapshot second(other);
    try {
        return SettingReader(first).sameExperiment(SettingReader(second));
    } catch (const SettingError&) {
        return false;
    }
}

void ExperimentSettings::drawSummary(QPainter& painter, const QString& summary, double zoom,
                                     double right) {
    if (summary.isEmpty()) {
        return;
    }
    painter.setFont(summaryFont(zoom));
    painter.setPen(Qt::black);
    painter.drawText(summaryBox(zoom, right), summaryFlags, summary);
}

QFont ExperimentSettings::summaryFont(double zoom) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(12 * zoom))));
    return font;
}

QRectF ExperimentSettings::summaryBox(double zoom, double right) {
    // Design pixels: along the bottom edge, below the apparatus.
    return {8 * zoom, (581 - 36) * zoom, (right - 8) * zoom, 34 * zoom};
}

QString ExperimentSettings::changes(const FormFields& settings) {
    FieldSnapshot copy(settings);
    const SettingReader reader(copy);
    try {
        QStringList parts;
        for (const FormFields::Setting& setting : FormFields::settings) {
            if (setting.isExperiment() && reader.number(setting.field) != setting.startUp) {
                parts << part(setting, reader.number(setting.field));
            }
        }
        return parts.isEmpty() ? tr("designed experiment") : parts.join(QStringLiteral(", "));
    } catch (const SettingError&) {
        return {};
    }
}

QString ExperimentSettings::summary(const FormFields& settings) {
    FieldSnapshot copy(settings);
    const SettingReader reader(copy);
    try {
        if (reader.isDesigned()) {
            return {};
        }
        QStringList parts;
        for (const FormFields::Setting& setting : FormFields::settings) {
            const double field = reader.number(setting.field);
            const bool quiet = setting.quietAtStartUp &&
                               setting.recorded(field) == setting.recorded(setting.startUp);
            if (setting.isExperiment() && !quiet && reader.applies(setting.field)) {
                parts << part(setting, field);
            }
        }
        QString line = parts.join(QStringLiteral(", "));
        line[0] = line[0].toUpper();
        const double fit = ExpectedPattern::fromSettings(reader).sumFit(
            Scene::scalesFor(reader.number(SettingField::PhotonsPerDot)).sum);
        if (fit < 1) {
            line += tr(", sums drawn at %1 %").arg(std::lround(fit * 100));
        }
        return line;
    } catch (const SettingError&) {
        return {};
    }
}
