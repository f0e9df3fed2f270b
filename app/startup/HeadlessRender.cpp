// The run goes through the window's own code, from the state after its load handler, with the
// settings clicked in as a user would. Start is clicked too, and the
// run finished at once.
#include "HeadlessRender.h"

#include "CommandLine.h"
#include "ControlTable.h"
#include "DataExport.h"
#include "PictureExport.h"
#include "RunSession.h"
#include "StartupMessages.h"

#include <QAbstractButton>
#include <QScrollBar>

#include <cstdio>

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
        const QString why = path.isEmpty() ? QString() : PictureExport::refusal(path);
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

    QString why;
    if (!line.renderPath.isEmpty() && !PictureExport::save(picture(), line.renderPath, &why)) {
        return refuse(line.renderPath, why);
    }
    if (!line.dataPath.isEmpty() &&
        !PictureExport::write(
            DataExport::csv(session.lastFinished().dots, session.lastFinished().expected),
            line.dataPath, &why)) {
        return refuse(line.dataPath, why);
    }
    StartupMessages::release();
    return 0;
}
