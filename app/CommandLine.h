// The command line: the window by default, a fixed seed for repeatable runs, and a whole run made
// without a window into a PNG. Bad arguments are refused with one line that names them.
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

class CommandLine {
public:
    enum class Mode { Window, Render, Help, Version };

    Mode mode = Mode::Window;
    std::optional<std::uint64_t> seed;
    QString renderPath;
    int photons = 50;
    int slowdown = 1;
    // Empty when the arguments were good; otherwise the one line to print before exiting with 2.
    QString error;

    // The arguments after the program's name.
    static CommandLine parse(const QStringList& arguments);
    static QString helpText();
};
