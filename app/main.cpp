// Start-up: the command line is read before any toolkit is set up, so that help, version and bad
// arguments need no display. A render runs on the offscreen platform.
#include "CommandLine.h"
#include "HeadlessRender.h"
#include "frmSlitwise.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    const CommandLine line = CommandLine::parse(arguments);
    if (!line.error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(line.error));
        return 2;
    }
    switch (line.mode) {
    case CommandLine::Mode::Help:
        std::fputs(qPrintable(CommandLine::helpText()), stdout);
        return 0;
    case CommandLine::Mode::Version:
        std::printf("slitwise %s\n", SLITWISE_VERSION);
        return 0;
    case CommandLine::Mode::Render: {
        // No display is needed, and the picture is always 801 x 581 pixels.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qunsetenv("QT_SCALE_FACTOR");
        qunsetenv("QT_SCREEN_SCALE_FACTORS");
        QApplication app(argc, argv);
        return HeadlessRender::run(line);
    }
    case CommandLine::Mode::Window:
        break;
    }
    QApplication app(argc, argv);
    // Matches the window to its menu entry and icon on desktops that go by the entry's name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Slitwise"));
    frmSlitwise window(line.seed);
    window.show();
    return app.exec();
}
