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
    // A slit's photons, the slits counted from 0 at the top: their path, their arrow at the slit
    // and their arrival arrow. With two slits the upper is black and the lower white, as they
    // always were; more slits add colours of a set made to stay apart for colour-blind eyes
    // (vermillion, sky blue, orange, blue, yellow, reddish purple), in the order that keeps
    // neighbouring slits farthest apart for every eye.
    static constexpr Colour slit(int index) {
        constexpr std::uint32_t values[] = {0x000000, 0xFFFFFF, 0xD55E00, 0x56B4E9,
                                            0xE69F00, 0x0072B2, 0xF0E442, 0xCC79A7};
        return Colour{values[index]};
    }
    static constexpr int slitColours = 8;
    // The lower of two slits.
    static constexpr Colour lowerSlit() { return slit(1); }
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
    // The slits: each dark enough for 3:1 against the background, neighbours as far apart as
    // dark colours allow, for every eye; the upper of two stays black.
    static constexpr Colour projectorSlit(int index) {
        constexpr std::uint32_t values[] = {0x000000, 0x8A3C00, 0x4B4B96, 0xA0005A,
                                            0x004B8C, 0x6E5A00, 0x3C3C3C, 0x006470};
        return Colour{values[index]};
    }
    static constexpr Colour projectorLowerSlit() { return projectorSlit(1); }
    static constexpr Colour projectorExpectedLine() { return Colour{0x1E28E6}; }
    // A colour of the picture as projector colours show it; black and the background stay.
    static constexpr Colour forProjector(Colour colour) {
        if (colour == sumArrow()) {
            return projectorSumArrow();
        }
        for (int index = 1; index < slitColours; ++index) {
            if (colour == slit(index)) {
                return projectorSlit(index);
            }
        }
        if (colour == expectedLine()) {
            return projectorExpectedLine();
        }
        return colour;
    }

    constexpr bool operator==(const Colour&) const = default;
};
