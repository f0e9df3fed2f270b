// Start-up: Qt takes its own options first, then the command line is judged; until then the
// toolkit's messages are held, so that a bad argument gets one line and nothing else. Help, the
// version, a render and a bad command line need no display.
#include "CommandLine.h"
#include "HeadlessRender.h"
#include "SetupCommands.h"
#include "StartupMessages.h"
#include "ToolkitStart.h"
#include "Translations.h"
#include "frmSlitwise.h"

#include <QApplication>
#include <QRegularExpression>

#include <algorithm>
#include <cstdio>

namespace {

// The one line for a platform the toolkit could not start (a typo after -platform, a bad
// QT_QPA_PLATFORM, an X display that refuses the connection), made from the toolkit's messages:
// which platform it tried, and the ones it has. Empty for any other fatal message.
QString platformRefusal(const QString& messages) {
    const QString platform = QRegularExpression(QStringLiteral("platform plugin \"([^\"]*)\""))
                                 .match(messages)
                                 .captured(1);
    if (platform.isEmpty()) {
        return {};
    }
    const QString available =
        QRegularExpression(QStringLiteral("Available platform plugins are: ([^\n]*[^.\n])"))
            .match(messages)
            .captured(1);
    // The application object exists by now, but its translations are not yet installed.
    Translations::install();
    return QCoreApplication::translate("main", "slitwise: the platform '%1' could not be started; "
                                               "available platforms: %2")
        .arg(platform, available);
}

// Whether the window could be shown at all: a display to connect to, or a platform chosen by
// the user (a bare -platform at the end chooses none, and is refused later).
bool displayReachable(const QStringList& typed) {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           std::any_of(typed.begin(), typed.end() - std::min<qsizetype>(1, typed.size()),
                       [](const QString& argument) {
                           return argument == QStringLiteral("-platform") ||
                                  argument == QStringLiteral("--platform");
                       });
}

} // namespace

int main(int argc, char** argv) {
    StartupMessages::hold(platformRefusal);
    QStringList typed;
    for (int i = 1; i < argc; ++i) {
        typed << QString::fromLocal8Bit(argv[i]);
    }
    const bool windowWanted = !CommandLine::asksForNoWindow(typed);
    const bool canShow = displayReachable(typed);
    if (!windowWanted || !canShow) {
        // A -platform on the command line still wins over this.
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (!windowWanted) {
        // A rendered picture has its own size, whatever the screen's scaling.
        qunsetenv("QT_SCALE_FACTOR");
        qunsetenv("QT_SCREEN_SCALE_FACTORS");
    }
    const std::unique_ptr<QApplication> app = ToolkitStart::start(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("slitwise"));
    QCoreApplication::setApplicationVersion(QStringLiteral(SLITWISE_VERSION));
    Translations::install();

    CommandLine line = CommandLine::parse(QCoreApplication::arguments().mid(1));
    if (line.error.isEmpty()) {
        // The toolkit takes its own options silently, even one missing its value.
        line.error = CommandLine::toolkitRefusal(typed);
    }
    if (!line.error.isEmpty()) {
        StartupMessages::discard();
        std::fprintf(stderr, "%s\n", qPrintable(line.error));
        return 2;
    }
    for (const QString& warning : std::as_const(line.setupWarnings)) {
        std::fprintf(stderr, "slitwise: %s\n", qPrintable(warning));
    }
    switch (line.mode) {
    case CommandLine::Mode::Help:
        StartupMessages::discard();
        std::fputs(qPrintable(CommandLine::helpText()), stdout);
        return 0;
    case CommandLine::Mode::HelpAll:
        StartupMessages::discard();
        CommandLine::showHelpAll();
        return 0;
    case CommandLine::Mode::Version:
        StartupMessages::discard();
        std::printf("slitwise %s\n", SLITWISE_VERSION);
        return 0;
    case CommandLine::Mode::Render:
        return HeadlessRender::run(line);
    case CommandLine::Mode::Probe:
        return HeadlessRender::probe(line);
    case CommandLine::Mode::Window:
        break;
    }
    if (!canShow) {
        StartupMessages::discard();
        std::fprintf(stderr, "%s\n",
                     qPrintable(QCoreApplication::translate(
                         "main", "slitwise: no display to show the window on (DISPLAY and "
                                 "WAYLAND_DISPLAY are unset); --render FILE.png makes a picture "
                                 "without one")));
        return 1;
    }
    StartupMessages::release();
    // Matches the window to its menu entry and icon on desktops that go by the entry's name.
    QGuiApplication::setDesktopFileName(QStringLiteral(SLITWISE_APP_ID));
    frmSlitwise window(line.seed);
    SetupCommands setups(window);
    if (line.setupPath.isEmpty()) {
        line.applyExperiment(window.settings());
    }
    window.show();
    // Over the window, so that a bad file's message stands over it.
    if (!line.setupPath.isEmpty()) {
        setups.open(line.setupPath, line);
    }
    return QApplication::exec();
}
