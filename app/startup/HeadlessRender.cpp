// The run goes through the window's own code, from the state after its load handler, with the
// settings clicked in as a user would. Start is clicked too, and the
// run finished at once.
#include "HeadlessRender.h"

#include "CommandLine.h"
#include "ControlTable.h"
#include "DataExport.h"
#include "FileOutput.h"
#include "HitsExport.h"
#include "PictureExport.h"
#include "RunSession.h"
#include "StartupMessages.h"

#include <QAbstractButton>
#include <QScrollBar>

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

int HeadlessRender::run(const CommandLine& line, QWidget& window, RunSession& session,
                        const std::function<QImage()>& picture) {
    // Refused before the run, so that a bad target costs no time.
    for (const QString& path : {line.renderPath, line.dataPath}) {
        const QString why = path.isEmpty() ? QString() : FileOutput::refusal(path);
        if (!why.isEmpty()) {
            return refuse(path, why);
        }
    }

    session.setExpectedShown(line.expected);
    window.findChild<QAbstractButton*>(QString::fromUtf8(ControlTable::buttonFor(line.photons)))
        ->click();
    window.findChild<QScrollBar*>(QStringLiteral("HScroll1"))->setValue(line.slowdown);
    window.findChild<QAbstractButton*>(QStringLiteral("cmdStart"))->click();
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
        const QByteArray png = PictureExport::encoded(picture());
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
