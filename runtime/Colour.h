// Colours of the picture. They are fixed RGB values, whatever the desktop theme, because the
// drawing area is always light grey.
#pragma once

#include <cstdint>

struct Colour {
    std::uint32_t rgb = 0; // 0xRRGGBB

    static constexpr Colour fromRgb(int r, int g, int b) {
        return Colour{static_cast<std::uint32_t>((r << 16) | (g << 8) | b)};
    }
    // Button text: the colour of every line drawn without a colour of its own.
    static constexpr Colour foreground() { return Colour{0x000000}; }
    // System colour 9, the caption-text colour: the lower slit's photons.
    static constexpr Colour captionText() { return Colour{0xFFFFFF}; }
    // The window background, also used to erase.
    static constexpr Colour lightGrey() { return Colour{0xC0C0C0}; }
    // The summed arrows.
    static constexpr Colour green() { return Colour{0x00FF00}; }

    constexpr bool operator==(const Colour&) const = default;
};
