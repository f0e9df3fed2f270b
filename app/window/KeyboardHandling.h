// What the keyboard does on the window's controls beyond Qt's defaults: Enter on Start, the
// arrow keys on the scroll bar, and one tab stop for each frame of option buttons.
#pragma once

#include <QObject>

class QAbstractButton;
class QWidget;

class KeyboardHandling : public QObject {
    Q_OBJECT
public:
    explicit KeyboardHandling(QObject* parent) : QObject(parent) {}

    // Watches the control's key events; an option button also keeps its frame's tab stop.
    void watch(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static void makeTabStop(QAbstractButton* checked);
};
