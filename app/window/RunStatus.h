// The state of the run ("Run in progress", "Run finished", a failed run's message) and what each
// key did, put where a screen reader speaks it whatever control has the focus: a notification
// that shows anew with each change. The window's description carries the last of them as well.
#pragma once

#include <QObject>
#include <QString>

class QWidget;

class RunStatus : public QObject {
    Q_OBJECT
public:
    explicit RunStatus(QWidget* window);

    void set(const QString& state);
    QString state() const { return state_; }
    // How many times something was told: a command that finds it unchanged tells its own effect.
    int told() const { return told_; }

private:
    QWidget* window_;
    QWidget* notice_; // no size: heard, not seen
    QString state_;
    int told_ = 0;
};
