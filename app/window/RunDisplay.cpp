// The lines are labels made from rows of the control table, hidden between runs so that the idle
// window stays as designed; the pace shows whenever it is not the default, the hits while the
// detector screen is shown.
#include "RunDisplay.h"

#include "AccessibleControls.h"
#include "ControlFactory.h"
#include "ControlTable.h"
#include "RunSession.h"

#include <QLabel>
#include <QLocale>
#include <QWidget>

namespace {

constexpr int pointsInRun = PhotonRun::passes * PhotonRun::dotsPerPass;

QLabel* makeLine(QWidget& window, const ControlRow& row) {
    auto* label = qobject_cast<QLabel*>(ControlFactory::create(row, &window));
    label->setTextFormat(Qt::PlainText);
    return label;
}

// The text, named by it for a screen reader's review; a label's own name would change with each
// text, and so be sent to the reader as often.
void show(QLabel* label, const QString& text) {
    // Asked at every frame of a run: only a change is passed on.
    if (text == label->text() && label->isVisibleTo(label->parentWidget()) != text.isEmpty()) {
        return;
    }
    label->setText(text);
    label->setAccessibleName(text);
    label->setVisible(!text.isEmpty());
}

} // namespace

RunDisplay::RunDisplay(QWidget& window, const RunSession& session)
    : QObject(&window), session_(session),
      progress_(makeLine(window, ControlTable::runDisplay()[0])),
      pace_(makeLine(window, ControlTable::runDisplay()[1])),
      step_(makeLine(window, ControlTable::runDisplay()[2])),
      hits_(makeLine(window, ControlTable::hitsCounter())) {
    pace_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    AccessibleControls::presentAs(progress_, QAccessible::ProgressBar);
    hits_->setAccessibleName(hits_->text());
}

void RunDisplay::place(double zoom, QPoint origin) {
    QLabel* const labels[] = {progress_, pace_, step_};
    for (int i = 0; i < 3; ++i) {
        ControlFactory::place(labels[i], ControlTable::runDisplay()[i], zoom, origin);
    }
    ControlFactory::place(hits_, ControlTable::hitsCounter(), zoom, origin);
}

void RunDisplay::refresh() {
    // A run passes some 80 points a second and the hits land by thousands, more than a class
    // can read or a screen reader should be sent: while they go on, the progress and the hits'
    // name change four times a second, which also spares the window as many repaints.
    constexpr qint64 progressEveryNs = 250'000'000;
    const DetectorScreen& screen = session_.screen();
    const bool going = (session_.isRunning() && !session_.isPaused()) ||
                       (screen.isLanding() && !screen.isPaused());
    if (!going || !wasGoing_ || session_.now() - progressShownNs_ >= progressEveryNs) {
        show(progress_, progressText(session_));
        const std::optional<PhotonRun::Progress> progress = session_.progress();
        AccessibleControls::setProgress(progress_, progress ? progress->point : 0, pointsInRun);
        if (hits_->accessibleName() != screen.countText()) {
            hits_->setAccessibleName(screen.countText());
        }
        progressShownNs_ = session_.now();
    }
    wasGoing_ = going;
    hits_->setText(screen.countText());
    hits_->setVisible(screen.isShown());
    show(pace_,
         session_.paceLevel() == 0 && !session_.isAnythingGoing() ? QString() : paceText(session_));
    show(step_, stepText(session_));
}

QString RunDisplay::progressText(const RunSession& session) {
    const std::optional<PhotonRun::Progress> progress = session.progress();
    if (!progress) {
        return session.showsAnotherExperiment() ? tr("Press Start for the new experiment")
                                                : QString();
    }
    const QString point = tr("Point %1 of %2").arg(progress->point).arg(pointsInRun);
    if (!session.isPaused()) {
        return point;
    }
    // The photons finished at this point: the last of them is the one N drew.
    return tr("%1, photon %2 of %3")
        .arg(point)
        .arg(progress->photon - 1)
        .arg(QLocale().toString(progress->photonsPerDot));
}

QString RunDisplay::paceText(const RunSession& session) {
    // The hits' pace grows with the hits up to the teacher's most; the class watches them
    // while they land.
    if (session.screen().isLanding()) {
        return tr("Pace: up to %Ln hit(s) a second", "", session.screen().mostPerSecond());
    }
    const RunPacer::Level& pace = RunPacer::levels[session.paceLevel()];
    const int count = static_cast<int>(pace.perSecond);
    return pace.photons ? tr("Pace: %Ln photon(s) a second", "", count)
                        : tr("Pace: %Ln repetition(s) a second", "", count);
}

QString RunDisplay::stepText(const RunSession& session) {
    const std::optional<PhotonRun::PhotonTrace>& photon = session.followedPhoton();
    if (!photon) {
        return {};
    }
    // Two slits are upper and lower, as they always were; more are counted from the top.
    const QString slit = photon->slitCount != 2
                             ? tr("slit %1 of %2").arg(photon->slit + 1).arg(photon->slitCount)
                         : photon->slit == 0 ? tr("upper slit")
                                             : tr("lower slit");
    return tr("Photon %1 of %2 at point %3: %4, arrives turned by %5 rad")
        .arg(photon->photon)
        .arg(QLocale().toString(photon->photonsPerDot))
        .arg(photon->point)
        .arg(slit, QLocale().toString(photon->turn, 'f', 2));
}
