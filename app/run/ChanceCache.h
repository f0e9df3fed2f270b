// A single photon's chance for the settings as they stand, made again only when a setting text
// changes: its table takes milliseconds, and the probe, the ruler and the fringe lines ask for it
// at every paint and every move of the mouse.
#pragma once

#include "FormFields.h"
#include "PhotonChance.h"

#include <array>
#include <optional>

class ChanceCache {
public:
    // `fields` must outlive the cache.
    explicit ChanceCache(const FormFields& fields) : fields_(fields) {}

    // nullptr while a setting text cannot be used.
    const PhotonChance* chance() const;
    // Counts the chances made, so that what was worked out from one can tell it is stale.
    int generation() const { return generation_; }

private:
    const FormFields& fields_;
    mutable int generation_ = 0;
    mutable std::optional<PhotonChance> chance_;
    mutable std::array<QString, FormFields::settingCount> texts_;
};
