// The save dialog is not modal to the application, so that a run goes on behind it; the
// picture is taken when Ctrl+S is pressed.
#include "PictureActions.h"

#include "PictureExport.h"
#include "frmSlitwise.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QShortcut>

PictureActions::PictureActions(frmSlitwise& window) : QObject(&window), window_(window) {
    connect(new QShortcut(QKeySequence::Save, &window), &QShortcut::activated, this,
            &PictureActions::requestSave);
    connect(new QShortcut(QKeySequence::Copy, &window), &QShortcut::activated, this,
            &PictureActions::copyPicture);
}

QString PictureActions::suggestedFileName() const {
    return PictureExport::suggestedName(photons_, window_.seed());
}

void PictureActions::requestSave() {
    const QImage picture = window_.surface().snapshot();
    auto* dialog = new QFileDialog(&window_, QStringLiteral("Save picture"),
                                   QDir::current().filePath(suggestedFileName()),
                                   QStringLiteral("PNG images (*.png)"));
    dialog->setObjectName(QStringLiteral("saveDialog"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(QStringLiteral("png"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this,
            [this, picture](const QString& path) { savePicture(picture, path); });
    dialog->open();
}

bool PictureActions::savePicture(const QImage& picture, const QString& path) {
    QString why;
    if (PictureExport::save(picture, path, &why)) {
        return true;
    }
    window_.showMessage(
        QStringLiteral("saveMessage"),
        QStringLiteral("The picture could not be saved to \"%1\": %2.").arg(path, why));
    return false;
}

void PictureActions::copyPicture() {
    QGuiApplication::clipboard()->setImage(window_.surface().snapshot());
}
