// std::to_chars writes the shortest text that reads back as the same double, in the C locale.
#include "DataExport.h"

#include "FieldSnapshot.h"
#include "PictureExport.h"
#include "SettingReader.h"

#include <charconv>

namespace {

void appendNumber(QByteArray& out, double value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    out.append(text, end - text);
}

// The settings columns, the same on every line: what the run went by.
QByteArray settingCells(const SettingReader& reader) {
    QByteArray cells;
    for (const FormFields::Setting& setting : FormFields::settings) {
        if (setting.isExperiment()) {
            const double recorded = setting.recorded(reader.number(setting.field));
            cells += ',';
            if (setting.choices.empty()) {
                appendNumber(cells, recorded);
            } else {
                cells += setting.choices[static_cast<int>(recorded)].word;
            }
        }
    }
    return cells;
}

} // namespace

QByteArray DataExport::csv(const PictureView::FinishedRun& run) {
    QByteArray out = "pass,dot,y,photons_per_dot,sum_x,sum_y,bar_length,expected_bar_length,"
                     "last_slit,sum_arrow_drawn";
    for (const FormFields::Setting& setting : FormFields::settings) {
        if (setting.isExperiment()) {
            out += ',' + QByteArray(setting.column);
        }
    }
    if (!run.settings) {
        return out + '\n';
    }
    FieldSnapshot copy(*run.settings);
    const SettingReader reader(copy);
    const QByteArray settings = settingCells(reader);
    const bool perSlit = reader.whichSlitDetector();
    const int slits = reader.slitCount();
    // Two slits are named upper and lower, as they always were; more or fewer by their number
    // from the top.
    const auto slitName = [slits](int slit) {
        return slits == 2 ? QByteArray(slit == 0 ? "upper" : "lower")
                          : "slit" + QByteArray::number(slit + 1);
    };
    for (int slit = 0; perSlit && slit < slits; ++slit) {
        out += ',' + slitName(slit) + "_sum_x," + slitName(slit) + "_sum_y";
    }
    out += '\n';
    for (const PhotonRun::DotResult& dot : run.dots) {
        for (double value : {double(dot.pass), double(dot.dot), dot.y, dot.photonsPerDot, dot.sumX,
                             dot.sumY, dot.barLength}) {
            appendNumber(out, value);
            out += ',';
        }
        if (run.expected) {
            appendNumber(out, run.expected->barLength(dot.y));
        }
        out += ',';
        // Before the run's first photon there is no slit; two slits then name the lower, as always.
        if (slits == 2 || dot.lastSlit >= 0) {
            out += slits == 2 ? slitName(dot.lastSlit == 0 ? 0 : 1)
                              : QByteArray::number(dot.lastSlit + 1);
        }
        out += ',';
        out += dot.sumArrowDrawn ? "yes" : "no";
        out += settings;
        if (perSlit) {
            for (int slit = 0; slit < slits; ++slit) {
                for (double value : {dot.slitSums[slit].real(), dot.slitSums[slit].imag()}) {
                    out += ',';
                    appendNumber(out, value);
                }
            }
        }
        out += '\n';
    }
    return out;
}

QByteArray DataExport::probeCsv(const ArrowProbe& probe) {
    QByteArray out = "y,upper_path,lower_path,path_difference_wavelengths,sum_x,sum_y,"
                     "relative_chance\n";
    const auto cell = [&out](std::optional<double> value) {
        if (value) {
            appendNumber(out, *value);
        }
        out += ',';
    };
    cell(probe.y());
    // The top slit's path and the bottom one's.
    const int slits = probe.experiment().slitCount;
    for (const ArrowProbe::Path* path :
         {probe.path(0), slits > 1 ? probe.path(slits - 1) : nullptr}) {
        cell(path != nullptr ? std::optional(path->length) : std::nullopt);
    }
    cell(probe.pathDifference());
    const std::optional<std::complex<double>> sum = probe.sum();
    cell(sum ? std::optional(sum->real()) : std::nullopt);
    cell(sum ? std::optional(sum->imag()) : std::nullopt);
    appendNumber(out, probe.relativeChance());
    return out + '\n';
}

QString DataExport::suggestedName(const QString& photonsPerDot, std::uint64_t seed) {
    QString name = PictureExport::suggestedName(photonsPerDot, seed);
    name.replace(name.size() - 4, 4, QStringLiteral(".csv"));
    return name;
}
