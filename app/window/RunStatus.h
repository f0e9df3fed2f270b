// The state of the run ("Run in progress", "Run finished", a failed run's message) put where a
// screen reader speaks it whatever control has the focus: a notification that shows anew with
// each change. The window's description carries the state as well.
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

private:
    QWidget* window_;
    QWidget* notice_; // no size: heard, not seen
    QString state_;
};
