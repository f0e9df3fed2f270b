// The state of the run ("Run in progress", "Run finished", a failed run's message) put where a
// screen reader speaks it. Readers speak a changed description only for the control that has the
// focus, so the state goes there as well as on the window, and the control gets its own
// description back when the focus leaves it.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

class RunStatus : public QObject {
    Q_OBJECT
public:
    explicit RunStatus(QWidget* window);

    void set(const QString& state);
    QString state() const { return state_; }

private:
    void focusMoved(QWidget* from);
    void restore();

    QWidget* window_;
    QString state_;
    // The control whose description says the state, and its own description.
    QPointer<QWidget> carrier_;
    QString ownDescription_;
};
