// The experiment's keys and the run's (photons, slowdown, seed, hits) are handed to the command
// line's own checks as options, so that a file is refused with the very words an option is; the
// switches and what only the window has are read here.
#include "SetupFile.h"

#include "CommandLine.h"
#include "Conversion.h"
#include "FormFields.h"
#include "RunPacer.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QSettings>

#include <cmath>
#include <optional>

namespace {

const QString group = QStringLiteral("Slitwise");
const QStringList switchWords = {QStringLiteral("off"), QStringLiteral("on")};

// The keys checked as the options of the same name, and those of the window's switches.
const QStringList runKeys = {QStringLiteral("photons"), QStringLiteral("slowdown"),
                             QStringLiteral("seed"), QStringLiteral("hits")};
const QStringList viewSwitches = {QStringLiteral("expected"), QStringLiteral("projector-colours"),
                                  QStringLiteral("panel"), QStringLiteral("screen"),
                                  QStringLiteral("full-screen")};
const QString paceKey = QStringLiteral("pace");
const QString questionKey = QStringLiteral("question");

// The switches among the experiment's settings: on or off, given on the command line by a flag.
bool isExperimentSwitch(const QString& key) {
    for (const FormFields::Setting& setting : FormFields::settings) {
        if (setting.option.name != nullptr && setting.option.valueName == nullptr &&
            key == QLatin1String(setting.option.name)) {
            return true;
        }
    }
    return false;
}

bool isExperimentKey(const QString& key) {
    for (const FormFields::Setting& setting : FormFields::settings) {
        for (const SettingOption& option : {setting.option, setting.fieldOption}) {
            if (option.name != nullptr && key == QLatin1String(option.name)) {
                return true;
            }
        }
    }
    return false;
}

QString quoted(const QString& text) {
    return QStringLiteral("'") + text + QStringLiteral("'");
}

// A value as written; Qt's INI format reads an unquoted comma as a list, as in "12,5".
QString valueOf(const QSettings& file, const QString& key) {
    const QVariant value = file.value(key);
    return value.typeId() == QMetaType::QStringList ? value.toStringList().join(QLatin1Char(','))
                                                    : value.toString();
}

QString switchText(bool on) {
    return switchWords[on ? 1 : 0];
}

} // namespace

CommandLine SetupFile::read(const QString& path, QStringList& warnings) {
    CommandLine refused;
    const auto fail = [&refused](const QString& why) {
        refused.error = why;
        return refused;
    };
    const QFileInfo info(path);
    if (!info.exists()) {
        return fail(tr("the setup %1 does not exist").arg(quoted(path)));
    }
    if (!info.isFile()) {
        return fail(tr("the setup %1 is not a file").arg(quoted(path)));
    }
    QFile readable(path);
    if (!readable.open(QIODevice::ReadOnly)) {
        return fail(
            tr("the setup %1 cannot be read: %2").arg(quoted(path), readable.errorString()));
    }
    readable.close();
    const QSettings file(path, QSettings::IniFormat);
    if (file.status() != QSettings::NoError) {
        return fail(tr("the setup %1 is not in the INI format").arg(quoted(path)));
    }
    const auto badValue = [&](const QString& why) {
        return fail(tr("in the setup %1: %2").arg(quoted(path), why));
    };

    QStringList options;
    SetupView view;
    for (const QString& entry : file.allKeys()) {
        const QString key = entry.section(QLatin1Char('/'), -1);
        const QString value = valueOf(file, entry);
        const bool known = isExperimentKey(key) || runKeys.contains(key) ||
                           viewSwitches.contains(key) || key == paceKey || key == questionKey;
        const bool grouped = entry == group + QLatin1Char('/') + key;
        if (!grouped || !known) {
            warnings << tr("unknown key %1 in the setup %2 skipped")
                            .arg(quoted(grouped ? key : entry), quoted(path));
        } else if (key == questionKey) {
            view.question = value;
        } else if (isExperimentSwitch(key) || viewSwitches.contains(key)) {
            if (!switchWords.contains(value)) {
                return badValue(
                    tr("%1 %2 is not one of %3")
                        .arg(key, quoted(value), switchWords.join(QStringLiteral(", "))));
            }
            const bool on = value == switchWords[1];
            if (isExperimentSwitch(key) && on) {
                options << QStringLiteral("--") + key;
            }
            std::optional<bool>* shown[] = {&view.expected, &view.projectorColours, &view.panel,
                                            &view.screen, &view.fullScreen};
            if (viewSwitches.contains(key)) {
                *shown[viewSwitches.indexOf(key)] = on;
            }
        } else if (key == paceKey) {
            bool ok = false;
            const int level = value.toInt(&ok);
            if (!ok || level < 1 || level > RunPacer::levelCount) {
                return badValue(tr("%1 %2 is not a whole number from %3 to %4")
                                    .arg(key, quoted(value))
                                    .arg(1)
                                    .arg(RunPacer::levelCount));
            }
            view.pace = level - 1;
        } else {
            options << QStringLiteral("--%1=%2").arg(key, value);
        }
    }
    CommandLine setup = CommandLine::parseSetup(options);
    if (!setup.error.isEmpty()) {
        // The option's words, naming the key as the file does.
        return badValue(setup.error.section(QStringLiteral(": "), 1)
                            .replace(QRegularExpression(QStringLiteral("--(?=[a-z])")), QString()));
    }
    setup.expected = view.expected.value_or(false);
    if (setup.expected) {
        setup.given << QStringLiteral("expected");
    }
    setup.view = view;
    return setup;
}

QByteArray SetupFile::text(const FormFields& settings, std::uint64_t seed, const SetupView& view) {
    QStringList lines = {
        QStringLiteral("; A setup of Slitwise: slitwise FILE opens it, and so does "
                       "Open setup (Ctrl+O) in the window."),
        QLatin1Char('[') + group + QLatin1Char(']')};
    const auto write = [&lines](const QString& key, const QString& value) {
        lines << key + QLatin1Char('=') + value;
    };
    for (const FormFields::Setting& setting : FormFields::settings) {
        const std::optional<double> field = Conversion::toNumber(settings.text(setting.field));
        if (!setting.isExperiment() || !field) {
            continue;
        }
        const QString key = QString::fromLatin1(setting.option.name);
        if (!setting.choices.empty()) {
            write(key, QString::fromLatin1(setting.choices[setting.choiceOf(*field)].word));
        } else if (setting.kind == SettingKind::Decimal) {
            // The value read where it gives the field's text back, else the field's own number.
            const QString value = QLocale::c().toString(setting.valueOf(*field), 'g', 8);
            if (setting.fieldText(QLocale::c().toDouble(value)) == settings.text(setting.field)) {
                write(key, value);
            } else {
                write(QString::fromLatin1(setting.fieldOption.name), settings.text(setting.field));
            }
        } else {
            write(key, Conversion::toText(std::lround(setting.valueOf(*field))));
        }
    }
    write(QStringLiteral("photons"), settings.text(SettingField::PhotonsPerDot));
    write(QStringLiteral("slowdown"), settings.text(SettingField::Slowdown));
    write(QStringLiteral("seed"), QString::number(seed));
    const std::optional<bool> shown[] = {view.expected, view.projectorColours, view.panel,
                                         view.screen, view.fullScreen};
    for (qsizetype i = 0; i < viewSwitches.size(); ++i) {
        write(viewSwitches[i], switchText(shown[i].value_or(false)));
    }
    write(paceKey, Conversion::toText(view.pace.value_or(0) + 1));
    return (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
}
