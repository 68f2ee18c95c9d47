// The seven player colours: the paddle's paint and the colour page's swatches and names.
#pragma once

#include <SDL.h>

struct PlayerColour {
    Uint8 r, g, b;
    const char* name;  // Latin-1, as drawn on the colour page
};

constexpr PlayerColour kPlayerColours[] = {
    {255, 0, 0, "Rot"},         {0, 255, 0, "Gr\xFCn"},   {0, 0, 255, "Blau"},
    {255, 255, 0, "Gelb"},      {255, 0, 255, "Magenta"}, {0, 255, 255, "Cyan"},
    {255, 255, 255, "Wei\xDF"},
};
constexpr int kPlayerColourCount = sizeof(kPlayerColours) / sizeof(kPlayerColours[0]);

// The colour page holds the seven swatches, then the seven names, in the colours' order, as
// elements numbered from 1.
constexpr int colourSwatchElement(int colour) {
    return colour + 1;
}
constexpr int colourNameElement(int colour) {
    return colourSwatchElement(colour) + kPlayerColourCount;
}

// Every index past the last colour paints the paddle white.
constexpr const PlayerColour& playerColour(Uint8 colour) {
    return kPlayerColours[colour < kPlayerColourCount ? colour : kPlayerColourCount - 1];
}
