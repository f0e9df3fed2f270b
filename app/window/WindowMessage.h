// The window's one message at a time: a setting a run cannot use, a file that could not be
// written. Not modal to the application, so that nothing waits on it and the window stays
// usable; a new message replaces the one before.
#pragma once

#include <QPointer>
#include <QString>

class QMessageBox;
class QWidget;

class WindowMessage {
public:
    explicit WindowMessage(QWidget* window) : window_(window) {}

    // Shows the text in a box with this object name, for tests and screen readers to find.
    void show(const QString& objectName, const QString& text);
    void close();

private:
    QWidget* window_;
    QPointer<QMessageBox> box_;
};
