// The run goes through the window's own code, from the state after its load handler, with the
// settings clicked in as a user would.
#include "HeadlessRender.h"

#include "CommandLine.h"
#include "PictureActions.h"
#include "PictureExport.h"
#include "StartupMessages.h"
#include "frmSlitwise.h"

#include <QAbstractButton>
#include <QScrollBar>

#include <cstdio>

namespace {

int refuse(const QString& path, const QString& why) {
    StartupMessages::discard();
    std::fprintf(stderr, "slitwise: cannot write '%s': %s\n", qPrintable(path), qPrintable(why));
    return 2;
}

} // namespace

int HeadlessRender::run(const CommandLine& line) {
    // Refused before the run, so that a bad target costs no time.
    for (const QString& path : {line.renderPath, line.dataPath}) {
        const QString why = path.isEmpty() ? QString() : PictureExport::refusal(path);
        if (!why.isEmpty()) {
            return refuse(path, why);
        }
    }

    frmSlitwise window(line.seed);
    window.zoomTo(line.scale);
    window.setExpectedShown(line.expected);
    // The photons-per-dot button is the one captioned with the number.
    const auto* frame = window.findChild<QWidget*>(QString::fromUtf8("frmPočetFotonů"));
    for (QAbstractButton* button : frame->findChildren<QAbstractButton*>()) {
        if (button->text() == QString::number(line.photons)) {
            button->click();
        }
    }
    window.findChild<QScrollBar*>(QStringLiteral("HScroll1"))->setValue(line.slowdown);
    window.cmdStart_Click();
    window.finishRun();

    QString why;
    if (!line.renderPath.isEmpty() &&
        !PictureExport::save(window.composedPicture(), line.renderPath, &why)) {
        return refuse(line.renderPath, why);
    }
    if (!line.dataPath.isEmpty() &&
        !PictureExport::write(window.pictureActions().dataCsv(), line.dataPath, &why)) {
        return refuse(line.dataPath, why);
    }
    StartupMessages::release();
    return 0;
}
