// The heaviest run (500 photons per dot, slowdown 3) without a window, against the drawing floor:
// the very same lines drawn straight onto a QImage with QPainter, with no simulation around them,
// and against the limit of drawing them all in one colour through one drawLines call. Prints wall
// times, repetitions per second, the ratios and peak memory, and the heaviest run drawn at scale 2
// beside it. Then single photons landing: 100,000 hits drawn from a photon's chance, for point
// slits and for wide ones, whose table costs the most to work out.
#include "DetectorHits.h"
#include "FakeFields.h"
#include "ImageSurface.h"
#include "PhotonRun.h"
#include "RandomGenerator.h"
#include "RecordingSurface.h"

#include <QElapsedTimer>
#include <QFile>
#include <QPainter>

#include <cstdio>
#include <limits>
#include <utility>
#include <vector>

namespace {

constexpr long long whole = std::numeric_limits<long long>::max();
constexpr std::uint64_t seed = 1;

// Resident memory figures from /proc, in KiB: "VmRSS" now, "VmHWM" the peak.
long statusKiB(const char* key) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(key)) {
            return line.mid(static_cast<int>(qstrlen(key)) + 1).trimmed().split(' ')[0].toLong();
        }
    }
    return -1;
}

double runSeconds(int photons, int slowdown, long long& repetitions, double zoom = 1.0) {
    ImageSurface surface(zoom);
    RandomGenerator random(seed);
    FakeFields fields;
    fields.setText(SettingField::PhotonsPerDot, QString::number(photons));
    fields.setText(SettingField::Slowdown, QString::number(slowdown));
    PhotonRun run(surface, random, fields);
    repetitions = PhotonRun::repetitionsFor(photons, slowdown);
    QElapsedTimer clock;
    clock.start();
    run.start();
    run.advance(whole);
    return clock.nsecsElapsed() / 1e9;
}

// The heaviest run's drawing, call by call.
RecordingSurface recordedHeaviestRun() {
    RecordingSurface recording;
    RandomGenerator random(seed);
    FakeFields fields;
    fields.setText(SettingField::PhotonsPerDot, QStringLiteral("500"));
    fields.setText(SettingField::Slowdown, QStringLiteral("3"));
    PhotonRun run(recording, random, fields);
    run.start();
    run.advance(whole);
    return recording;
}

QImage blankImage() {
    QImage image(ImageSurface::width, ImageSurface::height, QImage::Format_RGB32);
    image.fill(QColor::fromRgb(Colour::background().rgb));
    return image;
}

// The recorded lines and circles with their widths and colours, a pen made at each change.
double floorSeconds(const RecordingSurface& recording) {
    QImage image = blankImage();
    QElapsedTimer clock;
    clock.start();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    int width = 0;
    Colour colour{0xFFFFFFFFu};
    for (const RecordingSurface::Call& call : recording.calls()) {
        if (call.kind != RecordingSurface::Kind::Line &&
            call.kind != RecordingSurface::Kind::Circle) {
            continue;
        }
        const Colour wanted = call.colour.value_or(Colour::foreground());
        if (call.penWidth != width || !(wanted == colour)) {
            width = call.penWidth;
            colour = wanted;
            painter.setPen(QPen(QColor::fromRgb(colour.rgb), width, Qt::SolidLine, Qt::RoundCap,
                                Qt::RoundJoin));
        }
        if (call.kind == RecordingSurface::Kind::Line) {
            painter.drawLine(QLineF(call.x1, call.y1, call.x2, call.y2));
        } else {
            painter.drawEllipse(QPointF(call.x1, call.y1), call.radius, call.radius);
        }
    }
    painter.end();
    return clock.nsecsElapsed() / 1e9;
}

// The recorded lines in one colour and one pen one pixel wide, through a single drawLines: what
// the painter needs for the lines alone, with no state change between them.
double oneColourSeconds(const RecordingSurface& recording) {
    std::vector<QLineF> lines;
    lines.reserve(recording.calls().size());
    for (const RecordingSurface::Call& call : recording.calls()) {
        if (call.kind == RecordingSurface::Kind::Line) {
            lines.emplace_back(call.x1, call.y1, call.x2, call.y2);
        }
    }
    QImage image = blankImage();
    QElapsedTimer clock;
    clock.start();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor::fromRgb(Colour::foreground().rgb), 1));
    painter.drawLines(lines.data(), static_cast<int>(lines.size()));
    painter.end();
    return clock.nsecsElapsed() / 1e9;
}

// Seconds to work out the chance table and to land 100,000 hits on a screen 200 pixels wide.
std::pair<double, double> hitSeconds(const char* slitWidth) {
    FakeFields fields;
    fields.setText(SettingField::SlitWidth, QString::fromLatin1(slitWidth));
    QElapsedTimer clock;
    clock.start();
    const auto chance = PhotonChance::forSettings(fields);
    const double table = clock.nsecsElapsed() / 1e9;
    RandomGenerator random(seed);
    DetectorHits hits(*chance, random, 200);
    clock.restart();
    hits.land(100000);
    return {table, clock.nsecsElapsed() / 1e9};
}

} // namespace

int main() {
    const long before = statusKiB("VmRSS:");
    long long repetitions = 0;
    // A light run first: if anything kept what was drawn, the heavy run would raise the peak.
    runSeconds(1, 1, repetitions);
    const long lightPeak = statusKiB("VmHWM:");
    const double run = runSeconds(500, 3, repetitions);
    const long peak = statusKiB("VmHWM:");
    const RecordingSurface recording = recordedHeaviestRun();
    const double drawing = floorSeconds(recording);
    const double oneColour = oneColourSeconds(recording);
    const double atScaleTwo = runSeconds(500, 3, repetitions, 2.0);

    std::printf("heaviest run (500 photons, slowdown 3), no window\n");
    std::printf("repetitions: %lld\n", repetitions);
    std::printf("run wall time: %.3f s\n", run);
    std::printf("run repetitions per second: %.0f\n", repetitions / run);
    std::printf("drawing floor wall time: %.3f s\n", drawing);
    std::printf("one-colour limit (one drawLines) wall time: %.3f s\n", oneColour);
    std::printf("run / floor: %.3f (target at most 1.05)\n", run / drawing);
    std::printf("run / one-colour limit: %.3f\n", run / oneColour);
    std::printf("heaviest run at scale 1 and at scale 2 (1602 x 1162): %.3f s and %.3f s\n", run,
                atScaleTwo);
    std::printf("resident memory before the run: %ld KiB\n", before);
    std::printf("peak resident memory after a light run (1 photon): %ld KiB\n", lightPeak);
    std::printf("peak resident memory after the heaviest run: %ld KiB (growth %ld KiB)\n", peak,
                peak - lightPeak);
    for (const char* width : {"0", "30"}) {
        const auto [table, landing] = hitSeconds(width);
        std::printf("100,000 hits, slit width %s: chance table %.4f s, landing %.4f s (target "
                    "under 1 s together)\n",
                    width, table, landing);
    }
    return 0;
}
