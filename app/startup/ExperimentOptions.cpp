// Whole numbers for the lengths a teacher sets, a decimal number for the wavelength or the turn,
// and words for a choice. Each bad value is refused with the range or the words it should be in,
// its numbers written as the language of the texts writes them.
#include "ExperimentOptions.h"

#include "Conversion.h"
#include "Translations.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <vector>

namespace {

// One option of a setting: its own, or the one for its field's own number.
struct Option {
    const FormFields::Setting& setting;
    const SettingOption& option;
    bool ofField;
    QString name() const { return QString::fromLatin1(option.name); }
    bool whole() const { return setting.kind == SettingKind::Whole && !ofField; }
};

std::vector<Option> allOptions() {
    std::vector<Option> options;
    for (const FormFields::Setting& setting : FormFields::settings) {
        if (setting.option.name != nullptr) {
            options.push_back({setting, setting.option, false});
        }
        if (setting.fieldOption.name != nullptr) {
            options.push_back({setting, setting.fieldOption, true});
        }
    }
    return options;
}

QString quoted(const QString& text) {
    return QStringLiteral("'") + text + QStringLiteral("'");
}

QStringList wordsOf(const FormFields::Setting& setting) {
    QStringList words;
    for (const SettingChoice& choice : setting.choices) {
        words << QString::fromLatin1(choice.word);
    }
    return words;
}

// The field's text for a value given to an option, or an empty text and why it is refused.
QString typed(const Option& option, const QString& value, QString& error) {
    const FormFields::Setting& setting = option.setting;
    if (setting.kind == SettingKind::Choice) {
        const QStringList words = wordsOf(setting);
        if (words.contains(value)) {
            return Conversion::toText(words.indexOf(value));
        }
        error = ExperimentOptions::tr("--%1 %2 is not one of %3")
                    .arg(option.name(), quoted(value), words.join(QStringLiteral(", ")));
        return {};
    }
    auto [lowest, highest] = std::pair(setting.lowest, setting.highest);
    if (option.ofField) {
        // To the four places its help shows.
        const auto rounded = [&](double value) {
            return std::round(setting.fieldOf(value) * 1e4) / 1e4;
        };
        std::tie(lowest, highest) = std::minmax({rounded(lowest), rounded(highest)});
    }
    bool ok = false;
    double number = 0;
    if (!option.whole()) {
        number = ExperimentOptions::decimal(value, ok);
    } else if (!value.isEmpty() && value.size() <= 6 &&
               std::all_of(value.begin(), value.end(),
                           [](QChar c) { return c >= u'0' && c <= u'9'; })) {
        // Digits only: toInt would also take a sign.
        number = value.toInt(&ok);
    }
    // Written as "ok and in range" so that NaN fails too.
    if (ok && number >= lowest && number <= highest) {
        return option.ofField ? setting.textOf(number) : setting.fieldText(number);
    }
    error = (option.whole() ? ExperimentOptions::tr("--%1 %2 is not a whole number from %3 to %4")
                            : ExperimentOptions::tr("--%1 %2 is not a number from %3 to %4"))
                .arg(option.name(), quoted(value), Translations::language().toString(lowest),
                     Translations::language().toString(highest));
    return {};
}

} // namespace

QStringList ExperimentOptions::names(bool takingValue) {
    QStringList names;
    for (const Option& option : allOptions()) {
        if ((option.option.valueName != nullptr) == takingValue) {
            names << QStringLiteral("--") + option.name();
        }
    }
    return names;
}

void ExperimentOptions::addTo(QCommandLineParser& parser) {
    for (const Option& option : allOptions()) {
        const FormFields::Setting& setting = option.setting;
        QString help = tr(option.option.help);
        const double values[] = {setting.lowest, setting.highest, setting.valueOf(setting.startUp)};
        for (int i = 0; i < 3; ++i) {
            help.replace(QLatin1Char('%') + QString::number(i + 1),
                         Translations::language().toString(values[i]));
        }
        QCommandLineOption made(option.name(), help);
        if (option.option.valueName != nullptr) {
            made.setValueName(QString::fromLatin1(option.option.valueName));
        }
        parser.addOption(made);
    }
}

QString ExperimentOptions::usage(qsizetype indent) {
    // Characters of options a line holds, besides its indent.
    constexpr qsizetype width = 80;
    QStringList parts;
    for (const Option& option : allOptions()) {
        QString part = QStringLiteral("--") + option.name();
        if (option.setting.kind == SettingKind::Choice) {
            part += QLatin1Char(' ') + wordsOf(option.setting).join(QLatin1Char('|'));
        } else if (option.option.valueName != nullptr) {
            part += QLatin1Char(' ') + QString::fromLatin1(option.option.valueName);
        }
        // Given instead of the setting's own option, so shown as its alternative.
        if (option.ofField) {
            parts.last().insert(parts.last().size() - 1, QStringLiteral(" | ") + part);
        } else {
            parts << QLatin1Char('[') + part + QLatin1Char(']');
        }
    }
    const QString margin(indent, QLatin1Char(' '));
    QString lines;
    QString line;
    for (const QString& part : std::as_const(parts)) {
        if (!line.isEmpty() && line.size() + 1 + part.size() > width) {
            lines += margin + line + QLatin1Char('\n');
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + part;
    }
    return lines + margin + line + QLatin1Char('\n');
}

double ExperimentOptions::decimal(const QString& typed, bool& ok) {
    QString point = typed;
    // One comma, and no point beside it: no number is written with a separator of thousands here.
    if (typed.count(QLatin1Char(',')) == 1 && !typed.contains(QLatin1Char('.'))) {
        point.replace(QLatin1Char(','), QLatin1Char('.'));
    }
    return QLocale::c().toDouble(point, &ok);
}

ExperimentOptions::Texts ExperimentOptions::read(const QCommandLineParser& parser, QString& error) {
    Texts texts;
    for (const Option& option : allOptions()) {
        const FormFields::Setting& setting = option.setting;
        if (!option.ofField && setting.fieldOption.name != nullptr && parser.isSet(option.name()) &&
            parser.isSet(QString::fromLatin1(setting.fieldOption.name))) {
            error = tr("--%1 and --%2 cannot both be given")
                        .arg(option.name(), QString::fromLatin1(setting.fieldOption.name));
            return {};
        }
        // A switch's flag turns it on.
        if (option.option.valueName == nullptr && parser.isSet(option.name())) {
            texts.append({setting.field, Conversion::toText(1)});
        }
        for (const QString& value : parser.values(option.name())) {
            const QString text = typed(option, value, error);
            if (text.isEmpty()) {
                return {};
            }
            texts.append({setting.field, text});
        }
    }
    return texts;
}
