// What the user can do with the picture beyond watching it: save it as a PNG (Ctrl+S) and copy
// it to the clipboard (Ctrl+C).
#pragma once

#include <QObject>
#include <QString>

#include <cstdint>

class QImage;
class frmSlitwise;

class PictureActions : public QObject {
    Q_OBJECT
public:
    // Adds the shortcuts to the window.
    explicit PictureActions(frmSlitwise& window);

    // Asks where to save the picture as it stands now, without waiting for the answer.
    void requestSave();
    void copyPicture();
    // Saves the picture as a PNG; a failure is reported in a message and changes nothing.
    bool savePicture(const QImage& picture, const QString& path);
    // The name Ctrl+S suggests, from the photons per dot of the picture and the seed.
    QString suggestedFileName() const;
    // A run with these photons per dot has begun drawing the picture.
    void setPhotons(const QString& photonsPerDot) { photons_ = photonsPerDot; }

private:
    frmSlitwise& window_;
    QString photons_;
};
