// A child process for tst_Faults: shows the window, starts a run, clicks a photon button and Start
// during it (both held until the run ends), and closes the window once the run has drawn its first
// frame. Prints what ran after the close and exits with app.exec()'s status.
#include "frmSlitwise.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    frmSlitwise window(1);
    window.show();
    int runsFinished = 0;
    QObject::connect(&window.session(), &RunSession::finished, [&runsFinished] { ++runsFinished; });
    window.findChild<QAbstractButton*>(QStringLiteral("cmdStart"))->click();
    window.findChild<QAbstractButton*>(QStringLiteral("opFot1"))->click();
    window.findChild<QAbstractButton*>(QStringLiteral("cmdStart"))->click();
    // Closed from the event loop, as a user closes it, once the run is under way.
    QObject::connect(
        &window.session(), &RunSession::pictureChanged, &window, &QWidget::close,
        static_cast<Qt::ConnectionType>(Qt::QueuedConnection | Qt::SingleShotConnection));

    const int status = app.exec();
    // A held click that ran would have written 1 photon per dot; a run that went on, finished.
    std::printf("running after the close: %d\n", window.session().isRunning() ? 1 : 0);
    std::printf("runs finished: %d\n", runsFinished);
    std::printf("photons per dot: %s\n",
                qPrintable(window.findChild<QLineEdit*>(QStringLiteral("nPocetFotonu"))->text()));
    return status;
}
