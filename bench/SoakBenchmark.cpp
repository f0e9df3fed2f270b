// Two hundred whole runs without a window in one process, each with its own seed, to show that a
// run gives back all it takes: prints resident memory after the first and after the last run and
// the growth per run, with the wall time of the whole soak.
#include "FakeFields.h"
#include "ImageSurface.h"
#include "PhotonRun.h"
#include "RandomGenerator.h"
#include "Scene.h"

#include <QElapsedTimer>
#include <QFile>

#include <malloc.h>

#include <array>
#include <cstdio>
#include <limits>

namespace {

constexpr int runs = 200;
constexpr std::size_t photonValues = std::size(Scene::photonsRows);
constexpr std::array slowdownValues{1, 2, 3};
// The lighter values: all but 100 and 500.
constexpr std::size_t lightPhotonValues = photonValues - 2;
// Growth allowed over the runs after the first, in KiB.
constexpr long growthTargetKiB = 64;

struct Settings {
    int photons;
    int slowdown;
};

// The first 18 runs make every pair of photons per dot and slowdown once, from the heaviest
// (500 x 3, 780,000 repetitions) down, so that the first run, after which growth is counted, has
// touched every code path a run takes. The rest cycle the lighter photon values over all three
// slowdowns, so that 200 runs take about a minute rather than several.
Settings settingsFor(int run) {
    const auto grid = static_cast<int>(photonValues * slowdownValues.size());
    if (run < grid) {
        const auto i = static_cast<std::size_t>(run);
        return {Scene::photonsRows[i % photonValues].photons, slowdownValues[i / photonValues]};
    }
    const auto i = static_cast<std::size_t>(run - grid);
    return {Scene::photonsRows[i % lightPhotonValues].photons,
            slowdownValues[(i / lightPhotonValues) % slowdownValues.size()]};
}

// A resident memory figure from /proc, in KiB, or -1 where there is no /proc: "VmRSS" in all,
// "RssAnon" the heap and other private memory, "RssFile" the program's and libraries' pages.
long statusKiB(const QByteArray& key) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(key + ':')) {
            return line.mid(key.size() + 1).trimmed().split(' ')[0].toLong();
        }
    }
    return -1;
}

// A whole run as the window makes it: surface, generator, the setting texts and the stepper,
// all released when it returns. Returns the photon repetitions it animated.
long long wholeRun(const Settings& settings, std::uint64_t seed) {
    ImageSurface surface;
    RandomGenerator random(seed);
    FakeFields fields;
    fields.setText(SettingField::PhotonsPerDot, QString::number(settings.photons));
    fields.setText(SettingField::Slowdown, QString::number(settings.slowdown));
    PhotonRun run(surface, random, fields);
    run.start();
    run.advance(std::numeric_limits<long long>::max());
    return PhotonRun::repetitionsFor(settings.photons, settings.slowdown);
}

} // namespace

int main() {
    // glibc raises its mmap threshold to the size of the first large block freed, so from the
    // second run on the 1.8 MB picture would come from the heap, whose top is rarely given back:
    // a one-off 1.8 MB rise that is no growth per run. A fixed threshold (its default, 128 KiB)
    // keeps every picture mapped and returned, as the first one was.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    // Read once before counting: the first read pages in the reading code itself (the kernel maps
    // file pages 64 KiB at a time), which would show as growth after the first run.
    statusKiB("VmRSS");
    QElapsedTimer clock;
    clock.start();
    long long repetitions = 0;
    long afterFirst = 0;
    long privateAfterFirst = 0;
    for (int run = 0; run < runs; ++run) {
        repetitions += wholeRun(settingsFor(run), 1000 + static_cast<std::uint64_t>(run));
        if (run == 0) {
            afterFirst = statusKiB("VmRSS");
            privateAfterFirst = statusKiB("RssAnon");
        }
    }
    const long afterLast = statusKiB("VmRSS");
    const long privateAfterLast = statusKiB("RssAnon");
    const double seconds = clock.nsecsElapsed() / 1e9;
    const long growth = afterLast - afterFirst;

    std::printf("runs: %d\n", runs);
    std::printf("repetitions: %lld\n", repetitions);
    std::printf("wall time: %.1f s\n", seconds);
    std::printf("resident memory after the first run: %ld KiB\n", afterFirst);
    std::printf("resident memory after the last run: %ld KiB\n", afterLast);
    std::printf("growth over the runs after the first: %ld KiB (target under %ld KiB)\n", growth,
                growthTargetKiB);
    std::printf("growth per run: %.2f KiB\n", static_cast<double>(growth) / (runs - 1));
    std::printf("private memory (RssAnon) after the first run: %ld KiB\n", privateAfterFirst);
    std::printf("private memory (RssAnon) after the last run: %ld KiB\n", privateAfterLast);
    return 0;
}
