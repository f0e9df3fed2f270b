// PNG only: lossless, and what every handout tool reads.
#include "PictureExport.h"

#include "FileOutput.h"

#include <QBuffer>
#include <QRegularExpression>

QString PictureExport::suggestedName(const QString& photonsPerDot, std::uint64_t seed) {
    QString photons = photonsPerDot.trimmed();
    // Only digits go into a file name; anything else is not a setting the buttons wrote.
    photons.remove(QRegularExpression(QStringLiteral("[^0-9]")));
    if (photons.isEmpty()) {
        photons = QStringLiteral("0");
    }
    return QStringLiteral("slitwise-%1-photons-seed-%2.png").arg(photons).arg(seed);
}

QByteArray PictureExport::encoded(const QImage& picture) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return picture.save(&buffer, "PNG") ? bytes : QByteArray();
}

bool PictureExport::save(const QImage& picture, const QString& path, QString* why) {
    *why = FileOutput::refusal(path);
    if (!why->isEmpty()) {
        return false;
    }
    // Encoded in memory first: the PNG writer does not report a failed write, so the file is
    // written by write(), where every byte's fate is checked.
    const QByteArray bytes = encoded(picture);
    if (bytes.isEmpty()) {
        *why = tr("the picture could not be encoded");
        return false;
    }
    return write(bytes, path, why);
}

bool PictureExport::write(const QByteArray& bytes, const QString& path, QString* why) {
    FileOutput file(path);
    const bool written = file.write(bytes) && file.commit();
    *why = file.why();
    return written;
}
