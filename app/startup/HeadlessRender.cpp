// The run goes through a run session of its own, with the settings as the window's load handler
// and a user's clicks would leave them, and is finished at once; no window is made.
#include "HeadlessRender.h"

#include "ArrowProbe.h"
#include "CommandLine.h"
#include "Conversion.h"
#include "DataExport.h"
#include "FileOutput.h"
#include "HitsExport.h"
#include "PictureExport.h"
#include "RunSession.h"
#include "SettingsStore.h"
#include "StartupMessages.h"
#include "frmSlitwise.h"

#include <cstdio>
#include <memory>
#include <vector>

namespace {

int refuse(const QString& path, const QString& why) {
    StartupMessages::discard();
    std::fprintf(stderr, "%s\n",
                 qPrintable(HeadlessRender::tr("slitwise: cannot write '%1': %2").arg(path, why)));
    return 2;
}

} // namespace

int HeadlessRender::run(const CommandLine& line) {
    // Refused before the run, so that a bad target costs no time.
    for (const QString& path : {line.renderPath, line.dataPath}) {
        const QString why = path.isEmpty() ? QString() : FileOutput::refusal(path);
        if (!why.isEmpty()) {
            return refuse(path, why);
        }
    }

    SettingsStore settings;
    settings.setText(SettingField::PhotonsPerDot, Conversion::toText(line.photons));
    settings.setText(SettingField::Slowdown, Conversion::toText(line.slowdown));
    line.applyExperiment(settings);
    RunSession session(settings, line.seed, 1.0);
    session.showAt(line.scale, 1.0);
    session.setExpectedShown(line.expected);
    session.setProbe(line.probe);
    for (const ExperimentOptions::Texts& texts : line.compared) {
        // Compared at this render's photons per dot, the rest of its own.
        SettingsStore other;
        other.setText(SettingField::PhotonsPerDot, Conversion::toText(line.photons));
        for (const auto& [field, text] : texts) {
            other.setText(field, text);
        }
        if (std::optional<SnapshotLayer::Snapshot> snapshot = SnapshotLayer::ofSettings(other)) {
            session.keepSnapshot(std::move(*snapshot));
        }
    }
    session.start();
    session.finish();
    if (line.hits > 0) {
        // The start-up settings, just used by the run, always give a chance to land by.
        session.setScreenShown(true, false);
        session.landHits(line.hits);
    }

    // Both files are written before either replaces anything, so that when one fails neither
    // does.
    struct Output {
        QString path;
        QByteArray bytes;
        std::unique_ptr<FileOutput> file;
    };
    std::vector<Output> outputs;
    if (!line.renderPath.isEmpty()) {
        const QByteArray png = PictureExport::encoded(frmSlitwise::composedPicture(
            session, settings, line.scale,
            [&settings](CaptionField caption) { return settings.isCaptionShown(caption); }));
        if (png.isEmpty()) {
            return refuse(line.renderPath, PictureExport::tr("the picture could not be encoded"));
        }
        outputs.push_back({line.renderPath, png, std::make_unique<FileOutput>(line.renderPath)});
    }
    if (!line.dataPath.isEmpty()) {
        const DetectorHits* hits = session.screen().hits();
        outputs.push_back(
            {line.dataPath,
             hits != nullptr ? HitsExport::csv(*hits) : DataExport::csv(session.lastFinished()),
             std::make_unique<FileOutput>(line.dataPath)});
    }
    for (const Output& output : outputs) {
        if (!output.file->write(output.bytes)) {
            return refuse(output.path, output.file->why());
        }
    }
    for (const Output& output : outputs) {
        if (!output.file->commit()) {
            return refuse(output.path, output.file->why());
        }
    }
    StartupMessages::release();
    return 0;
}

int HeadlessRender::probe(const CommandLine& line) {
    SettingsStore settings;
    line.applyExperiment(settings);
    const std::optional<PhotonChance> chance = PhotonChance::forSettings(settings);
    if (!chance) {
        StartupMessages::discard();
        std::fprintf(stderr, "%s\n",
                     qPrintable(tr("slitwise: the experiment's settings cannot be used")));
        return 2;
    }
    StartupMessages::release();
    const ArrowProbe probe(*chance, *line.probe);
    const QByteArray out = DataExport::probeCsv(probe);
    std::fwrite(out.constData(), 1, static_cast<std::size_t>(out.size()), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
