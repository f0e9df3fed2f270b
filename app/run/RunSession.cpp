// A run is started only with settings that can all be read, so that a bad one leaves the picture
// be. Clicks made while a run is in progress are held and their handlers run when it has ended,
// in the order they were made. Pausing and stepping never change what a run draws.
#include "RunSession.h"

#include "ExperimentSettings.h"
#include "PhotonChance.h"
#include "PhotonRun.h"
#include "Scene.h"
#include "SettingError.h"
#include "SettingReader.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

RandomGenerator makeGenerator(std::optional<std::uint64_t> seed) {
    return seed ? RandomGenerator(*seed) : RandomGenerator();
}

} // namespace

RunSession::RunSession(FormFields& fields, std::optional<std::uint64_t> seed,
                       qreal devicePixelRatio, QObject* parent)
    : QObject(parent), fields_(fields), picture_(1.0, devicePixelRatio),
      random_(makeGenerator(seed)), pacer_(this), screen_(seed, this) {
    wall_.start();
    connect(&pacer_, &RunPacer::stepped, this, [this] { emitPictureChanged(false); });
    connect(&pacer_, &RunPacer::finished, this, [this] { ended(tr("Run finished")); });
    connect(&pacer_, &RunPacer::failed, this, [this](const QString& message) {
        emit settingRefused(message);
        ended(tr("Run failed: %1").arg(message));
    });
    // A run waits while its picture is drawn again at a new size, and goes on from there.
    connect(&picture_, &PictureView::redrawStarting, this, [this] {
        if (run_) {
            pacer_.hold(RunPacer::Hold::Redraw);
        }
    });
    connect(&picture_, &PictureView::redrawn, this, [this] {
        pacer_.release(RunPacer::Hold::Redraw);
        emitPictureChanged(true);
    });
}

void RunSession::emitPictureChanged(bool whole) {
    emit pictureChanged(whole, whole ? QRegion() : picture_.takeDirtyRegion());
}

void RunSession::setProbe(std::optional<double> y) {
    if (y && !std::isfinite(*y)) {
        return;
    }
    if (y) {
        y = std::clamp(*y, PhotonChance::highestY, PhotonChance::lowestY);
    }
    if (y == probeHeight_) {
        return;
    }
    probeHeight_ = y;
    showTools();
}

void RunSession::setRuler(std::optional<Ruler> ruler) {
    if (ruler == ruler_) {
        return;
    }
    ruler_ = ruler;
    showTools();
}

void RunSession::layRuler(double x1, double y1, double x2, double y2) {
    setRuler(Ruler::laid(x1, y1, x2, y2, chance_.chance()));
}

void RunSession::setRulerShown(bool shown) {
    const PhotonChance* chance = shown ? chance_.chance() : nullptr;
    // With settings that cannot be used, a ruler of no length on the axis, to be dragged.
    setRuler(!shown   ? std::nullopt
             : chance ? std::optional(Ruler::alongFringes(*chance))
                      : std::optional(
                            Ruler{Scene::shieldX, Scene::axisY, Scene::shieldX, Scene::axisY}));
}

bool RunSession::keepSnapshot() {
    const DetectorHits* hits = screen_.isShown() ? screen_.hits() : nullptr;
    std::optional<SnapshotLayer::Snapshot> snapshot =
        hits != nullptr && screen_.settings() != nullptr
            ? SnapshotLayer::ofHits(*hits, *screen_.settings())
            : std::nullopt;
    if (!snapshot) {
        snapshot = SnapshotLayer::ofRun(picture_);
    }
    if (!snapshot) {
        return false;
    }
    keepSnapshot(std::move(*snapshot));
    return true;
}

void RunSession::keepSnapshot(SnapshotLayer::Snapshot snapshot) {
    snapshots_.keep(std::move(snapshot));
    showTools();
}

void RunSession::clearSnapshots() {
    snapshots_.clear();
    showTools();
}

void RunSession::setCurtain(bool drawn) {
    if (drawn == curtain_drawn_) {
        return;
    }
    curtain_drawn_ = drawn;
    showTools();
}

void RunSession::setFringeMarksShown(bool shown) {
    if (shown == fringeMarksShown_) {
        return;
    }
    fringeMarksShown_ = shown;
    showTools();
}

void RunSession::showTools() {
    emit toolsChanged();
    emitPictureChanged(true);
}

void RunSession::showAt(double zoom, qreal devicePixelRatio) {
    picture_.want(zoom, devicePixelRatio);
    screen_.setZoom(zoom, devicePixelRatio);
}

RunSession::~RunSession() {
    pacer_.stop();
}

void RunSession::start() {
    // The settings are checked before the picture is touched, so that a bad one leaves it be.
    try {
        SettingReader(fields_).checkAll();
    } catch (const SettingError& error) {
        emit settingRefused(error.message());
        emit stateChanged(tr("Run failed: %1").arg(error.message()));
        return;
    }
    followed_.reset();
    // A run that animates no repetitions still spends a step on each photon.
    repetitionsPerPhoton_ =
        std::max(1.0, std::floor(SettingReader(fields_).number(SettingField::Slowdown)));
    // Hits of another experiment beside this run would mix the two: they begin again.
    if (const FormFields* screen = screen_.settings();
        screen != nullptr && !ExperimentSettings::sameExperiment(*screen, fields_)) {
        screen_.clear(fields_);
    }
    picture_.runStarting(random_, fields_);
    run_ = std::make_unique<PhotonRun>(picture_.surface(), random_, fields_);
    run_->start();
    picture_.setLiveRun(run_.get());
    emit stateChanged(tr("Run in progress"));
    emitPictureChanged(false);
    pacer_.start(*run_);
    applyPace();
}

void RunSession::setPaceLevel(int level) {
    paceLevel_ = std::clamp(level, 0, RunPacer::levelCount - 1);
    applyPace();
}

void RunSession::applyPace() {
    const RunPacer::Level& level = RunPacer::levels[paceLevel_];
    pacer_.setPace(level.photons ? level.perSecond * repetitionsPerPhoton_ : level.perSecond);
    // The hits slow down alike: a photon a second at the slowest, and the paces in repetitions
    // in proportion to the fastest.
    screen_.setMostPerSecond(level.photons ? level.perSecond
                                           : HitPacer::fastestPerSecond * level.perSecond /
                                                 RunPacer::repetitionsPerSecond);
}

std::optional<PhotonRun::Progress> RunSession::progress() const {
    return run_ ? std::optional(run_->progress()) : std::nullopt;
}

void RunSession::unfollow() {
    if (followed_) {
        followed_.reset();
        emitPictureChanged(true);
    }
}

void RunSession::togglePause() {
    const bool pausing = screen_.isShown() ? !screen_.isPaused() : !isPaused();
    screen_.setPaused(pausing);
    if (!isRunning() || pausing == isPaused()) {
        return;
    }
    if (pausing) {
        pacer_.hold(RunPacer::Hold::User);
    } else {
        unfollow();
        pacer_.release(RunPacer::Hold::User);
    }
    emit stateChanged(pausing ? tr("Run paused") : tr("Run in progress"));
}

bool RunSession::isPaused() const {
    return isRunning() && pacer_.isHeld(RunPacer::Hold::User);
}

void RunSession::nextPhoton() {
    if (!isPaused()) {
        return;
    }
    // The photon is drawn at the size shown.
    picture_.finishRedraw();
    bool over = false;
    try {
        over = run_->advancePhoton();
    } catch (const SettingError& error) {
        emit settingRefused(error.message());
        over = true;
    }
    if (over) {
        emitPictureChanged(false);
        pacer_.stop();
        ended(tr("Run finished"));
        return;
    }
    followed_ = run_->lastPhoton();
    // The mark of the photon before is taken away with the whole picture shown again.
    emitPictureChanged(true);
}

void RunSession::finish() {
    if (!isRunning()) {
        return;
    }
    picture_.finishRedraw();
    pacer_.stop();
    QString state = tr("Run finished");
    try {
        run_->advance(std::numeric_limits<long long>::max());
    } catch (const SettingError& error) {
        emit settingRefused(error.message());
        state = tr("Run failed: %1").arg(error.message());
    }
    emitPictureChanged(false);
    ended(state);
}

void RunSession::stop() {
    screen_.stopLanding();
    if (!isRunning()) {
        return;
    }
    pacer_.stop();
    held_.dropStarts();
    ended(tr("Run stopped"));
}

void RunSession::close() {
    pacer_.stop();
    held_.clear();
    picture_.setLiveRun(nullptr);
    run_.reset();
}

void RunSession::act(std::function<void()> handler, bool isStart) {
    if (isRunning()) {
        held_.hold(std::move(handler), isStart);
    } else {
        handler();
    }
}

void RunSession::setProjectorColours(bool on) {
    picture_.setProjectorColours(on);
    screen_.setProjectorColours(on);
}

void RunSession::setClock(const std::function<qint64()>& clock) {
    clock_ = clock;
    pacer_.setClock(clock);
    screen_.setClock(clock);
}

void RunSession::tick() {
    pacer_.tick();
    screen_.tick();
}

void RunSession::setExpectedShown(bool shown) {
    expectedShown_ = shown;
    screen_.setChanceShown(shown);
    emitPictureChanged(true);
}

bool RunSession::setScreenShown(bool shown, bool paced) {
    if (!shown) {
        screen_.hide();
        return true;
    }
    if (!screenSettingsUsable() || !screen_.show(fields_, paced)) {
        return false;
    }
    matchPictureToScreen();
    return true;
}

void RunSession::clearScreen() {
    if (screen_.isShown() && screenSettingsUsable()) {
        screen_.clear(fields_);
        matchPictureToScreen();
    }
}

void RunSession::matchPictureToScreen() {
    const FieldSnapshot* drawn = picture_.drawnSettings();
    if (drawn != nullptr && !isRunning() && !ExperimentSettings::sameExperiment(*drawn, fields_)) {
        picture_.showApparatus(random_, fields_);
        emitPictureChanged(true);
    }
}

const FormFields* RunSession::shownSettings() const {
    if (const FieldSnapshot* drawn = picture_.drawnSettings()) {
        return drawn;
    }
    return screen_.settings();
}

bool RunSession::showsAnotherExperiment() const {
    const FormFields* shown = shownSettings();
    return !isRunning() && shown != nullptr && !ExperimentSettings::sameExperiment(*shown, fields_);
}

bool RunSession::screenSettingsUsable() {
    try {
        SettingReader(fields_).checkAll();
    } catch (const SettingError& error) {
        emit settingRefused(error.message());
        return false;
    }
    return true;
}

void RunSession::ended(const QString& state) {
    unfollow();
    picture_.setLiveRun(nullptr);
    run_.reset();
    emit stateChanged(state);
    emit finished();
    // The held clicks, in order, up to a held Start, which begins the next run; the clicks after
    // it wait for that run to end.
    while (!held_.isEmpty() && !isRunning()) {
        held_.take()();
    }
}
