// What a setup file sets that only the window has: how the picture is shown, the window's own
// state and the question a lesson asks when it opens. A key the file leaves out is left as the
// window has it, so that opening a lesson on a projector keeps the projector colours.
#pragma once

#include <QString>

#include <optional>

struct SetupView {
    std::optional<bool> expected;
    std::optional<int> pace; // an index into RunPacer::levels: 0 the fastest
    std::optional<bool> projectorColours;
    std::optional<bool> panel;      // the experiment panel open
    std::optional<bool> screen;     // the detector screen shown
    std::optional<bool> fullScreen; // the window full screen
    QString question;               // in English, or as the teacher wrote it
};
