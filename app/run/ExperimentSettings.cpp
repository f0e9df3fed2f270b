// The settings are read the way a run reads them, from a copy, so that the texts a summary names
// are exactly the numbers the run went by.
#include "ExperimentSettings.h"

#include "ExpectedPattern.h"
#include "Experiment.h"
#include "FieldSnapshot.h"
#include "Scene.h"
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
    try {
        return Experiment::fromSettings(SettingReader(copy)).isDesigned();
    } catch (const SettingError&) {
        return false;
    }
}

bool ExperimentSettings::sameExperiment(const FormFields& one, const FormFields& other) {
    FieldSnapshot first(one);
    FieldSnapshot second(other);
    try {
        return Experiment::fromSettings(SettingReader(first))
            .sameAs(Experiment::fromSettings(SettingReader(second)));
    } catch (const SettingError&) {
        return false;
    }
}

void ExperimentSettings::drawSummary(QImage& picture, const FormFields& settings, double zoom,
                                     double right) {
    const QString line = summary(settings);
    if (line.isEmpty()) {
        return;
    }
    QPainter painter(&picture);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(12 * zoom))));
    painter.setFont(font);
    painter.setPen(Qt::black);
    // Design pixels: along the bottom edge, clear of the apparatus, wrapped onto a second line
    // when the words are long.
    const QRectF area(8 * zoom, (581 - 36) * zoom, (right - 8) * zoom, 34 * zoom);
    painter.drawText(area, Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap, line);
}

QString ExperimentSettings::summary(const FormFields& settings) {
    if (isDesigned(settings)) {
        return {};
    }
    FieldSnapshot copy(settings);
    const SettingReader reader(copy);
    try {
        const double turn = reader.number(SettingField::TurnPerPixel);
        const OpenSlits open = reader.openSlits();
        const QString slits = open == OpenSlits::Both    ? tr("both slits open")
                              : open == OpenSlits::Upper ? tr("upper slit only")
                                                         : tr("lower slit only");
        QString line =
            tr("Distance %1 px, slit separation %2 px, wavelength %3 px (%4 rad/px), slit "
               "width %5 px, %6, which-slit detector %7")
                .arg(shown(Scene::distanceOfField(reader.number(SettingField::Distance)), 2),
                     shown(reader.number(SettingField::SlitSeparation), 2),
                     shown(wavelengthOf(turn), 1), shown(turn, 3),
                     shown(std::max(0.0, reader.number(SettingField::SlitWidth)), 2), slits,
                     reader.whichSlitDetector() ? tr("on") : tr("off"));
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
