// std::to_chars writes the shortest text that reads back as the same double, in the C locale.
#include "HitsExport.h"

#include <charconv>

QByteArray HitsExport::csv(const DetectorHits& hits) {
    QByteArray out = "hit,y,x,chance\n";
    out.reserve(static_cast<qsizetype>(hits.hits().size()) * 48);
    long long number = 0;
    char text[32];
    for (const DetectorHits::Hit& hit : hits.hits()) {
        out += QByteArray::number(++number);
        for (double value : {hit.y, hit.x, hits.chance().density(hit.y)}) {
            out += ',';
            out.append(text, std::to_chars(text, text + sizeof text, value).ptr - text);
        }
        out += '\n';
    }
    return out;
}

QString HitsExport::suggestedName(std::uint64_t seed) {
    return QStringLiteral("slitwise-hits-seed-%1.csv").arg(seed);
}
