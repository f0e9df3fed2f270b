// The program's own options, as Qt's parser is told them, each with its help: those of a run
// made without a window, the seed and the setup file, the experiment's, and Qt's own help and
// version. Their texts are in the context of CommandLine.
#pragma once

#include "CommandLine.h"
#include "ExperimentOptions.h"
#include "PhotonChance.h"
#include "Scene.h"
#include "SnapshotLayer.h"
#include "Translations.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

class CommandLineOptions {
public:
    QCommandLineOption seed{QStringLiteral("seed"),
                            CommandLine::tr("Seed the random numbers (0 to 18446744073709551615), "
                                            "so that a run can be repeated exactly; without it "
                                            "they are seeded from the clock."),
                            QStringLiteral("N")};
    QCommandLineOption render{QStringLiteral("render"),
                              CommandLine::tr("Make one whole run at full speed without a window "
                                              "and write the 801 x 581 drawing area to FILE as a "
                                              "PNG; - writes it to standard output."),
                              QStringLiteral("FILE")};
    QCommandLineOption data{QStringLiteral("data"),
                            CommandLine::tr("Make one whole run at full speed without a window "
                                            "and write its 520 detector points to FILE as CSV; "
                                            "alone or with --render; - writes them to standard "
                                            "output."),
                            QStringLiteral("FILE")};
    QCommandLineOption photons{
        QStringLiteral("photons"),
        CommandLine::tr("With --render or --data: photons per detector point, "
                        "one of %1 (default %2).")
            .arg(Scene::offeredPhotons())
            .arg(FormFields::startUpValue(SettingField::PhotonsPerDot)),
        QStringLiteral("N")};
    QCommandLineOption slowdown{
        QStringLiteral("slowdown"),
        CommandLine::tr("With --render or --data: slowdown, 1 to 3 (default 1)."),
        QStringLiteral("S")};
    QCommandLineOption scale{QStringLiteral("scale"),
                             CommandLine::tr("With --render: draw the picture Z times as large, "
                                             "from 0.5 to 4 (default 1): 801·Z x 581·Z pixels."),
                             QStringLiteral("Z")};
    QCommandLineOption expected{QStringLiteral("expected"),
                                CommandLine::tr("With --render: draw the expected pattern over "
                                                "the picture, in red.")};
    QCommandLineOption hits{
        QStringLiteral("hits"),
        CommandLine::tr("With --render or --data: land N single photons (1 to %1) on the "
                        "detector screen, drawn in place of the pattern bars; --data then "
                        "writes one row per hit.")
            .arg(CommandLine::mostHits),
        QStringLiteral("N")};
    QCommandLineOption probe{
        QStringLiteral("probe"),
        CommandLine::tr("The arrow probe at height Y of the detector, %1 to %2 pixels (the axis "
                        "is at %3): with --render it is drawn on the picture; alone, no run is "
                        "made and one CSV line of its paths, arrows and chance is written to "
                        "standard output.")
            .arg(PhotonChance::highestY)
            .arg(PhotonChance::lowestY)
            .arg(Translations::language().toString(Scene::axisY)),
        QStringLiteral("Y")};
    QCommandLineOption setup{QStringLiteral("setup"),
                             CommandLine::tr("Take the settings from the setup FILE (a .slitwise "
                                             "file), with the options given beside it over them; "
                                             "slitwise FILE does the same."),
                             QStringLiteral("FILE")};
    QCommandLineOption compare{
        QStringLiteral("compare"),
        CommandLine::tr("With --render: draw the expected pattern of the setup FILE over the "
                        "pattern's column as a kept pattern, with its legend; up to %1 times.")
            .arg(SnapshotLayer::most),
        QStringLiteral("FILE")};
    // Qt's own -h/--help (with --help-all) and -v/--version, listed after the options above.
    QCommandLineOption help;
    QCommandLineOption version;

    explicit CommandLineOptions(QCommandLineParser& parser)
        : help(addOptions(parser)), version(parser.addVersionOption()) {}

private:
    QCommandLineOption addOptions(QCommandLineParser& parser) const {
        parser.setApplicationDescription(CommandLine::tr(
            "Shows the double-slit experiment with single photons as phase arrows.\n"
            "Press Start to build the interference pattern bar by bar."));
        parser.addOptions(
            {seed, render, data, photons, slowdown, scale, expected, hits, probe, setup, compare});
        ExperimentOptions::addTo(parser);
        return parser.addHelpOption();
    }
};
