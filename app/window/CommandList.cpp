// In the order the lists of keys print them; the menu takes the rows with an entry, in order.
#include "CommandList.h"

#include "WindowActions.h"

namespace {

// clang-format off
constexpr Command commands[] = {
    {nullptr, nullptr, QT_TRANSLATE_NOOP("CommandList", "Space, Enter"),
     QT_TRANSLATE_NOOP("CommandList", "press the button that has the focus")},
    {"startAction", QT_TRANSLATE_NOOP("CommandList", "Start"), "F5",
     QT_TRANSLATE_NOOP("CommandList", "start a run"), &WindowActions::start},
    {"pauseAction", QT_TRANSLATE_NOOP("CommandList", "Pause"), "P",
     QT_TRANSLATE_NOOP("CommandList", "pause the run, or resume it"), &WindowActions::pause},
    {"nextPhotonAction", QT_TRANSLATE_NOOP("CommandList", "Next photon"), "N",
     QT_TRANSLATE_NOOP("CommandList", "while paused: the next photon"), &WindowActions::nextPhoton},
    {"stopAction", QT_TRANSLATE_NOOP("CommandList", "Stop"), "S",
     QT_TRANSLATE_NOOP("CommandList", "stop the run; the picture stays as far as it came"),
     &WindowActions::stop},
    {"finishAction", QT_TRANSLATE_NOOP("CommandList", "Finish now"), "F",
     QT_TRANSLATE_NOOP("CommandList", "draw the rest of the run at once"), &WindowActions::finish},
    {"slowerAction", QT_TRANSLATE_NOOP("CommandList", "Slower"), "-",
     QT_TRANSLATE_NOOP("CommandList", "a slower pace, down to one photon a second"),
     &WindowActions::slower},
    {"fasterAction", QT_TRANSLATE_NOOP("CommandList", "Faster"), "+",
     QT_TRANSLATE_NOOP("CommandList", "a faster pace, up to 4,000 repetitions a second"),
     &WindowActions::faster},
    {"projectorAction", QT_TRANSLATE_NOOP("CommandList", "Projector colours"), "Ctrl+P",
     QT_TRANSLATE_NOOP("CommandList", "projector colours: sums dark green, lower slit brown, expected blue"),
     &WindowActions::setProjectorColours, true},
    {"expectedAction", QT_TRANSLATE_NOOP("CommandList", "Show expected pattern"), "E",
     QT_TRANSLATE_NOOP("CommandList", "show or hide the expected pattern, and the chance on "
                                      "the screen"), &WindowActions::showExpected, true},
    {"fullScreenAction", QT_TRANSLATE_NOOP("CommandList", "Full screen"), "F11",
     QT_TRANSLATE_NOOP("CommandList", "full screen, or back"), &WindowActions::toggleFullScreen,
     true},
    {"leaveFullScreenAction", nullptr, "Esc",
     QT_TRANSLATE_NOOP("CommandList", "remove the arrow probe or the ruler, or leave full "
                                      "screen"),
     &WindowActions::escape},
    {"saveAction", QT_TRANSLATE_NOOP("CommandList", "Save picture…"), "Ctrl+S",
     QT_TRANSLATE_NOOP("CommandList", "save the picture as a PNG"), &WindowActions::save, false,
     true},
    {"copyAction", QT_TRANSLATE_NOOP("CommandList", "Copy picture"), "Ctrl+C",
     QT_TRANSLATE_NOOP("CommandList", "copy the picture"), &WindowActions::copy},
    {"exportAction", QT_TRANSLATE_NOOP("CommandList", "Export data…"), "Ctrl+E",
     QT_TRANSLATE_NOOP("CommandList", "export the last finished run's points, or the screen's "
                                      "hits, as CSV"), &WindowActions::exportData},
    {"openSetupAction", QT_TRANSLATE_NOOP("CommandList", "Open setup…"), "Ctrl+O",
     QT_TRANSLATE_NOOP("CommandList", "open a setup file: its settings, as if set by hand"),
     &WindowActions::openSetup, false, true},
    {"saveSetupAction", QT_TRANSLATE_NOOP("CommandList", "Save setup…"), "Ctrl+Shift+S",
     QT_TRANSLATE_NOOP("CommandList", "save what is set now as a setup file"),
     &WindowActions::saveSetup},
    {"detectorScreenAction", QT_TRANSLATE_NOOP("CommandList", "Detector screen"), "D",
     QT_TRANSLATE_NOOP("CommandList", "single photons landing on a screen, in place of the "
                                      "bars; D again hides it"),
     &WindowActions::showDetectorScreen, true, true},
    {"clearHitsAction", QT_TRANSLATE_NOOP("CommandList", "Clear hits"), "Shift+D",
     QT_TRANSLATE_NOOP("CommandList", "clear the screen's hits and begin again"),
     &WindowActions::clearHits},
    {"probeAction", QT_TRANSLATE_NOOP("CommandList", "Arrow probe"), "A",
     QT_TRANSLATE_NOOP("CommandList", "the paths and arrows at one point of the detector: on the "
                                      "axis, or where you click right of the slits; A again "
                                      "removes it"), &WindowActions::showProbe, true, true},
    {"probeUpAction", nullptr, "Up, Shift+Up",
     QT_TRANSLATE_NOOP("CommandList", "move the arrow probe up one pixel, or ten"),
     &WindowActions::probeUp},
    {"probeDownAction", nullptr, "Down, Shift+Down",
     QT_TRANSLATE_NOOP("CommandList", "move the arrow probe down one pixel, or ten"),
     &WindowActions::probeDown},
    {"rulerAction", QT_TRANSLATE_NOOP("CommandList", "Ruler"), "R",
     QT_TRANSLATE_NOOP("CommandList", "a ruler from the middle bright fringe to the next; while "
                                      "it is shown a drag lays it anew; R again removes it"),
     &WindowActions::showRuler, true},
    {"fringeMarksAction", QT_TRANSLATE_NOOP("CommandList", "Fringe marks"), "L",
     QT_TRANSLATE_NOOP("CommandList", "mark the bright fringes beside the pattern: the "
                                      "textbook's λL/d apart, and the true ones"),
     &WindowActions::showFringeMarks, true},
    {"keepPatternAction", QT_TRANSLATE_NOOP("CommandList", "Keep pattern"), "K",
     QT_TRANSLATE_NOOP("CommandList", "keep the pattern as it stands, to compare with the next "
                                      "experiments; up to four"),
     &WindowActions::keepPattern, false, true},
    {"clearPatternsAction", QT_TRANSLATE_NOOP("CommandList", "Clear kept patterns"), "Shift+K",
     QT_TRANSLATE_NOOP("CommandList", "clear the kept patterns"), &WindowActions::clearPatterns},
    {"curtainAction", QT_TRANSLATE_NOOP("CommandList", "Predict first"), "C",
     QT_TRANSLATE_NOOP("CommandList", "hide the pattern and the screen behind a curtain while "
                                      "photons arrive; C again reveals them"),
     &WindowActions::drawCurtain, true},
    {"aboutAction", QT_TRANSLATE_NOOP("CommandList", "About this picture"), "F1",
     QT_TRANSLATE_NOOP("CommandList", "what each part of the picture is"), &WindowActions::about,
     false, true},
    {"experimentAction", QT_TRANSLATE_NOOP("CommandList", "Experiment"), "X",
     QT_TRANSLATE_NOOP("CommandList", "open or close the experiment panel below the picture"),
     &WindowActions::openExperiment, true, true},
    {nullptr, nullptr, "Menu",
     QT_TRANSLATE_NOOP("CommandList", "all of these in a menu, as a right click gives")},
    {"menuAction", nullptr, "Shift+F10",
     QT_TRANSLATE_NOOP("CommandList", "the same menu, by the control that has the focus"),
     &WindowActions::openMenu},
};
// clang-format on

} // namespace

std::span<const Command> CommandList::all() {
    return commands;
}

QString CommandList::key(const Command& command) {
    return tr(command.key);
}

QString CommandList::help(const Command& command) {
    return tr(command.help);
}

QString CommandList::text(const Command& command) {
    return command.text != nullptr ? tr(command.text) : QString();
}
