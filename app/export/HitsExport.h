// The detector screen's hits as data: one CSV line per hit, in the order they landed, for
// students to make their own histogram of them.
#pragma once

#include "DetectorHits.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

class HitsExport {
public:
    // The header line and one line per hit: its number from 1, its height in the picture's
    // pixels (as the detector points' y), its place across the screen in pixels, and the chance
    // per pixel of height there. Numbers are written so that they read back exactly.
    static QByteArray csv(const DetectorHits& hits);
    // For example slitwise-hits-seed-1234.csv.
    static QString suggestedName(std::uint64_t seed);
};
