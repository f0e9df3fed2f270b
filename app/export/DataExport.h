// The pattern as data: one CSV line per detector point of a finished run, for students to take
// the numbers away into a spreadsheet or a notebook.
#pragma once

#include "ExpectedPattern.h"
#include "PhotonRun.h"

#include <QByteArray>

#include <optional>
#include <vector>

class DataExport {
public:
    // The header line and one line per point. Numbers have a dot as the decimal mark whatever
    // the locale, written so that they read back exactly.
    static QByteArray csv(const std::vector<PhotonRun::DotResult>& dots,
                          const std::optional<ExpectedPattern>& expected);
    // For example slitwise-50-photons-seed-1234.csv.
    static QString suggestedName(const QString& photonsPerDot, std::uint64_t seed);
};
