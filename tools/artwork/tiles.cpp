// The tiles: bevelled blocks in eight colours, each with its own engraved sign so they differ in
// shape as well as in hue.
#include "layout.h"
#include "shapes.h"
#include "sheets.h"

namespace {

using layout::kTileHeight;
using layout::kTileWidth;

constexpr int kSignSize = 7;
constexpr int kSignLeft = (kTileWidth - kSignSize) / 2;
constexpr int kSignTop = (kTileHeight - kSignSize) / 2;

struct TileStyle {
    Ramp ramp;
    const char* sign[kSignSize];
};

// Ordered by tile colour 1 to 8.
const TileStyle kTileStyles[layout::kTileColours] = {
    {{pal(7, 5, 2), pal(7, 2, 1), pal(6, 0, 0), pal(4, 0, 0), pal(2, 0, 0)},
     {"..XXX..", ".XXXXX.", "XXXXXXX", "XXXXXXX", "XXXXXXX", ".XXXXX.", "..XXX.."}},
    {{pal(7, 6, 2), pal(7, 5, 0), pal(7, 3, 0), pal(5, 2, 0), pal(3, 1, 0)},
     {"XXXXXXX", "XXXXXXX", "XX...XX", "XX...XX", "XX...XX", "XXXXXXX", "XXXXXXX"}},
    {{pal(7, 7, 3), pal(7, 7, 1), pal(7, 6, 0), pal(5, 4, 0), pal(3, 2, 0)},
     {"...X...", "..XXX..", ".XXXXX.", "XXXXXXX", ".XXXXX.", "..XXX..", "...X..."}},
    {{pal(5, 7, 2), pal(2, 7, 1), pal(0, 5, 0), pal(0, 3, 0), pal(0, 2, 0)},
     {"...X...", "...X...", "..XXX..", "..XXX..", ".XXXXX.", ".XXXXX.", "XXXXXXX"}},
    {{pal(5, 7, 3), pal(3, 7, 3), pal(0, 6, 3), pal(0, 4, 2), pal(0, 2, 1)},
     {"..XXX..", "..XXX..", "XXXXXXX", "XXXXXXX", "XXXXXXX", "..XXX..", "..XXX.."}},
    {{pal(4, 5, 3), pal(2, 3, 3), pal(0, 1, 3), pal(0, 0, 2), pal(0, 0, 1)},
     {"XXXXXXX", ".XXXXX.", "..XXX..", "...X...", "..XXX..", ".XXXXX.", "XXXXXXX"}},
    {{pal(7, 5, 3), pal(7, 2, 3), pal(5, 0, 2), pal(3, 0, 1), pal(2, 0, 1)},
     {"XX...XX", "XXX.XXX", ".XXXXX.", "..XXX..", ".XXXXX.", "XXX.XXX", "XX...XX"}},
    {{pal(7, 7, 3), pal(6, 6, 3), pal(5, 5, 2), pal(3, 3, 1), pal(2, 2, 1)},
     {"...X...", "..XXX..", "XXXXXXX", ".XXXXX.", "..XXX..", ".XX.XX.", "XX...XX"}},
};

}  // namespace

Canvas drawTile(int colour) {
    const TileStyle& style = kTileStyles[colour - 1];
    const Ramp& ramp = style.ramp;
    Canvas tile(kTileWidth, kTileHeight);
    // Two rings of bevel: a crisp outer edge and a softer inner one, so the block looks thick.
    bevelBox(tile, Box{0, 0, kTileWidth, kTileHeight},
             Ramp{ramp.shine, ramp.light, ramp.base, ramp.deep, ramp.deep});
    bevelBox(tile, Box{1, 1, kTileWidth - 2, kTileHeight - 2}, ramp);
    tile.hLine(3, 8, 2, ramp.shine);
    tile.set(2, 3, ramp.shine);
    // The sign is engraved: a dark cut with its lower right rim catching the light.
    stamp(tile, kSignLeft + 1, kSignTop + 1, style.sign, kSignSize, ramp.light);
    stamp(tile, kSignLeft, kSignTop, style.sign, kSignSize, ramp.dark);
    return tile;
}

Canvas drawTileSheet() {
    Canvas sheet(kTileWidth, kTileHeight * layout::kTileColours);
    for (int colour = 1; colour <= layout::kTileColours; ++colour) {
        sheet.paste(drawTile(colour), 0, (colour - 1) * kTileHeight);
    }
    return sheet;
}
