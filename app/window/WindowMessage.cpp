// A warning box that deletes itself when it is closed.
#include "WindowMessage.h"

#include <QMessageBox>

void WindowMessage::show(const QString& objectName, const QString& text) {
    close();
    box_ = new QMessageBox(QMessageBox::Warning, QStringLiteral("Slitwise"), text, QMessageBox::Ok,
                           window_);
    box_->setObjectName(objectName);
    box_->setAttribute(Qt::WA_DeleteOnClose);
    box_->setWindowModality(Qt::WindowModal);
    box_->open();
}

void WindowMessage::close() {
    if (box_) {
        box_->close();
    }
}
