// Shared drawing helpers: the look of metal, bolts and lamps lives here so every sheet matches.
#include "shapes.h"

namespace {

constexpr int kStripeWidth = 3;

}  // namespace

void bevelBox(Canvas& canvas, Box box, const Ramp& ramp) {
    canvas.fillRect(box.x, box.y, box.w, box.h, ramp.base);
    const int right = box.x + box.w - 1;
    const int bottom = box.y + box.h - 1;
    canvas.hLine(box.x, right, box.y, ramp.light);
    canvas.vLine(box.x, box.y, bottom, ramp.light);
    canvas.hLine(box.x, right, bottom, ramp.dark);
    canvas.vLine(right, box.y, bottom, ramp.dark);
    // The lit corner gets the brightest pixel, the far one the deepest, for a rounded edge.
    canvas.set(box.x, box.y, ramp.shine);
    canvas.set(right, bottom, ramp.deep);
}

void outlinedBox(Canvas& canvas, Box box, const Ramp& ramp) {
    canvas.fillRect(box.x, box.y, box.w, box.h, steel::kOutline);
    bevelBox(canvas, Box{box.x + 1, box.y + 1, box.w - 2, box.h - 2}, ramp);
}

void rivet(Canvas& canvas, int x, int y) {
    canvas.set(x, y, steel::kShine);
    canvas.set(x + 1, y, steel::kLight);
    canvas.set(x, y + 1, steel::kLight);
    canvas.set(x + 1, y + 1, steel::kDeep);
}

void hazardStripes(Canvas& canvas, Box box, int phase) {
    for (int row = 0; row < box.h; ++row) {
        for (int column = 0; column < box.w; ++column) {
            const int band = (column + row + phase) / kStripeWidth;
            canvas.set(box.x + column, box.y + row,
                       band % 2 == 0 ? accent::kHazardYellow : accent::kHazardDark);
        }
    }
}

void lamp(Canvas& canvas, int cx, int cy, bool lit) {
    canvas.fillCircle(cx, cy, 2, steel::kOutline);
    if (!lit) {
        canvas.fillCircle(cx, cy, 1, accent::kLampOff);
        return;
    }
    canvas.fillCircle(cx, cy, 1, accent::kLampOn);
    canvas.set(cx, cy, accent::kLampCore);
    canvas.set(cx - 1, cy - 1, accent::kLampCore);
}

void stamp(Canvas& canvas, int x, int y, const char* const* rows, int rowCount, Rgb colour) {
    for (int row = 0; row < rowCount; ++row) {
        for (int column = 0; rows[row][column] != '\0'; ++column) {
            if (rows[row][column] == 'X') {
                canvas.set(x + column, y + row, colour);
            }
        }
    }
}
