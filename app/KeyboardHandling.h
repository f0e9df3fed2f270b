// What the keyboard does on the window's controls beyond Qt's defaults: Enter on Start, the
// arrow keys on the scroll bar, and one tab stop for each frame of option buttons.
#pragma once

#include <QObject>

class QWidget;

class KeyboardHandling : public QObject {
    Q_OBJECT
public:
    explicit KeyboardHandling(QObject* parent) : QObject(parent) {}

    // Watches the control's key and focus events.
    void watch(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
