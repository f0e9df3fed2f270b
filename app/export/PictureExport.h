// Saving the drawing area as a PNG, or any file written whole or not at all, and naming the file,
// for handouts and for repeating a run.
#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QString>

#include <cstdint>

class PictureExport {
    Q_DECLARE_TR_FUNCTIONS(PictureExport)

public:
    // For example slitwise-50-photons-seed-1234.png.
    static QString suggestedName(const QString& photonsPerDot, std::uint64_t seed);
    // The picture as a PNG file's bytes; empty if it could not be encoded.
    static QByteArray encoded(const QImage& picture);
    // Writes the picture as a PNG, whatever the file's name, through write().
    static bool save(const QImage& picture, const QString& path, QString* why);
    // Writes the bytes whole or not at all, as FileOutput does, so that a failure leaves any
    // existing file untouched. On failure returns false and says why.
    static bool write(const QByteArray& bytes, const QString& path, QString* why);
};
