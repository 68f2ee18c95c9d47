// The funnels: a hopper head with a striped lip on top of a chute of two rails, open in the
// middle so the falling tiles show; the three pictures differ in which signal lamps are lit.
#include "layout.h"
#include "shapes.h"
#include "sheets.h"

namespace {

using layout::kChuteInset;
using layout::kChuteRight;
using layout::kFunnelHeight;
using layout::kFunnelWidth;

// The lip crosses the chute, so a new tile seems to drop in behind it; it is kept well under a
// tile's height so the tile never vanishes.
constexpr int kLipHeight = 6;
constexpr int kHopperBottom = 44;
constexpr int kRailWidth = 4;
constexpr int kLeftRail = kChuteInset - kRailWidth;
constexpr int kRightRail = kChuteRight + 1;
constexpr int kFootHeight = 12;
constexpr int kFootTop = kFunnelHeight - kFootHeight;
constexpr int kFirstLampRow = 64;
constexpr int kLampSpacing = 24;
constexpr int kLampCount = 9;

void lip(Canvas& canvas) {
    outlinedBox(canvas, Box{0, 0, kFunnelWidth, kLipHeight}, kSteelRamp);
    hazardStripes(canvas, Box{2, 2, kFunnelWidth - 4, kLipHeight - 4}, 0);
    rivet(canvas, 2, 2);
    rivet(canvas, kFunnelWidth - 4, 2);
}

// One rail from row `fromRow` down to `toRow`: outlined on both sides, a round bar lit from the
// left between.
void rail(Canvas& canvas, int x, int fromRow, int toRow) {
    const Rgb bands[kRailWidth] = {steel::kOutline, steel::kLight, steel::kShade, steel::kOutline};
    for (int i = 0; i < kRailWidth; ++i) {
        canvas.vLine(x + i, fromRow, toRow, bands[i]);
    }
}

// A hopper cheek: a plate beside the chute that narrows from the lip down to the rail, so the
// gap between two neighbouring funnels opens into a V and the heads read as hoppers.
void cheek(Canvas& canvas, int innerX, int outward) {
    const int top = kLipHeight;
    const int depth = kHopperBottom - top;
    const int taper = kChuteInset - kRailWidth;
    for (int row = 0; row < depth; ++row) {
        const int width = kChuteInset - row * taper / depth;
        for (int i = 0; i < width; ++i) {
            Rgb colour = steel::kBase;
            if (i == 0 || i == width - 1 || row == depth - 1) {
                colour = steel::kOutline;
            } else if (i == width - 2) {
                colour = outward < 0 ? steel::kLight : steel::kShade;
            } else if (i == 1) {
                colour = outward < 0 ? steel::kShade : steel::kLight;
            }
            canvas.set(innerX + outward * i, top + row, colour);
        }
    }
}

void foot(Canvas& canvas, int left) {
    outlinedBox(canvas, Box{left, kFootTop, kChuteInset, kFootHeight}, kSteelRamp);
    hazardStripes(canvas, Box{left + 2, kFootTop + 2, kChuteInset - 4, kFootHeight - 4}, 1);
}

// Every third lamp is lit, offset by the picture's phase, so the three pictures in a row make
// a light chasing down the chute.
void lamps(Canvas& canvas, int phase) {
    // A lamp is wider than its rail, so it sticks out on the outer side, never into the chute.
    const int centres[] = {kChuteInset - 3, kChuteRight + 3};
    for (int n = 0; n < kLampCount; ++n) {
        const int y = kFirstLampRow + n * kLampSpacing;
        for (int x : centres) {
            lamp(canvas, x, y, n % layout::kFunnelFrames == phase);
        }
    }
}

Canvas drawFunnel(int phase) {
    Canvas funnel(kFunnelWidth, kFunnelHeight);
    rail(funnel, kLeftRail, kHopperBottom, kFootTop);
    rail(funnel, kRightRail, kHopperBottom, kFootTop);
    cheek(funnel, kChuteInset - 1, -1);
    cheek(funnel, kChuteRight + 1, 1);
    lip(funnel);
    foot(funnel, 0);
    foot(funnel, kChuteRight + 1);
    lamps(funnel, phase);
    return funnel;
}

}  // namespace

Canvas drawFunnelSheet() {
    Canvas sheet(kFunnelWidth * layout::kFunnelFrames, kFunnelHeight);
    for (int phase = 0; phase < layout::kFunnelFrames; ++phase) {
        sheet.paste(drawFunnel(phase), phase * kFunnelWidth, 0);
    }
    return sheet;
}
