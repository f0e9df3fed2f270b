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
    out += perSlit ? ",upper_sum_x,upper_sum_y,lower_sum_x,lower_sum_y\n" : "\n";
    for (const PhotonRun::DotResult& dot : run.dots) {
        for (double value : {double(dot.pass), double(dot.dot), dot.y, dot.photonsPerDot, dot.sumX,
                             dot.sumY, dot.barLength}) {
            appendNumber(out, value);
            out += ',';
        }
        if (run.expected) {
            appendNumber(out, run.expected->barLength(dot.y));
        }
        out += dot.lastSlitUpper ? ",upper," : ",lower,";
        out += dot.sumArrowDrawn ? "yes" : "no";
        out += settings;
        if (perSlit) {
            for (double value : {dot.upperSumX, dot.upperSumY, dot.lowerSumX, dot.lowerSumY}) {
                out += ',';
                appendNumber(out, value);
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
    for (bool upper : {true, false}) {
        const ArrowProbe::Path* path = probe.path(upper);
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
