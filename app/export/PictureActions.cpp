// The dialogs are not modal to the application, so that a run goes on behind them.
#include "PictureActions.h"

#include "DataExport.h"
#include "PictureExport.h"
#include "frmSlitwise.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>

PictureActions::PictureActions(frmSlitwise& window) : QObject(&window), window_(window) {}

QString PictureActions::suggestedFileName() const {
    return PictureExport::suggestedName(photons_, window_.seed());
}

QString PictureActions::suggestedDataName() const {
    return DataExport::suggestedName(window_.picture().lastFinished().photons, window_.seed());
}

void PictureActions::askWhereToSave(const QString& objectName, const QString& title,
                                    const QString& suggestion, const QString& filter,
                                    const std::function<void(const QString&)>& save) {
    auto* dialog = new QFileDialog(&window_, title, QDir::current().filePath(suggestion), filter);
    dialog->setObjectName(objectName);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(QFileInfo(suggestion).suffix());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this, save);
    dialog->open();
}

void PictureActions::requestSave() {
    const QImage picture = window_.composedPicture();
    askWhereToSave(QStringLiteral("saveDialog"), tr("Save picture"), suggestedFileName(),
                   tr("PNG images (*.png)"),
                   [this, picture](const QString& path) { savePicture(picture, path); });
}

void PictureActions::requestExport() {
    if (!hasData()) {
        return;
    }
    askWhereToSave(QStringLiteral("exportDialog"), tr("Export data"), suggestedDataName(),
                   tr("CSV files (*.csv)"), [this](const QString& path) { exportData(path); });
}

bool PictureActions::savePicture(const QImage& picture, const QString& path) {
    QString why;
    if (PictureExport::save(picture, path, &why)) {
        return true;
    }
    reportFailure(tr("The picture could not be saved to \"%1\": %2.").arg(path, why));
    return false;
}

bool PictureActions::hasData() const {
    return !window_.picture().lastFinished().dots.empty();
}

QByteArray PictureActions::dataCsv() const {
    const PictureView::FinishedRun& run = window_.picture().lastFinished();
    return DataExport::csv(run.dots, run.expected);
}

bool PictureActions::exportData(const QString& path) {
    QString why;
    if (PictureExport::write(dataCsv(), path, &why)) {
        return true;
    }
    reportFailure(tr("The data could not be saved to \"%1\": %2.").arg(path, why));
    return false;
}

void PictureActions::reportFailure(const QString& message) {
    window_.showMessage(QStringLiteral("saveMessage"), message);
}

void PictureActions::copyPicture() {
    QGuiApplication::clipboard()->setImage(window_.composedPicture());
}
