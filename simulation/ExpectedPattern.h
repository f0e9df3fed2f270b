// The pattern the photons build on average: the expected length of a bar at each height, for the
// settings a run started with. Each photon's start phase, slit and height across the slit are
// drawn independently, so the expected squared length of a dot's arrow sum is N·0.09 for the
// arrows with themselves and N(N−1)·|mean arrow|² for the pairs, where the mean arrow is 0.3
// times the mean start arrow m times the slits' mean arrows A_k, each weighted by its slit's
// chance p_k: 0.09·[N + N(N−1)·|m|²·|Σ p_k·A_k|²]. With the which-slit detector on, only pairs
// through the same slit are added as arrows: |Σ p_k·A_k|² becomes Σ p_k²·|A_k|².
#pragma once

#include "Experiment.h"
#include "FormFields.h"

#include <optional>

class SettingReader;

class ExpectedPattern {
public:
    // Chances of the upper and the lower of two slits: u > 500 of 0 to 999 takes the upper one.
    // Any other count of slits shares the chance evenly.
    static constexpr double upperChance = 0.499;
    static constexpr double lowerChance = 0.501;
    // Heights, in pixels, that the run's detector points can take.
    static constexpr int highestY = 79;
    static constexpr int lowestY = 531;

    // For the setting texts a run started with; none when a text is not a usable number.
    static std::optional<ExpectedPattern> forSettings(const FormFields& fields);
    // The same, from settings being read; throws SettingError when a text cannot be used.
    static ExpectedPattern fromSettings(const SettingReader& settings);

    // The expected bar length, in pixels, at the detector height y.
    double barLength(double y) const;
    // How much, at most 1, the sum arrows drawn at `sumScale` are shortened so that at every
    // height where a sum may be drawn the expected sum of either pass keeps its tip in the sums'
    // column: right of the detector's arrows, left of the pattern axis, below the top of the
    // apparatus and above the settings line.
    double sumFit(double sumScale) const;
    // |m|², the squared length of the mean start arrow of a pass.
    static double meanStartArrowSquared();
    // m, the mean start arrow of pass 1 or 2.
    static std::complex<double> meanStartArrow(int pass);
    // The chance that a photon takes a slit, numbered from 0 at the top.
    static double slitChance(const Experiment& experiment, int slit);

private:
    double photons_ = 0.0;
    double probabilityScale_ = 0.0;
    Experiment experiment_;
};
