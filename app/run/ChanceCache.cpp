// The texts are compared one by one; a snapshot of them is what the chance was made from.
#include "ChanceCache.h"

const PhotonChance* ChanceCache::chance() const {
    bool same = generation_ > 0;
    for (const FormFields::Setting& setting : FormFields::settings) {
        QString& kept = texts_[FormFields::indexOf(setting.field)];
        const QString now = fields_.text(setting.field);
        if (now != kept) {
            kept = now;
            same = false;
        }
    }
    if (!same) {
        chance_ = PhotonChance::forSettings(fields_);
        ++generation_;
    }
    return chance_ ? &*chance_ : nullptr;
}
