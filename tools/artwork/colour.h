// Colours of the artwork, all taken from the screen's 3-3-2 palette so no conversion shifts them.
#pragma once

#include <cstdint>

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    constexpr bool operator==(const Rgb& other) const {
        return r == other.r && g == other.g && b == other.b;
    }
    constexpr bool operator!=(const Rgb& other) const { return !(*this == other); }
};

constexpr int kRedGreenLevels = 8;
constexpr int kBlueLevels = 4;

// The 8-bit screen spreads three bits of red and green over 0..255 by repeating the bit
// pattern, so level 1 is 36 and level 6 is 219; blue has two bits, a step of 85.
constexpr std::uint8_t redGreenLevel(int level) {
    return static_cast<std::uint8_t>((level << 5) | (level << 2) | (level >> 1));
}
constexpr std::uint8_t blueLevel(int level) {
    return static_cast<std::uint8_t>(level * 85);
}

// A palette colour by its levels: red and green 0..7, blue 0..3.
constexpr Rgb pal(int red, int green, int blue) {
    return Rgb{redGreenLevel(red), redGreenLevel(green), blueLevel(blue)};
}

// True when the colour is one of the 256 the screen can show exactly.
bool isPaletteColour(Rgb colour);

// Transparent everywhere: the game keys every sheet on black.
constexpr Rgb kEmpty = pal(0, 0, 0);
// In the paddle bitmap, white marks where the player's colour goes.
constexpr Rgb kPlayerPaint = pal(7, 7, 3);

// The shared metal of chutes, paddle and basket: a cool steel-blue ramp whose darkest edge stays
// a full palette step above the transparent black.
namespace steel {
constexpr Rgb kOutline = pal(1, 1, 1);
constexpr Rgb kDeep = pal(2, 2, 1);
constexpr Rgb kShade = pal(2, 3, 2);
constexpr Rgb kBase = pal(3, 4, 2);
constexpr Rgb kLight = pal(5, 6, 3);
constexpr Rgb kShine = pal(6, 6, 3);
}  // namespace steel

// Warning paint and signal lamps.
namespace accent {
constexpr Rgb kHazardYellow = pal(7, 6, 0);
constexpr Rgb kHazardDark = pal(2, 2, 1);
constexpr Rgb kLampOff = pal(3, 1, 0);
constexpr Rgb kLampOn = pal(7, 5, 0);
constexpr Rgb kLampCore = pal(7, 7, 2);
}  // namespace accent
