// The command line: the window by default, a fixed seed for repeatable runs, and a whole run made
// without a window into a PNG, its points into a CSV file, or both, each from a setup file as
// well. Bad arguments are refused with one line that names them. A setup file's keys are read as
// options too, so that a file is checked as the command line is.
#pragma once

#include "ExperimentOptions.h"
#include "FormFields.h"
#include "HitPacer.h"
#include "SetupView.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    enum class Mode { Window, Render, Probe, Help, HelpAll, Version };

    Mode mode = Mode::Window;
    std::optional<std::uint64_t> seed;
    QString renderPath; // the PNG to write, or empty; "-" for standard output
    QString dataPath;   // the CSV to write, or empty; "-" for standard output
    int photons = FormFields::startUpValue(SettingField::PhotonsPerDot);
    int slowdown = FormFields::startUpValue(SettingField::Slowdown);
    double scale = 1.0;    // of the rendered picture, 0.5 to 4
    bool expected = false; // the expected pattern drawn over the rendered picture
    long long hits = 0;    // single photons landed on the detector screen; 0: no screen
    // The arrow probe's height, in pixels: drawn on a render, or alone its line of numbers.
    std::optional<double> probe;
    // The setting texts the experiment's options ask for, for a render or the window alike.
    ExperimentOptions::Texts experiment;
    // With --render: the experiments of these setup files, whose expected patterns are drawn as
    // kept patterns.
    std::vector<ExperimentOptions::Texts> compared;
    // The setup file given, or empty; with the window it is opened there (see SetupCommands),
    // otherwise it has been read into this line, under the options given beside it.
    QString setupPath;
    QStringList setupWarnings; // one line for each key of the file that was skipped
    // What only the window has, as a setup file sets it.
    SetupView view;
    // The options given, without their dashes, "help" and "version" for their short names.
    QStringList given;
    // Empty when the arguments were good; otherwise the one line to print before exiting with 2.
    QString error;

    // The most hits --hits lands: those of a full screen in the window.
    static constexpr long long mostHits = HitPacer::mostHits;

    // The arguments after the program's name, once the toolkit has taken its own options.
    static CommandLine parse(const QStringList& arguments);
    // A setup file's keys as options: the same checks, without the rules about which options go
    // together with which, and no setup file of its own.
    static CommandLine parseSetup(const QStringList& arguments);
    // Takes from a setup what this line was not given itself.
    void takeSetup(const CommandLine& setup);
    // Writes the experiment's texts into the fields, after the window's load handler.
    void applyExperiment(FormFields& fields) const;
    // Whether the arguments, as typed and before the toolkit has seen them, ask for something
    // other than the window: a render, help or the version. Those need no display.
    static bool asksForNoWindow(const QStringList& arguments);
    // The one line refusing the arguments as typed when they end in one of the toolkit's own
    // options that takes a value (-platform, -style and the like), which the toolkit would
    // silently drop; empty otherwise.
    static QString toolkitRefusal(const QStringList& arguments);
    static QString helpText();
    // The help with the toolkit's own options listed as well; prints it and exits. Needs the
    // application object.
    static void showHelpAll();

private:
    static CommandLine parse(const QStringList& arguments, bool fromFile);
};
