// The run goes through the window's own code, from the state after its load handler, with the
// settings clicked in as a user would.
#include "HeadlessRender.h"

#include "CommandLine.h"
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
    const QString& path = line.renderPath;
    // Refused before the run, so that a bad target costs no time.
    const QString before = PictureExport::refusal(path);
    if (!before.isEmpty()) {
        return refuse(path, before);
    }

    frmSlitwise window(line.seed);
    window.zoomTo(line.scale);
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
    if (!PictureExport::save(window.surface().image(), path, &why)) {
        return refuse(path, why);
    }
    StartupMessages::release();
    return 0;
}
