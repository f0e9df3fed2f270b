// A regular file goes through QSaveFile, so that a failure leaves an existing file untouched. A
// device is never replaced by a regular file, which a rename over it would do as root; a link is
// kept and the file it leads to written, checked in that file's folder.
#include "FileOutput.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The file a chain of symbolic links leads to, which need not exist; the path itself when it is
// no link. Empty when the chain is too long to follow (or loops).
QString linkedFile(const QString& path) {
    QFileInfo file(path);
    // As many links as the system follows before it gives up.
    for (int links = 0; links < 40; ++links) {
        if (!file.isSymLink()) {
            return file.filePath();
        }
        file.setFile(file.symLinkTarget());
    }
    return {};
}

// The folder part of a path as typed, so that the system judges exactly that text.
QString folderOf(const QString& path) {
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash < 0) {
        return QStringLiteral(".");
    }
    return slash == 0 ? QStringLiteral("/") : path.left(slash);
}

// An existing file that is neither a regular file nor a folder: a device, a pipe or a socket.
bool isSpecial(const QFileInfo& target) {
    return target.exists() && !target.isFile() && !target.isDir();
}

} // namespace

FileOutput::FileOutput(const QString& path) : path_(path) {}

FileOutput::~FileOutput() = default;

QString FileOutput::refusal(const QString& path) {
    if (path == standardOutput) {
        return {};
    }
    const QString linked = linkedFile(path);
    if (linked.isEmpty()) {
        return qt_error_string(ELOOP);
    }
    const QFileInfo target(linked);
    if (isSpecial(target)) {
        // Written in place, so its folder does not matter; opening it says whether it may be.
        return {};
    }
    struct stat folder {};
    if (::stat(QFile::encodeName(folderOf(linked)).constData(), &folder) != 0) {
        // The system's own reason, but for the one a user most often meets.
        return errno == ENOENT ? tr("the folder does not exist") : qt_error_string(errno);
    }
    if (!S_ISDIR(folder.st_mode)) {
        return qt_error_string(ENOTDIR);
    }
    // Also on the permission bits: a process run as root passes the access check of any folder.
    if (::access(QFile::encodeName(folderOf(linked)).constData(), W_OK) != 0 ||
        (folder.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        return tr("the folder is not writable");
    }
    if (target.isDir()) {
        return tr("it is a folder");
    }
    // Checked on the permission bits, because a process run as root may write anything.
    if (target.exists() && !(target.permissions() & QFileDevice::WriteOwner)) {
        return tr("the file is read-only");
    }
    return {};
}

bool FileOutput::write(const QByteArray& bytes) {
    why_ = refusal(path_);
    if (!why_.isEmpty()) {
        return false;
    }
    bool opened = false;
    if (path_ == standardOutput) {
        auto out = std::make_unique<QFile>();
        opened = out->open(STDOUT_FILENO, QIODevice::WriteOnly, QFileDevice::DontCloseHandle);
        file_ = std::move(out);
    } else if (const QString target = linkedFile(path_); isSpecial(QFileInfo(target))) {
        file_ = std::make_unique<QFile>(target);
        opened = file_->open(QIODevice::WriteOnly);
    } else {
        file_ = std::make_unique<QSaveFile>(target);
        opened = file_->open(QIODevice::WriteOnly);
    }
    if (!opened) {
        why_ = file_->errorString();
        file_.reset();
        return false;
    }
    // A write that stops short or a failed flush (a full disk may show only there) fails the
    // output; a temporary file is then removed and the target left as it was. A short write sets
    // no error, so the rest is written again until one says why.
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 now = file_->write(bytes.constData() + written, bytes.size() - written);
        if (now <= 0) {
            break;
        }
        written += now;
    }
    if (written != bytes.size() || !file_->flush()) {
        why_ = file_->errorString();
        if (auto* save = qobject_cast<QSaveFile*>(file_.get())) {
            save->cancelWriting();
        }
        file_.reset();
        return false;
    }
    return true;
}

bool FileOutput::commit() {
    if (!file_) {
        return false;
    }
    // A failed rename fails the output too; the target is then left as it was.
    if (auto* save = qobject_cast<QSaveFile*>(file_.get()); save != nullptr && !save->commit()) {
        why_ = save->errorString();
        file_.reset();
        return false;
    }
    file_.reset();
    return true;
}
