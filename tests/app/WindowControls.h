// Reaching the window's controls by name in tests, the checks several tests make of them, and a
// clock that moves the window's runs only as far as a test says.
#pragma once

#include "frmSlitwise.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <memory>

template <typename T = QWidget> T* control(const frmSlitwise& window, const char* name) {
    T* found = window.findChild<T*>(QString::fromUtf8(name));
    if (found == nullptr) {
        qFatal("no control %s", name);
    }
    return found;
}

// A window shown and active, so that it takes keys, as the tests of keyboard use need.
inline std::unique_ptr<frmSlitwise> activeWindow(std::uint64_t seed) {
    auto window = std::make_unique<frmSlitwise>(seed);
    window->show();
    QApplication::setActiveWindow(window.get());
    if (!QTest::qWaitForWindowActive(window.get())) {
        qFatal("window not active");
    }
    return window;
}

inline QString text(const frmSlitwise& window, const char* name) {
    return control<QLineEdit>(window, name)->text();
}

// The five captions of the drawing, which every finished run shows.
inline constexpr const char* captionNames[] = {"nZdroj", "nClona", "nDetektor", "nSoučet",
                                               "nPravděpodobnost"};

inline bool allCaptionsShown(const frmSlitwise& window) {
    for (const char* caption : captionNames) {
        if (!control(window, caption)->isVisible()) {
            return false;
        }
    }
    return true;
}

// The kept picture of `runs` whole runs from a fresh window with this seed at this zoom, made
// without a timer: what the runs must draw whatever happens to a window meanwhile.
inline QImage undisturbedPicture(std::uint64_t seed, int runs = 1, double zoom = 1.0) {
    frmSlitwise window(seed);
    window.zoomTo(zoom);
    for (int i = 0; i < runs; ++i) {
        window.cmdStart_Click();
        window.session().finish();
    }
    return window.session().surface().snapshot();
}

// The clock of the run and of the hits, moved on by the test rather than by time, so that they
// go as far in the window as the test says however loaded the machine. Set before Start.
class RunClock {
public:
    explicit RunClock(frmSlitwise& window) : window_(window) {
        window.session().setClock([this] { return nowNs_; });
    }
    // `ms` go by, a 60 Hz frame at a time; a run or hits held do not go on meanwhile.
    void passes(int ms) {
        for (const qint64 end = nowNs_ + ms * 1'000'000LL; nowNs_ < end;) {
            nowNs_ += 16'666'667;
            window_.session().tick();
        }
    }

private:
    frmSlitwise& window_;
    qint64 nowNs_ = 0;
};
