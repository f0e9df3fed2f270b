// The window's 27 controls, and a hidden field for each setting added since, as data: kind,
// parent, text, geometry, colours, font, tab order and visibility, in the order the window
// creates them.
// Texts a user reads are in English, marked for translation in the context "ControlTable".
#pragma once

#include <QRect>
#include <QRgb>

#include <optional>
#include <span>

enum class ControlKind { ScrollBar, Frame, OptionButton, TextField, PushButton, Label };

struct ControlFont {
    const char* face;
    const char* fallback; // a face of the same metrics, used where the first is not installed
    double points;        // at 96 dots per inch, 4/3 pixel to the point
    bool bold;
};

// A row names the fields it sets; every field with a default here may be left out.
struct ControlRow {
    const char* name; // the object name, UTF-8
    ControlKind kind;
    const char* parent = nullptr; // the frame it stands in, or nullptr for the window
    const char* text = "";        // caption or design text, UTF-8, in English where it is read
    // A photons-per-dot button's row of the scales table, whose number is its caption and what
    // it chooses; -1 for any other control.
    int photonsRow = -1;
    QRect geometry; // pixels, relative to the parent
    std::optional<QRgb> backColour = std::nullopt;
    std::optional<ControlFont> font = std::nullopt;
    int tabIndex;
    bool shown = false; // visible when the window is first shown
    // What a screen reader says of the control, empty for hidden controls. A name names: the
    // checked state and the scroll bar's value are spoken from the control itself.
    const char* accessibleName = "";
    const char* accessibleDescription = "";
};

class ControlTable {
public:
    static std::span<const ControlRow> controls();
    // A caption beside Start and Exit that says a run is paused; not one of the design's
    // controls, and hidden until a run is paused.
    static const ControlRow& pausedCaption();
    // Below the apparatus, where nothing of the run is drawn, and like the paused caption never
    // in a saved picture: how far the run has come, its pace, and the photon N drew last.
    static std::span<const ControlRow> runDisplay();
    // The hits so far on the detector screen, under it; hidden while the screen is.
    static const ControlRow& hitsCounter();
    static const ControlRow* find(const QString& name);
    // The detector's caption over a detector line at `detectorX`: moved with the line from where
    // the design puts it, but never into the caption of the sums.
    static ControlRow detectorCaption(double detectorX);
    // The shield's caption for a shield of `slits`: the design's text with two.
    static QString shieldCaption(int slits);
    // The photons per dot a photons-per-dot button chooses.
    static int photonsOf(const char* buttonName);
};
