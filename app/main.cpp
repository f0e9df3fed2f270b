// Start-up: Qt takes its own options first, then the command line is judged; until then the
// toolkit's messages are held, so that a bad argument gets one line and nothing else. Help, the
// version, a render and a bad command line need no display.
#include "CommandLine.h"
#include "HeadlessRender.h"
#include "StartupMessages.h"
#include "Translations.h"
#include "frmSlitwise.h"

#include <QApplication>

#include <cstdio>

namespace {

// Whether the window could be shown at all: a display to connect to, or a platform chosen by
// the user.
bool displayReachable(const QStringList& typed) {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           typed.contains(QStringLiteral("-platform")) ||
           typed.contains(QStringLiteral("--platform"));
}

} // namespace

int main(int argc, char** argv) {
    StartupMessages::hold();
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
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("slitwise"));
    QCoreApplication::setApplicationVersion(QStringLiteral(SLITWISE_VERSION));
    Translations::install();

    const CommandLine line = CommandLine::parse(QCoreApplication::arguments().mid(1));
    if (!line.error.isEmpty()) {
        StartupMessages::discard();
        std::fprintf(stderr, "%s\n", qPrintable(line.error));
        return 2;
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
    case CommandLine::Mode::Render: {
        frmSlitwise window(line.seed);
        window.zoomTo(line.scale);
        return HeadlessRender::run(line, window, window.session(),
                                   [&window] { return window.composedPicture(); });
    }
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
    window.show();
    return app.exec();
}
