// The dialogs are not modal to the application, so that a run goes on behind them.
#include "PictureActions.h"

#include "Conversion.h"
#include "DataExport.h"
#include "HitsExport.h"
#include "PictureExport.h"
#include "RunSession.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>

PictureActions::PictureActions(const RunSession& session, QWidget* window,
                               std::function<QImage()> picture)
    : QObject(window), session_(session), window_(window), picture_(std::move(picture)) {}

QString PictureActions::suggestedFileName() const {
    // Before the first run the picture is blank, and named after the photons a run starts with.
    const FieldSnapshot* drawn = session_.picture().drawnSettings();
    return PictureExport::suggestedName(
        drawn != nullptr
            ? drawn->text(SettingField::PhotonsPerDot)
            : Conversion::toText(FormFields::startUpValue(SettingField::PhotonsPerDot)),
        session_.seed());
}

QString PictureActions::suggestedDataName() const {
    if (session_.screen().isShown()) {
        return HitsExport::suggestedName(session_.screen().seed());
    }
    const auto& settings = session_.lastFinished().settings;
    return DataExport::suggestedName(
        settings ? settings->text(SettingField::PhotonsPerDot) : QString(), session_.seed());
}

void PictureActions::askWhereToSave(const QString& objectName, const QString& title,
                                    const QString& suggestion, const QString& filter,
                                    const std::function<void(const QString&)>& save) {
    auto* dialog = new QFileDialog(window_, title, QDir::current().filePath(suggestion), filter);
    dialog->setObjectName(objectName);
    // A window of its own takes no font from the window: it is given the zoomed one, so that it
    // can be read on a projector as the window can.
    dialog->setFont(window_->font());
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(QFileInfo(suggestion).suffix());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this, save);
    dialog->open();
}

void PictureActions::requestSave() {
    const QImage picture = picture_();
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
    emit failed(tr("The picture could not be saved to \"%1\": %2.").arg(path, why));
    return false;
}

bool PictureActions::hasData() const {
    const DetectorScreen& screen = session_.screen();
    return screen.isShown() ? screen.count() > 0 : !session_.lastFinished().dots.empty();
}

QByteArray PictureActions::dataCsv() const {
    if (const DetectorHits* hits = session_.screen().hits()) {
        return HitsExport::csv(*hits);
    }
    return DataExport::csv(session_.lastFinished());
}

bool PictureActions::exportData(const QString& path) {
    QString why;
    if (PictureExport::write(dataCsv(), path, &why)) {
        return true;
    }
    emit failed(tr("The data could not be saved to \"%1\": %2.").arg(path, why));
    return false;
}

void PictureActions::copyPicture() {
    QGuiApplication::clipboard()->setImage(picture_());
}
