// The pattern as data: one CSV line per detector point of a finished run, for students to take
// the numbers away into a spreadsheet or a notebook.
#pragma once

#include "ArrowProbe.h"
#include "PictureView.h"

#include <QByteArray>

class DataExport {
public:
    // The header line and one line per point, each with the settings the run went by, and the
    // sums of each slit's photons apart when the which-slit detector was on. Numbers have a dot
    // as the decimal mark whatever the locale, written so that they read back exactly.
    static QByteArray csv(const PictureView::FinishedRun& run);
    // The arrow probe's numbers: a header and one line, the paths in pixels to the slits'
    // middles (empty for a closed slit), their difference in wavelengths, the sum of the unit
    // arrows (empty with the which-slit detector on) and the chance beside the largest.
    static QByteArray probeCsv(const ArrowProbe& probe);
    // For example slitwise-50-photons-seed-1234.csv.
    static QString suggestedName(const QString& photonsPerDot, std::uint64_t seed);
};
