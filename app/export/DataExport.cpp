// std::to_chars writes the shortest text that reads back as the same double, in the C locale.
#include "DataExport.h"

#include "PictureExport.h"

#include <charconv>

namespace {

void appendNumber(QByteArray& out, double value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    out.append(text, end - text);
}

} // namespace

QByteArray DataExport::csv(const std::vector<PhotonRun::DotResult>& dots,
                           const std::optional<ExpectedPattern>& expected) {
    QByteArray out = "pass,dot,y,photons_per_dot,sum_x,sum_y,bar_length,expected_bar_length,"
                     "last_slit,sum_arrow_drawn\n";
    for (const PhotonRun::DotResult& dot : dots) {
        for (double value : {double(dot.pass), double(dot.dot), dot.y, dot.photonsPerDot, dot.sumX,
                             dot.sumY, dot.barLength}) {
            appendNumber(out, value);
            out += ',';
        }
        if (expected) {
            appendNumber(out, expected->barLength(dot.y));
        }
        out += dot.lastSlitUpper ? ",upper," : ",lower,";
        out += dot.sumArrowDrawn ? "yes\n" : "no\n";
    }
    return out;
}

QString DataExport::suggestedName(const QString& photonsPerDot, std::uint64_t seed) {
    QString name = PictureExport::suggestedName(photonsPerDot, seed);
    name.replace(name.size() - 4, 4, QStringLiteral(".csv"));
    return name;
}
