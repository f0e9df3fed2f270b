// The photon loop as a state machine over the nested loops pass > dot > photon > repetition.
// Each loop's bound is read from its setting's text when that loop begins, as a run in one go
// would read it.
#include "PhotonRun.h"

#include "Conversion.h"
#include "DrawingSurface.h"
#include "Experiment.h"
#include "RandomSource.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double heightReseed = 10;      // re-seed before each detector height
constexpr double phaseReseed = 5;        // re-seed before each start phase
constexpr int heightChoices = 451;       // offsets 0 to 450 above bottomY
constexpr int phaseChoices = 180;        // start phases per pass, in steps of phaseUnit
constexpr int slitChoices = 1000;        // u > 500 takes the upper of two slits
constexpr double greenEveryLower = 15.7; // rounds to 16
constexpr double greenEveryUpper = 13;

float f(double value) {
    return static_cast<float>(value);
}

} // namespace

PhotonRun::PhotonRun(DrawingSurface& surface, RandomSource& random, FormFields& fields)
    : surface_(surface), random_(random), settings_(fields) {}

void PhotonRun::start() {
    settings_.checkAll();
    scene_ = Scene::prepare(surface_, settings_);
    dots_.reserve(passes * dotsPerPass);
    stage_ = Stage::NextDot;
}

long long PhotonRun::repetitionsFor(double photonsPerDot, double slowdown) {
    const auto count = [](double bound) {
        return bound < 1 ? 0LL : static_cast<long long>(std::floor(bound));
    };
    return passes * dotsPerPass * count(photonsPerDot) * std::max(1LL, count(slowdown));
}

bool PhotonRun::advance(long long steps) {
    try {
        while (stage_ == Stage::NextDot || stage_ == Stage::NextPhoton ||
               stage_ == Stage::NextRepetition) {
            if (stage_ == Stage::NextDot) {
                beginDot();
            } else if (stage_ == Stage::NextPhoton) {
                beginPhoton();
            } else if (repetition_ <= repetitionBound_ || idleStepDue_) {
                // Stop only where a step is due, so that the bookkeeping after the last step of
                // a piece, up to the next step, is done in the same piece.
                if (steps <= 0) {
                    return false;
                }
                --steps;
                ++stepsDone_;
                if (repetition_ <= repetitionBound_) {
                    animateRepetition();
                    ++repetition_;
                } else {
                    idleStepDue_ = false;
                }
            } else {
                finishPhoton();
            }
        }
    } catch (...) {
        stage_ = Stage::Over;
        throw;
    }
    return isOver();
}

bool PhotonRun::advancePhoton() {
    // One step at a time: each piece ends where the next step is due, so the photon's end, and
    // its dot's end after the last photon, are done in the piece with its last repetition.
    const long long before = photonsFinished_;
    while (!isOver() && photonsFinished_ == before) {
        advance(1);
    }
    return isOver();
}

PhotonRun::Progress PhotonRun::progress() const {
    const int points = passes * dotsPerPass;
    const int point = std::min((pass_ - 1) * dotsPerPass + dot_, points);
    return {isOver() ? points : point, photon_, photonBound_};
}

void PhotonRun::beginDot() {
    if (dot_ > dotsPerPass) {
        dot_ = 1;
        ++pass_;
    }
    if (pass_ > passes) {
        close();
        return;
    }
    random_.reseed(heightReseed);
    const double r = Conversion::integerPart(random_.nextValue() * heightChoices);
    dotOffset_ = pass_ == 1 ? r : r + 2;
    sum_.reset();
    for (ArrowSum& slitSum : slitSums_) {
        slitSum.reset();
    }
    photonBound_ = settings_.number(SettingField::PhotonsPerDot);
    photon_ = 1;
    stage_ = Stage::NextPhoton;
}

void PhotonRun::beginPhoton() {
    if (photon_ > photonBound_) {
        finishDot();
        ++dot_;
        stage_ = Stage::NextDot;
        return;
    }
    repetitionBound_ = settings_.number(SettingField::Slowdown);
    repetition_ = 1;
    idleStepDue_ = repetitionBound_ < 1;
    stage_ = Stage::NextRepetition;
}

void PhotonRun::animateRepetition() {
    const double length = Scene::arrowLength;
    const auto sourceX = f(Scene::sourceX);
    const auto axisY = f(Scene::axisY);

    random_.reseed(phaseReseed);
    const double r = Conversion::integerPart(random_.nextValue() * phaseChoices);
    // The previous photon's phase, whose arrow is erased, keeps its cosine and sine.
    const double previousCos = phaseCos_;
    const double previousSin = phaseSin_;
    phase_ = Scene::phaseUnit * (pass_ == 1 ? r : r + phaseChoices);
    phaseCos_ = std::cos(phase_);
    phaseSin_ = std::sin(phase_);

    surface_.line(sourceX, axisY, f(Scene::sourceX - length * previousCos),
                  f(Scene::axisY - length * previousSin), Colour::background());
    surface_.line(sourceX, axisY, f(Scene::sourceX - length * phaseCos_),
                  f(Scene::axisY - length * phaseSin_));

    // The slit is drawn even with one slit closed, so that the random sequence keeps its shape.
    // Two slits are chosen as they always were; any other count by the same draw, evenly.
    const double draw = random_.nextValue();
    slitCount_ = settings_.slitCount();
    if (slitCount_ == 2) {
        const double u = Conversion::integerPart(draw * slitChoices);
        const OpenSlits open = settings_.openSlits();
        const bool upper = open == OpenSlits::Both ? u > 500 : open == OpenSlits::Upper;
        slit_ = upper ? 0 : 1;
    } else {
        slit_ = std::min(slitCount_ - 1, static_cast<int>(draw * slitCount_));
    }
    const std::optional<Colour> slitColour =
        slit_ == 0 ? std::nullopt : std::optional<Colour>(Colour::slit(slit_));

    const double separation = settings_.number(SettingField::SlitSeparation);
    double slitY = Experiment::slitY(slit_, slitCount_, separation);
    // A wide slit is passed at a height drawn uniformly across it; a point slit draws nothing.
    const double slitWidth = settings_.number(SettingField::SlitWidth);
    if (slitWidth > 0) {
        slitY += (random_.nextValue() - 0.5) * slitWidth;
    }
    surface_.line(sourceX, axisY, f(Scene::shieldX), f(slitY), slitColour);
    surface_.line(f(Scene::shieldX), f(slitY), f(Scene::shieldX - length * phaseCos_),
                  f(slitY - length * phaseSin_), slitColour);

    dotY_ = f(Scene::bottomY - dotOffset_);
    const double turnPerPixel = settings_.number(SettingField::TurnPerPixel);
    const double turn = turnPerPixel * scene_.pathLength(dotY_, slitY);
    const double arrivalPhase = phase_ + turn;
    slitY_ = slitY;
    turn_ = std::fmod(turn, 2 * std::numbers::pi);
    if (turn_ < 0) {
        turn_ += 2 * std::numbers::pi;
    }
    arrivalCos_ = std::cos(arrivalPhase);
    arrivalSin_ = std::sin(arrivalPhase);

    surface_.line(f(scene_.detectorX), dotY_, f(scene_.detectorX + length * arrivalCos_),
                  f(dotY_ - length * arrivalSin_), slitColour);
    surface_.setPenWidth(1);
}

void PhotonRun::finishPhoton() {
    // Only the last repetition's arrival arrow counts.
    sum_.add(arrivalCos_, arrivalSin_);
    // A photon never animated took no slit; it counts with the second, as it always has.
    slitSums_[slit_ < 0 ? 1 : slit_].add(arrivalCos_, arrivalSin_);
    surface_.setPenWidth(1);
    // A photon with no repetitions was never drawn: there is nothing of it to follow.
    if (repetitionBound_ >= 1) {
        const double scale = scene_.scales.sum;
        lastPhoton_ = PhotonTrace{(pass_ - 1) * dotsPerPass + dot_,
                                  photon_,
                                  photonBound_,
                                  slit_,
                                  slitCount_,
                                  slitY_,
                                  dotY_,
                                  scene_.detectorX,
                                  phaseCos_,
                                  phaseSin_,
                                  arrivalCos_,
                                  arrivalSin_,
                                  turn_,
                                  Scene::sumAxisX + sum_.x() * scale,
                                  dotY_ - sum_.y() * scale};
    }
    ++photon_;
    ++photonsFinished_;
    stage_ = Stage::NextPhoton;
}

void PhotonRun::finishDot() {
    // With the which-slit detector the slits' sums are never joined: their squared lengths are
    // added instead.
    const bool whichSlit = settings_.whichSlitDetector();
    double apart = 0.0;
    for (int slit = 0; slit < slitCount_; ++slit) {
        apart += slitSums_[slit].squaredLength();
    }
    const double squared = whichSlit ? apart : sum_.squaredLength();
    const double probability = squared * scene_.scales.probability;
    surface_.setPenWidth(2);
    surface_.line(f(Scene::patternAxisX), dotY_, f(Scene::patternAxisX + probability), dotY_);
    // Width 1 then 2 back to back on purpose: the bar and the sum arrow are separate drawings,
    // each setting its own width, and the recorded drawing sequence keeps both settings.
    surface_.setPenWidth(1);
    surface_.setPenWidth(2);
    // Sampled at other heights after a photon through the top slit than through any other.
    const bool sampled = (slit_ > 0 && Conversion::mod(dotY_, greenEveryLower) == 0) ||
                         (slit_ == 0 && Conversion::mod(dotY_, greenEveryUpper) == 0);
    if (sampled && whichSlit) {
        // All from the same tail, each in its slit's colour: sums side by side, not one placed
        // at another's tip.
        for (int slit = 0; slit < slitCount_; ++slit) {
            drawSumArrow(slitSums_[slit],
                         slit == 0 ? std::nullopt : std::optional<Colour>(Colour::slit(slit)));
        }
    } else if (sampled) {
        drawSumArrow(sum_, Colour::sumArrow());
    }
    surface_.setPenWidth(1);
    DotResult result{pass_,    dot_,        dotY_, photonBound_, sum_.x(),
                     sum_.y(), probability, slit_, slitCount_,   sampled};
    for (int slit = 0; slit < slitCount_; ++slit) {
        result.slitSums[slit] = {slitSums_[slit].x(), slitSums_[slit].y()};
    }
    dots_.push_back(result);
}

void PhotonRun::drawSumArrow(const ArrowSum& sum, std::optional<Colour> colour) {
    surface_.line(f(Scene::sumAxisX), dotY_, f(Scene::sumAxisX + sum.x() * scene_.scales.sum),
                  f(dotY_ - sum.y() * scene_.scales.sum), colour);
}

void PhotonRun::close() {
    surface_.setPenWidth(3);
    surface_.circle(f(Scene::sourceX), f(Scene::axisY), 4);
    surface_.setPenWidth(1);
    for (CaptionField caption : FormFields::captions) {
        settings_.showCaption(caption);
    }
    stage_ = Stage::Over;
    complete_ = true;
}
