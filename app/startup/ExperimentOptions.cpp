// Whole pixels for the lengths a teacher sets, a decimal number for the wavelength, and words for
// the open slits. Each bad value is refused with the range it should be in.
#include "ExperimentOptions.h"

#include "Conversion.h"
#include "ExperimentSettings.h"
#include "Scene.h"

#include <QCommandLineParser>
#include <QLocale>

#include <algorithm>
#include <cmath>

namespace {

QString quoted(const QString& text) {
    return QStringLiteral("'") + text + QStringLiteral("'");
}

// Digits only, within the bounds.
std::optional<int> wholeNumber(const QString& value, int lowest, int highest) {
    bool ok =
        !value.isEmpty() && value.size() <= 6 &&
        std::all_of(value.begin(), value.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    const int number = ok ? value.toInt(&ok) : 0;
    if (!ok || number < lowest || number > highest) {
        return std::nullopt;
    }
    return number;
}

const QStringList slitWords = {QStringLiteral("both"), QStringLiteral("upper"),
                               QStringLiteral("lower")};

} // namespace

QStringList ExperimentOptions::valueOptions() {
    return {QStringLiteral("--distance"),   QStringLiteral("--separation"),
            QStringLiteral("--wavelength"), QStringLiteral("--turn"),
            QStringLiteral("--slit-width"), QStringLiteral("--slits")};
}

QStringList ExperimentOptions::flagOptions() {
    return {QStringLiteral("--which-slit")};
}

ExperimentOptions::ExperimentOptions()
    : distance_(QStringLiteral("distance"),
                tr("Distance from the slits to the detector, %1 to %2 pixels (default %3).")
                    .arg(ExperimentSettings::shortestDistance)
                    .arg(ExperimentSettings::longestDistance)
                    .arg(Scene::distanceOfField(FormFields::startUpValue(SettingField::Distance))),
                QStringLiteral("D")),
      separation_(QStringLiteral("separation"),
                  tr("Slit separation, %1 to %2 pixels (default %3).")
                      .arg(ExperimentSettings::narrowestSeparation)
                      .arg(ExperimentSettings::widestSeparation)
                      .arg(FormFields::startUpValue(SettingField::SlitSeparation)),
                  QStringLiteral("D")),
      wavelength_(QStringLiteral("wavelength"),
                  tr("Wavelength, %1 to %2 pixels (default 2π, about 6.28).")
                      .arg(ExperimentSettings::shortestWavelength)
                      .arg(ExperimentSettings::longestWavelength),
                  QStringLiteral("L")),
      turn_(QStringLiteral("turn"),
            tr("Instead of --wavelength: the arrow's turn per pixel of path, in radians "
               "from 0.2513 to 2.0944 (default 1): a wavelength of 2π divided by it."),
            QStringLiteral("T")),
      slitWidth_(QStringLiteral("slit-width"),
                 tr("Slit width, 0 to %1 pixels (default 0, point slits).")
                     .arg(ExperimentSettings::widestSlit),
                 QStringLiteral("W")),
      slits_(QStringLiteral("slits"), tr("Open slits: both, upper or lower (default both)."),
             QStringLiteral("WHICH")),
      whichSlit_(QStringLiteral("which-slit"),
                 tr("Turn the which-slit detector on: each photon's slit is recorded.")) {}

void ExperimentOptions::addTo(QCommandLineParser& parser) const {
    parser.addOptions({distance_, separation_, wavelength_, turn_, slitWidth_, slits_, whichSlit_});
}

QString ExperimentOptions::usage(qsizetype indent) {
    const QString margin(indent, QLatin1Char(' '));
    return margin +
           QStringLiteral("[--distance D] [--separation D] [--wavelength L | --turn T] "
                          "[--slit-width W]\n") +
           margin + QStringLiteral("[--slits both|upper|lower] [--which-slit]\n");
}

ExperimentOptions::Texts ExperimentOptions::read(const QCommandLineParser& parser,
                                                 QString& error) const {
    Texts texts;
    const auto fail = [&](const QString& message) {
        error = message;
        return Texts();
    };
    struct Whole {
        const QCommandLineOption* option;
        SettingField field;
        int lowest;
        int highest;
        int toField; // added to the value typed to give the field's text
    };
    const Whole wholes[] = {
        {&distance_, SettingField::Distance, ExperimentSettings::shortestDistance,
         ExperimentSettings::longestDistance, static_cast<int>(Scene::fieldOfDistance(0))},
        {&separation_, SettingField::SlitSeparation, ExperimentSettings::narrowestSeparation,
         ExperimentSettings::widestSeparation, 0},
        {&slitWidth_, SettingField::SlitWidth, 0, ExperimentSettings::widestSlit, 0},
    };
    for (const Whole& whole : wholes) {
        for (const QString& value : parser.values(*whole.option)) {
            const std::optional<int> number = wholeNumber(value, whole.lowest, whole.highest);
            if (!number) {
                return fail(tr("--%1 %2 is not a whole number from %3 to %4")
                                .arg(whole.option->names().first(), quoted(value))
                                .arg(whole.lowest)
                                .arg(whole.highest));
            }
            texts.append({whole.field, Conversion::toText(*number + whole.toField)});
        }
    }
    if (parser.isSet(wavelength_) && parser.isSet(turn_)) {
        return fail(tr("--wavelength and --turn cannot both be given"));
    }
    for (const QString& value : parser.values(wavelength_)) {
        bool ok = false;
        const double wavelength = QLocale::c().toDouble(value, &ok);
        // Written as "ok and in range" so that NaN fails too.
        if (!(ok && wavelength >= ExperimentSettings::shortestWavelength &&
              wavelength <= ExperimentSettings::longestWavelength)) {
            return fail(tr("--wavelength %1 is not a number from %2 to %3")
                            .arg(quoted(value))
                            .arg(ExperimentSettings::shortestWavelength)
                            .arg(ExperimentSettings::longestWavelength));
        }
        texts.append({SettingField::TurnPerPixel, ExperimentSettings::turnText(wavelength)});
    }
    // The turns of the longest and the shortest wavelength, to the four places the help shows.
    const auto rounded = [](double turn) { return std::round(turn * 1e4) / 1e4; };
    const double smallestTurn =
        rounded(ExperimentSettings::wavelengthOf(ExperimentSettings::longestWavelength));
    const double largestTurn =
        rounded(ExperimentSettings::wavelengthOf(ExperimentSettings::shortestWavelength));
    for (const QString& value : parser.values(turn_)) {
        bool ok = false;
        const double turn = QLocale::c().toDouble(value, &ok);
        if (!(ok && turn >= smallestTurn && turn <= largestTurn)) {
            return fail(tr("--turn %1 is not a number from %2 to %3")
                            .arg(quoted(value))
                            .arg(smallestTurn)
                            .arg(largestTurn));
        }
        texts.append({SettingField::TurnPerPixel, QLocale::c().toString(turn, 'g', 8)});
    }
    for (const QString& value : parser.values(slits_)) {
        const qsizetype choice = slitWords.indexOf(value);
        if (choice < 0) {
            return fail(tr("--slits %1 is not one of both, upper, lower").arg(quoted(value)));
        }
        texts.append({SettingField::OpenSlits, Conversion::toText(choice)});
    }
    if (parser.isSet(whichSlit_)) {
        texts.append({SettingField::WhichSlitDetector, Conversion::toText(1)});
    }
    return texts;
}
