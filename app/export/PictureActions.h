// What the user can take away from the window: the picture, with the captions shown on it and
// the expected pattern while it is shown, saved as a PNG (Ctrl+S) or copied (Ctrl+C), and the
// last finished run's points exported as CSV (Ctrl+E).
#pragma once

#include <QObject>
#include <QString>

#include <cstdint>

class QImage;
class frmSlitwise;

class PictureActions : public QObject {
    Q_OBJECT
public:
    explicit PictureActions(frmSlitwise& window);

    // Ask where to save, without waiting for the answer. The picture is taken when asked.
    void requestSave();
    void requestExport();
    void copyPicture();
    // Saves the picture as a PNG; a failure is reported in a message and changes nothing.
    bool savePicture(const QImage& picture, const QString& path);
    // Writes the last finished run's points as CSV, under the same rules.
    bool exportData(const QString& path);
    // Whether a run has finished, so that there are points to export.
    bool hasData() const;
    // The last finished run's points as CSV.
    QByteArray dataCsv() const;
    // The names the dialogs suggest, from the photons per dot and the seed.
    QString suggestedFileName() const;
    QString suggestedDataName() const;
    // A run with these photons per dot has begun drawing the picture.
    void setPhotons(const QString& photonsPerDot) { photons_ = photonsPerDot; }

private:
    // A dialog that asks for a file name to save under, and calls `save` with it.
    void askWhereToSave(const QString& objectName, const QString& title, const QString& suggestion,
                        const QString& filter, const std::function<void(const QString&)>& save);
    void reportFailure(const QString& message);

    frmSlitwise& window_;
    QString photons_;
};
