// Colours of the picture. They are fixed RGB values, whatever the desktop theme, because the
// drawing area is always light grey. Each is named for its value and for its role in the picture;
// code that draws a role uses the role's name.
#pragma once

#include <cstdint>

struct Colour {
    std::uint32_t rgb = 0; // 0xRRGGBB

    static constexpr Colour fromRgb(int r, int g, int b) {
        return Colour{static_cast<std::uint32_t>((r << 16) | (g << 8) | b)};
    }

    // The values.
    // Button text: the colour of every line drawn without a colour of its own.
    static constexpr Colour foreground() { return Colour{0x000000}; }
    // System colour 9, the caption-text colour.
    static constexpr Colour captionText() { return Colour{0xFFFFFF}; }
    static constexpr Colour lightGrey() { return Colour{0xC0C0C0}; }
    static constexpr Colour green() { return Colour{0x00FF00}; }
    static constexpr Colour red() { return Colour{0xFF0000}; }

    // The roles.
    // The lower slit's photons: their path, their arrow at the slit and their arrival arrow.
    static constexpr Colour lowerSlit() { return captionText(); }
    // The window and drawing-area background; a line drawn in it erases.
    static constexpr Colour background() { return lightGrey(); }
    // The summed arrows.
    static constexpr Colour sumArrow() { return green(); }
    // The expected pattern's line over the picture.
    static constexpr Colour expectedLine() { return red(); }
    // The ruler and the fringe marks: purple, apart from every other colour of the picture in
    // both sets and dark enough to read on the grey.
    static constexpr Colour measure() { return Colour{0x7000A0}; }

    // Projector colours: darker and stronger, at least 3:1 against the background, with the
    // expected line and the sums told apart by eyes without red or green cones too.
    static constexpr Colour projectorSumArrow() { return Colour{0x006C00}; }
    static constexpr Colour projectorLowerSlit() { return Colour{0x8A3C00}; }
    static constexpr Colour projectorExpectedLine() { return Colour{0x1E28E6}; }
    // A colour of the picture as projector colours show it; black and the background stay.
    static constexpr Colour forProjector(Colour colour) {
        if (colour == sumArrow()) {
            return projectorSumArrow();
        }
        if (colour == lowerSlit()) {
            return projectorLowerSlit();
        }
        if (colour == expectedLine()) {
            return projectorExpectedLine();
        }
        return colour;
    }

    constexpr bool operator==(const Colour&) const = default;
};
