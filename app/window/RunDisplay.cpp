// The lines are labels made from rows of the control table, hidden between runs so that the idle
// window stays as designed; the pace shows whenever it is not the default.
#include "RunDisplay.h"

#include "ControlFactory.h"
#include "ControlTable.h"
#include "RunSession.h"

#include <QLabel>
#include <QLocale>
#include <QWidget>

namespace {

QLabel* makeLine(QWidget& window, int index) {
    auto* label =
        qobject_cast<QLabel*>(ControlFactory::create(ControlTable::runDisplay()[index], &window));
    label->setTextFormat(Qt::PlainText);
    return label;
}

// The label keeps its accessible name; the text is its description, which a screen reader reads
// when asked but does not announce as it changes.
void show(QLabel* label, const QString& text) {
    // Asked at every frame of a run: only a change is passed on.
    if (text == label->text() && label->isVisibleTo(label->parentWidget()) != text.isEmpty()) {
        return;
    }
    label->setText(text);
    label->setAccessibleDescription(text);
    label->setVisible(!text.isEmpty());
}

} // namespace

RunDisplay::RunDisplay(QWidget& window, const RunSession& session)
    : QObject(&window), session_(session), progress_(makeLine(window, 0)),
      pace_(makeLine(window, 1)), step_(makeLine(window, 2)) {
    pace_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    progress_->setAccessibleName(tr("Run progress"));
    pace_->setAccessibleName(tr("Pace"));
    step_->setAccessibleName(tr("Photon followed"));
}

void RunDisplay::place(double zoom, QPoint origin) {
    QLabel* const labels[] = {progress_, pace_, step_};
    for (int i = 0; i < 3; ++i) {
        ControlFactory::place(labels[i], ControlTable::runDisplay()[i], zoom, origin);
    }
}

void RunDisplay::refresh() {
    // A run passes some 80 points a second, more than a class can read: while it goes on, the
    // progress changes four times a second, which also spares the window as many repaints.
    constexpr qint64 progressEveryMs = 250;
    const bool going = session_.isRunning() && !session_.isPaused();
    if (!going || !wasGoing_ || sinceProgress_.hasExpired(progressEveryMs)) {
        show(progress_, progressText());
        sinceProgress_.start();
    }
    wasGoing_ = going;
    show(pace_, paceText());
    show(step_, stepText());
}

QString RunDisplay::progressText() const {
    const std::optional<PhotonRun::Progress> progress = session_.progress();
    if (!progress) {
        return session_.showsAnotherExperiment() ? tr("Press Start for the new experiment")
                                                 : QString();
    }
    const QString point =
        tr("Point %1 of %2").arg(progress->point).arg(PhotonRun::passes * PhotonRun::dotsPerPass);
    if (!session_.isPaused()) {
        return point;
    }
    // The photons finished at this point: the last of them is the one N drew.
    return tr("%1, photon %2 of %3")
        .arg(point)
        .arg(progress->photon - 1)
        .arg(QLocale().toString(progress->photonsPerDot));
}

QString RunDisplay::paceText() const {
    const int level = session_.paceLevel();
    if (level == 0 && !session_.isAnythingGoing()) {
        return {};
    }
    // The hits' pace grows with the hits up to the teacher's most; the class watches them
    // while they land.
    if (session_.screen().isLanding()) {
        return tr("Pace: up to %Ln hit(s) a second", "", session_.screen().mostPerSecond());
    }
    const RunPacer::Level& pace = RunPacer::levels[level];
    const int count = static_cast<int>(pace.perSecond);
    return pace.photons ? tr("Pace: %Ln photon(s) a second", "", count)
                        : tr("Pace: %Ln repetition(s) a second", "", count);
}

QString RunDisplay::stepText() const {
    const std::optional<PhotonRun::PhotonTrace>& photon = session_.followedPhoton();
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
