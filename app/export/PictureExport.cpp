// PNG only: lossless, and what every handout tool reads.
#include "PictureExport.h"

#include <QBuffer>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

QString PictureExport::suggestedName(const QString& photonsPerDot, std::uint64_t seed) {
    QString photons = photonsPerDot.trimmed();
    // Only digits go into a file name; anything else is not a setting the buttons wrote.
    photons.remove(QRegularExpression(QStringLiteral("[^0-9]")));
    if (photons.isEmpty()) {
        photons = QStringLiteral("0");
    }
    return QStringLiteral("slitwise-%1-photons-seed-%2.png").arg(photons).arg(seed);
}

QString PictureExport::refusal(const QString& path) {
    const QFileInfo target(path);
    const QFileInfo folder(target.absolutePath());
    if (!folder.isDir()) {
        return tr("the folder does not exist");
    }
    // Also on the permission bits: a process run as root passes the access check of any folder.
    const QFileDevice::Permissions anyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    if (!folder.isWritable() || !(folder.permissions() & anyWrite)) {
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

bool PictureExport::save(const QImage& picture, const QString& path, QString* why) {
    *why = refusal(path);
    if (!why->isEmpty()) {
        return false;
    }
    // Encoded in memory first: the PNG writer does not report a failed write, so the file is
    // written by write(), where every byte's fate is checked.
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "PNG")) {
        *why = tr("the picture could not be encoded");
        return false;
    }
    return write(encoded, path, why);
}

bool PictureExport::write(const QByteArray& bytes, const QString& path, QString* why) {
    *why = refusal(path);
    if (!why->isEmpty()) {
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *why = file.errorString();
        return false;
    }
    // A write that stops short, a failed flush (a full disk may show only there) or a failed
    // rename each fail the save; the temporary file is then removed and the target left as it
    // was. A short write sets no error, so the rest is written again until one says why.
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 now = file.write(bytes.constData() + written, bytes.size() - written);
        if (now <= 0) {
            break;
        }
        written += now;
    }
    if (written != bytes.size() || !file.flush()) {
        *why = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *why = file.errorString();
        return false;
    }
    return true;
}
