// The run goes through the window's own code, from the state after its load handler, with the
// settings clicked in as a user would. The PNG is written to a temporary file beside the target
// and renamed only when complete, so a failed run leaves no partial file and an existing file
// untouched.
#include "HeadlessRender.h"

#include "CommandLine.h"
#include "frmSlitwise.h"

#include <QAbstractButton>
#include <QFileInfo>
#include <QSaveFile>
#include <QScrollBar>

#include <cstdio>

namespace {

int refuse(const QString& path, const QString& why) {
    std::fprintf(stderr, "slitwise: cannot write '%s': %s\n", qPrintable(path), qPrintable(why));
    return 2;
}

const char* photonButton(int photons) {
    switch (photons) {
    case 1:
        return "opFot1";
    case 5:
        return "opFot5";
    case 10:
        return "opFot10";
    case 100:
        return "opFot100";
    case 500:
        return "opfot500";
    default:
        return "op50";
    }
}

} // namespace

int HeadlessRender::run(const CommandLine& line) {
    const QString& path = line.renderPath;
    const QFileInfo target(path);
    if (!QFileInfo(target.absolutePath()).isDir()) {
        return refuse(path, QStringLiteral("the folder does not exist"));
    }
    if (target.isDir()) {
        return refuse(path, QStringLiteral("it is a folder"));
    }
    // Checked on the permission bits, because a process run as root may write anything.
    if (target.exists() && !(target.permissions() & QFileDevice::WriteOwner)) {
        return refuse(path, QStringLiteral("the file is read-only"));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return refuse(path, file.errorString());
    }

    frmSlitwise window(line.seed);
    window.findChild<QAbstractButton*>(QString::fromLatin1(photonButton(line.photons)))->click();
    window.findChild<QScrollBar*>(QStringLiteral("HScroll1"))->setValue(line.slowdown);
    window.cmdStart_Click();
    window.finishRun();

    if (!window.surface().image().save(&file, "PNG")) {
        file.cancelWriting();
        return refuse(path, QStringLiteral("the picture could not be encoded"));
    }
    if (!file.commit()) {
        return refuse(path, file.errorString());
    }
    return 0;
}
