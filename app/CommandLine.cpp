// Parsing by hand, because the rules are few and each refusal must name the bad argument in one
// line. Options take their value as the next argument or after '='.
#include "CommandLine.h"

#include <QSet>

#include <algorithm>
#include <limits>

namespace {

const QSet<int> offeredPhotons = {1, 5, 10, 50, 100, 500};

QString quoted(const QString& text) {
    return QStringLiteral("'") + text + QStringLiteral("'");
}

} // namespace

CommandLine CommandLine::parse(const QStringList& arguments) {
    CommandLine line;
    bool sawPhotons = false;
    bool sawSlowdown = false;
    const auto fail = [&line](const QString& message) {
        line.error = QStringLiteral("slitwise: ") + message;
        return line;
    };

    for (int i = 0; i < arguments.size(); ++i) {
        QString option = arguments[i];
        std::optional<QString> value;
        if (option.startsWith(QStringLiteral("--")) && option.contains(QLatin1Char('='))) {
            value = option.section(QLatin1Char('='), 1);
            option = option.section(QLatin1Char('='), 0, 0);
        }
        if (option == QStringLiteral("--help") || option == QStringLiteral("--version")) {
            if (value) {
                return fail(QStringLiteral("%1 takes no value").arg(option));
            }
            line.mode = option == QStringLiteral("--help") ? Mode::Help : Mode::Version;
            continue;
        }
        const bool takesValue =
            option == QStringLiteral("--seed") || option == QStringLiteral("--render") ||
            option == QStringLiteral("--photons") || option == QStringLiteral("--slowdown");
        if (!takesValue) {
            return fail(QStringLiteral("unknown option %1 (see --help)").arg(quoted(arguments[i])));
        }
        if (!value) {
            if (i + 1 >= arguments.size()) {
                return fail(QStringLiteral("%1 needs a value").arg(option));
            }
            value = arguments[++i];
        }
        bool ok = false;
        if (option == QStringLiteral("--render")) {
            if (value->isEmpty()) {
                return fail(QStringLiteral("--render needs a file name"));
            }
            line.renderPath = *value;
            if (line.mode == Mode::Window) {
                line.mode = Mode::Render;
            }
        } else if (option == QStringLiteral("--seed")) {
            // Digits only: toULongLong would also take a sign or a 0x prefix.
            const bool digits =
                !value->isEmpty() && std::all_of(value->begin(), value->end(),
                                                 [](QChar c) { return c >= u'0' && c <= u'9'; });
            const qulonglong seed = digits ? value->toULongLong(&ok) : 0;
            if (!ok) {
                return fail(QStringLiteral("--seed %1 is not a whole number from 0 to %2")
                                .arg(quoted(*value))
                                .arg(std::numeric_limits<std::uint64_t>::max()));
            }
            line.seed = seed;
        } else if (option == QStringLiteral("--photons")) {
            const int photons = value->toInt(&ok);
            if (!ok || !offeredPhotons.contains(photons)) {
                return fail(QStringLiteral("--photons %1 is not one of 1, 5, 10, 50, 100, 500")
                                .arg(quoted(*value)));
            }
            line.photons = photons;
            sawPhotons = true;
        } else {
            const int slowdown = value->toInt(&ok);
            if (!ok || slowdown < 1 || slowdown > 3) {
                return fail(
                    QStringLiteral("--slowdown %1 is not one of 1, 2, 3").arg(quoted(*value)));
            }
            line.slowdown = slowdown;
            sawSlowdown = true;
        }
    }
    if (line.mode == Mode::Window && (sawPhotons || sawSlowdown)) {
        return fail(
            QStringLiteral("%1 goes only with --render")
                .arg(sawPhotons ? QStringLiteral("--photons") : QStringLiteral("--slowdown")));
    }
    return line;
}

QString CommandLine::helpText() {
    return QStringLiteral(
        "Usage: slitwise [--seed N]\n"
        "       slitwise --render FILE.png [--photons N] [--slowdown S] [--seed N]\n"
        "\n"
        "Shows the double-slit experiment with single photons as phase arrows. Press Start to\n"
        "build the interference pattern bar by bar.\n"
        "\n"
        "Options:\n"
        "  --seed N          seed the random numbers (0 to 18446744073709551615), so that a run\n"
        "                    can be repeated exactly; without it they are seeded from the clock\n"
        "  --render FILE     make one whole run at full speed without a window and write the\n"
        "                    801 x 581 drawing area to FILE as a PNG\n"
        "  --photons N       with --render: photons per dot, one of 1, 5, 10, 50, 100, 500\n"
        "                    (default 50)\n"
        "  --slowdown S      with --render: slowdown, 1 to 3 (default 1)\n"
        "  --version         print the version\n"
        "  --help            print this text\n"
        "\n"
        "Bad arguments print one line on standard error and exit with status 2.\n");
}
