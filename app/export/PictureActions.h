// What the user can take away from the window: the picture, with the captions shown on it and
// the expected pattern while it is shown, saved as a PNG (Ctrl+S) or copied (Ctrl+C), and the
// last finished run's points, or the detector screen's hits while it is shown, exported as CSV
// (Ctrl+E).
#pragma once

#include <QImage>
#include <QObject>
#include <QString>

#include <functional>

class QWidget;
class RunSession;

class PictureActions : public QObject {
    Q_OBJECT
public:
    // The dialogs stand over `window`; `picture` gives the picture as it is taken away.
    PictureActions(const RunSession& session, QWidget* window, std::function<QImage()> picture);

    // Ask where to save, without waiting for the answer. The picture is taken when asked.
    void requestSave();
    void requestExport();
    void copyPicture();
    // Saves the picture as a PNG; a failure is reported through failed() and changes nothing.
    bool savePicture(const QImage& picture, const QString& path);
    // Writes the data as CSV (see dataCsv()), under the same rules.
    bool exportData(const QString& path);
    // Whether there is data to export: while the detector screen is shown its hits, otherwise
    // the points of a finished run.
    bool hasData() const;
    // The screen's hits while it is shown, otherwise the last finished run's points, as CSV.
    QByteArray dataCsv() const;
    // The names the dialogs suggest, from the photons per dot and the seed: the picture's of the
    // run on screen, the data's of the last finished run.
    QString suggestedFileName() const;
    QString suggestedDataName() const;

signals:
    // A file could not be written; the message says which and why.
    void failed(const QString& message);

private:
    // A dialog that asks for a file name to save under, and calls `save` with it.
    void askWhereToSave(const QString& objectName, const QString& title, const QString& suggestion,
                        const QString& filter, const std::function<void(const QString&)>& save);

    const RunSession& session_;
    QWidget* window_;
    std::function<QImage()> picture_;
};
