// Qt's parser reads the options once the toolkit has taken its own (-platform, -style, -reverse
// and the like). Its refusals are turned into one line that quotes the argument as typed, and the
// values are checked here, since only whole numbers from short lists make sense.
#include "CommandLine.h"

#include "CommandLineOptions.h"
#include "CommandList.h"
#include "PhotonChance.h"
#include "Scene.h"
#include "SetupFile.h"
#include "Translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <limits>

namespace {

QString quoted(const QString& text) {
    return QStringLiteral("'") + text + QStringLiteral("'");
}

// The options that take a value, as "--name".
const QStringList valueOptions = {QStringLiteral("--seed"),    QStringLiteral("--render"),
                                  QStringLiteral("--photons"), QStringLiteral("--slowdown"),
                                  QStringLiteral("--scale"),   QStringLiteral("--data"),
                                  QStringLiteral("--hits"),    QStringLiteral("--probe"),
                                  QStringLiteral("--setup"),   QStringLiteral("--compare")};
// The options that take none.
const QStringList flagOptions = {QStringLiteral("--expected"), QStringLiteral("--help"),
                                 QStringLiteral("--help-all"), QStringLiteral("--version"),
                                 QStringLiteral("-h"),         QStringLiteral("-v")};

// The toolkit's own options that take a value, as "-name"; it also takes them as "--name".
const QStringList toolkitValueOptions = {
    QStringLiteral("-platform"),        QStringLiteral("-platformpluginpath"),
    QStringLiteral("-platformtheme"),   QStringLiteral("-plugin"),
    QStringLiteral("-qwindowgeometry"), QStringLiteral("-qwindowicon"),
    QStringLiteral("-qwindowtitle"),    QStringLiteral("-session"),
    QStringLiteral("-style"),           QStringLiteral("-stylesheet"),
    QStringLiteral("-display")};

// Qt's parser words its own -h, --help-all and -v through its catalogue, which lacks some of them
// in some languages and uses another register; the program's catalogue words them too, and is
// asked first. Listed here for lupdate, which takes them into the catalogue.
[[maybe_unused]] constexpr const char* qtOptionTexts[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help on commandline options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help including Qt specific options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays version information.")};

QString epilogue() {
    QString keys = CommandLine::tr("\nKeys in the window:\n");
    for (const Command& command : CommandList::all()) {
        keys += QStringLiteral("  %1 %2\n")
                    .arg(CommandList::key(command), -16)
                    .arg(CommandList::help(command));
    }
    return keys + CommandLine::tr(
                      "\n"
                      "The standard Qt options are accepted as well, among them -platform NAME, "
                      "-style NAME\n"
                      "and -reverse; --help-all lists them all.\n"
                      "\n"
                      "Bad arguments print one line on standard error and exit with status 2.\n");
}

bool takesValue(const QString& option) {
    return valueOptions.contains(option) || ExperimentOptions::names(true).contains(option);
}

// The argument as typed that Qt's parser found unknown under `name` (given without dashes).
QString typedOption(const QStringList& arguments, const QString& name) {
    for (const QString& argument : arguments) {
        if (argument.startsWith(QStringLiteral("--"))) {
            if (argument.mid(2).section(QLatin1Char('='), 0, 0) == name) {
                return argument;
            }
        } else if (argument.startsWith(QLatin1Char('-')) && argument.mid(1).contains(name)) {
            return argument;
        }
    }
    return QStringLiteral("-") + name;
}

// Why Qt's parser refused the arguments, when no option was unknown: an option missing its value
// or a flag given one.
QString refusal(const QStringList& arguments, const QCommandLineParser& parser) {
    for (const QString& argument : arguments) {
        const QString option = argument.section(QLatin1Char('='), 0, 0);
        if (argument.contains(QLatin1Char('=')) &&
            (flagOptions.contains(option) || ExperimentOptions::names(false).contains(option))) {
            return CommandLine::tr("%1 takes no value").arg(option);
        }
    }
    if (!arguments.isEmpty() && takesValue(arguments.last())) {
        return CommandLine::tr("%1 needs a value").arg(arguments.last());
    }
    return parser.errorText();
}

// "--" ends the options for Qt's parser; the setup file is taken without it, so a "--" that is
// not an option's value is refused like any stray word.
bool hasStrayDoubleDash(const QStringList& arguments) {
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == QStringLiteral("--") && (i == 0 || !takesValue(arguments[i - 1]))) {
            return true;
        }
    }
    return false;
}

} // namespace

CommandLine CommandLine::parse(const QStringList& arguments) {
    return parse(arguments, false);
}

CommandLine CommandLine::parse(const QStringList& arguments, bool fromFile) {
    CommandLine line;
    const auto fail = [&line](const QString& message) {
        line.error = QStringLiteral("slitwise: ") + message;
        return line;
    };

    QCommandLineParser parser;
    const CommandLineOptions options(parser);
    if (!parser.parse(QStringList(QStringLiteral("slitwise")) + arguments)) {
        if (!parser.unknownOptionNames().isEmpty()) {
            return fail(CommandLine::tr("unknown option %1 (see --help)")
                            .arg(quoted(typedOption(arguments, parser.unknownOptionNames()[0]))));
        }
        return fail(refusal(arguments, parser));
    }
    if (hasStrayDoubleDash(arguments)) {
        return fail(CommandLine::tr("unexpected argument %1 (see --help)")
                        .arg(quoted(QStringLiteral("--"))));
    }

    // An option given twice would leave one of its values unused without a word.
    QStringList given;
    for (const QString& name : parser.optionNames()) {
        const QString option = (name == QStringLiteral("h") || name == QStringLiteral("?"))
                                   ? QStringLiteral("help")
                               : name == QStringLiteral("v") ? QStringLiteral("version")
                                                             : name;
        // Each --compare names one more pattern to draw.
        if (given.contains(option) && option != QStringLiteral("compare")) {
            return fail(CommandLine::tr("--%1 is given twice").arg(option));
        }
        given << option;
    }
    line.given = given;
    // One word beside the options is the setup file, as a desktop's double click gives it; a word
    // of another suffix is more likely a mistake, such as a picture's name without --render.
    const QStringList words = parser.values(options.setup) + parser.positionalArguments();
    const auto stray = std::find_if(words.begin(), words.end(), [&](const QString& word) {
        return fromFile || &word != &words.first() ||
               !(parser.isSet(options.setup) ||
                 word.endsWith(QLatin1Char('.') + SetupFile::suffix, Qt::CaseInsensitive));
    });
    if (stray != words.end()) {
        return fail(CommandLine::tr("unexpected argument %1 (see --help)").arg(quoted(*stray)));
    }
    line.setupPath = words.value(0);

    for (const QString& value : parser.values(options.seed)) {
        // Digits only: toULongLong would also take a sign or a 0x prefix.
        bool ok = !value.isEmpty() && std::all_of(value.begin(), value.end(),
                                                  [](QChar c) { return c >= u'0' && c <= u'9'; });
        const qulonglong seed = ok ? value.toULongLong(&ok) : 0;
        if (!ok) {
            return fail(CommandLine::tr("--seed %1 is not a whole number from 0 to %2")
                            .arg(quoted(value))
                            .arg(std::numeric_limits<std::uint64_t>::max()));
        }
        line.seed = seed;
    }
    for (const auto& [option, path] :
         {std::pair(&options.render, &line.renderPath), std::pair(&options.data, &line.dataPath)}) {
        for (const QString& value : parser.values(*option)) {
            if (value.isEmpty()) {
                return fail(CommandLine::tr("--%1 needs a file name").arg(option->names().first()));
            }
            // Most likely the file name was left out: "--render --data x.csv" would otherwise
            // write a file named "--data". A file whose name begins with a dash is ./-name.
            if (value.startsWith(QLatin1Char('-')) && value != QStringLiteral("-")) {
                return fail(CommandLine::tr("--%1 needs a file name, not %2")
                                .arg(option->names().first(), quoted(value)));
            }
            *path = value;
            line.mode = Mode::Render;
        }
    }
    if (line.renderPath == QStringLiteral("-") && line.dataPath == QStringLiteral("-")) {
        return fail(CommandLine::tr("--render and --data cannot both write to standard output"));
    }
    for (const QString& value : parser.values(options.photons)) {
        bool ok = false;
        line.photons = value.toInt(&ok);
        const bool offered = std::any_of(
            std::begin(Scene::photonsRows), std::end(Scene::photonsRows),
            [&line](const Scene::PhotonsRow& row) { return row.photons == line.photons; });
        if (!ok || !offered) {
            return fail(CommandLine::tr("--photons %1 is not one of %2")
                            .arg(quoted(value), Scene::offeredPhotons()));
        }
    }
    for (const QString& value : parser.values(options.slowdown)) {
        bool ok = false;
        line.slowdown = value.toInt(&ok);
        if (!ok || line.slowdown < 1 || line.slowdown > 3) {
            return fail(CommandLine::tr("--slowdown %1 is not one of 1, 2, 3").arg(quoted(value)));
        }
    }
    for (const QString& value : parser.values(options.scale)) {
        bool ok = false;
        line.scale = ExperimentOptions::decimal(value, ok);
        // Written as "ok and in range" so that NaN fails too.
        if (!(ok && line.scale >= 0.5 && line.scale <= 4)) {
            return fail(
                CommandLine::tr("--scale %1 is not a number from 0.5 to 4").arg(quoted(value)));
        }
    }
    for (const QString& value : parser.values(options.hits)) {
        bool ok = false;
        line.hits = value.toLongLong(&ok);
        if (!ok || line.hits < 1 || line.hits > mostHits) {
            return fail(CommandLine::tr("--hits %1 is not a whole number from 1 to %2")
                            .arg(quoted(value))
                            .arg(mostHits));
        }
    }
    for (const QString& value : parser.values(options.probe)) {
        bool ok = false;
        const double y = ExperimentOptions::decimal(value, ok);
        if (!(ok && y >= PhotonChance::highestY && y <= PhotonChance::lowestY)) {
            return fail(CommandLine::tr("--probe %1 is not a height from %2 to %3")
                            .arg(quoted(value))
                            .arg(PhotonChance::highestY)
                            .arg(PhotonChance::lowestY));
        }
        line.probe = y;
        if (line.renderPath.isEmpty()) {
            if (!line.dataPath.isEmpty()) {
                return fail(CommandLine::tr("--probe goes with --data only beside --render"));
            }
            line.mode = Mode::Probe;
        }
    }
    const QStringList compared = parser.values(options.compare);
    if (!compared.isEmpty() && !fromFile && line.renderPath.isEmpty()) {
        return fail(CommandLine::tr("--compare goes only with --render"));
    }
    if (compared.size() > qsizetype(SnapshotLayer::most)) {
        return fail(
            CommandLine::tr("--compare is given more than %1 times").arg(SnapshotLayer::most));
    }
    for (const QString& path : compared) {
        QStringList warnings;
        const CommandLine setup = SetupFile::read(path, warnings);
        if (!setup.error.isEmpty()) {
            return fail(setup.error);
        }
        line.setupWarnings << warnings;
        line.compared.push_back(setup.experiment);
    }
    line.expected = parser.isSet(options.expected);
    QString refused;
    line.experiment = ExperimentOptions::read(parser, refused);
    if (!refused.isEmpty()) {
        return fail(refused);
    }
    for (const QCommandLineOption* renderOnly :
         {&options.photons, &options.slowdown, &options.scale, &options.expected, &options.hits}) {
        if (line.mode != Mode::Render && !fromFile && parser.isSet(*renderOnly)) {
            return fail(CommandLine::tr("--%1 goes only with --render or --data")
                            .arg(renderOnly->names().first()));
        }
    }
    if (parser.isSet(QStringLiteral("help-all"))) {
        line.mode = Mode::HelpAll;
    } else if (parser.isSet(options.help)) {
        line.mode = Mode::Help;
    } else if (parser.isSet(options.version)) {
        line.mode = Mode::Version;
    }
    // The window opens a bad setup with a message of its own; elsewhere it is a bad argument.
    if (!line.setupPath.isEmpty() && line.mode != Mode::Window) {
        QStringList warnings;
        const CommandLine setup = SetupFile::read(line.setupPath, warnings);
        if (!setup.error.isEmpty()) {
            return fail(setup.error);
        }
        line.setupWarnings << warnings;
        line.takeSetup(setup);
    }
    return line;
}

CommandLine CommandLine::parseSetup(const QStringList& arguments) {
    return parse(arguments, true);
}

void CommandLine::takeSetup(const CommandLine& setup) {
    const auto take = [this, &setup](const char* option, auto& value, const auto& its) {
        if (!given.contains(QLatin1String(option)) && setup.given.contains(QLatin1String(option))) {
            value = its;
            given << QLatin1String(option);
        }
    };
    take("seed", seed, setup.seed);
    take("photons", photons, setup.photons);
    take("slowdown", slowdown, setup.slowdown);
    take("hits", hits, setup.hits);
    expected = expected || setup.expected;
    // The options' texts are written after the file's, and so win.
    experiment = setup.experiment + experiment;
    view = setup.view;
}

bool CommandLine::asksForNoWindow(const QStringList& arguments) {
    return std::any_of(arguments.begin(), arguments.end(), [](const QString& argument) {
        return argument.startsWith(QStringLiteral("--render")) ||
               argument.startsWith(QStringLiteral("--probe")) ||
               argument.startsWith(QStringLiteral("--data")) || flagOptions.contains(argument);
    });
}

QString CommandLine::toolkitRefusal(const QStringList& arguments) {
    if (arguments.isEmpty()) {
        return {};
    }
    const QString& last = arguments.last();
    const QString option = last.startsWith(QStringLiteral("--")) ? last.mid(1) : last;
    if (!toolkitValueOptions.contains(option)) {
        return {};
    }
    return QStringLiteral("slitwise: ") + CommandLine::tr("%1 needs a value").arg(last);
}

QString CommandLine::helpText() {
    QCommandLineParser parser;
    const CommandLineOptions options(parser);
    // Qt's usage line names the program by the path it was started with; these name it plainly.
    const QString usage = CommandLine::tr(
        "Usage: slitwise [options]\n"
        "       slitwise [--render FILE.png] [--data FILE.csv] [--photons N] [--slowdown S]\n"
        "                [--scale Z] [--expected] [--hits N] [--probe Y] [--seed N]\n"
        "                [--setup FILE.slitwise | FILE.slitwise]\n");
    // The experiment's lines stand under the last of these, however the language indents it.
    const QString last = usage.section(QLatin1Char('\n'), -2, -2);
    qsizetype indent = 0;
    while (indent < last.size() && last.at(indent) == QLatin1Char(' ')) {
        ++indent;
    }
    return usage + ExperimentOptions::usage(indent) +
           parser.helpText().section(QLatin1Char('\n'), 1) + epilogue();
}

void CommandLine::applyExperiment(FormFields& fields) const {
    for (const auto& [field, text] : experiment) {
        fields.setText(field, text);
    }
}

void CommandLine::showHelpAll() {
    // Only Qt's parser knows the toolkit's options; it prints them and exits with status 0.
    QCommandLineParser parser;
    const CommandLineOptions options(parser);
    parser.process(QCoreApplication::arguments());
}
