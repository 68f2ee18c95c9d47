// Drawing helpers shared by all the sheets: bevelled plates, bolts, warning stripes and stamps.
#pragma once

#include "canvas.h"

// Five shades of one material, lit from the top left.
struct Ramp {
    Rgb shine;
    Rgb light;
    Rgb base;
    Rgb dark;
    Rgb deep;
};

constexpr Ramp kSteelRamp{steel::kShine, steel::kLight, steel::kBase, steel::kShade, steel::kDeep};
// Darker steel for large plates, so they frame the tiles without outshining them.
constexpr Ramp kDarkSteelRamp{steel::kLight, steel::kBase, steel::kShade, steel::kDeep,
                              steel::kOutline};

struct Box {
    int x;
    int y;
    int w;
    int h;
};

// A plate with a one-pixel light edge on top and left and a dark edge on bottom and right.
void bevelBox(Canvas& canvas, Box box, const Ramp& ramp);
// The same plate inside a one-pixel outline, which keeps it readable against black.
void outlinedBox(Canvas& canvas, Box box, const Ramp& ramp);
// A 2x2 bolt head catching the light on its top left.
void rivet(Canvas& canvas, int x, int y);
// Diagonal warning stripes filling the box; phase shifts them sideways.
void hazardStripes(Canvas& canvas, Box box, int phase);
// A signal lamp in a dark housing, centred on (cx, cy).
void lamp(Canvas& canvas, int cx, int cy, bool lit);
// Sets a pixel for every 'X' in the rows of a small picture drawn as text.
void stamp(Canvas& canvas, int x, int y, const char* const* rows, int rowCount, Rgb colour);
