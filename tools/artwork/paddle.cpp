// The paddle: a cradle of two coloured pods joined by a trapdoor floor. While dropping, guide
// arms rise out of the pods to hold the upper tiles and the floor swings open under the bottom one.
#include "layout.h"
#include "shapes.h"
#include "sheets.h"

namespace {

using layout::kCarryInset;
using layout::kPaddleWidth;
using layout::kTileWidth;
using layout::kTrayHeight;

// Stand-ins for the player's colour while a frame is drawn; splitting the frame into its two
// layers turns them into white (or black), so they never reach the file.
constexpr Rgb kLitPaint{1, 0, 0};
constexpr Rgb kShadedPaint{2, 0, 0};

constexpr int kPodWidth = kCarryInset;
constexpr int kRightPod = kCarryInset + kTileWidth;
constexpr int kPodTop = kTrayHeight - 1;  // rows above the bottom edge
constexpr int kLitFrom = 6;
constexpr int kFloorTop = kTrayHeight - 1;
constexpr int kFloorThickness = 8;
constexpr int kFlapLength = kTileWidth / 2;
constexpr int kSleeveHeight = 4;
constexpr int kArmRestTop = kPodTop + kSleeveHeight + 6;
constexpr int kArmRise = 9;
constexpr int kCapHeight = 6;
constexpr int kCapWidth = 10;
constexpr int kRodWidth = 4;

// How far each trapdoor flap has swung down (rows) and in (columns) at each frame.
constexpr int kFlapDrop[layout::kPaddleFrames] = {0, 2, 4, 6, 8};
constexpr int kFlapPull[layout::kPaddleFrames] = {0, 1, 2, 3, 4};

// One frame under construction; u counts rows up from the bottom edge.
class Frame {
public:
    explicit Frame(int height) : canvas_(kPaddleWidth, height) {}
    Canvas& canvas() { return canvas_; }
    int y(int u) const { return canvas_.height() - 1 - u; }
    void set(int x, int u, Rgb colour) { canvas_.set(x, y(u), colour); }

private:
    Canvas canvas_;
};

// The pod's outline, measured from its outer side: a block rounded on the outside, square on
// the side that meets the trapdoor.
bool insidePod(int fromOuter, int u) {
    if (fromOuter < 0 || fromOuter >= kPodWidth || u < 0 || u > kPodTop) {
        return false;
    }
    return fromOuter + u >= 3 && fromOuter + (kPodTop - u) >= 3;
}

bool podEdge(int fromOuter, int u) {
    return !insidePod(fromOuter - 1, u) || !insidePod(fromOuter, u - 1) ||
           !insidePod(fromOuter, u + 1) || fromOuter == kPodWidth - 1;
}

void podBody(Frame& frame, int left, bool outerOnLeft) {
    for (int u = 0; u <= kPodTop; ++u) {
        for (int i = 0; i < kPodWidth; ++i) {
            const int fromOuter = outerOnLeft ? i : kPodWidth - 1 - i;
            if (!insidePod(fromOuter, u)) {
                continue;
            }
            // Lit from the top left: the lower band and the right-hand rim are in shade.
            const bool rightRim = i == kPodWidth - 2 && !outerOnLeft;
            Rgb colour = u >= kLitFrom && !rightRim ? kLitPaint : kShadedPaint;
            if (podEdge(fromOuter, u)) {
                colour = steel::kOutline;
            }
            frame.set(left + i, u, colour);
        }
    }
}

// A lamp that lights while the paddle drops, and a vent grille beside it.
void podFittings(Frame& frame, int left, bool outerOnLeft, bool dropping) {
    Canvas& canvas = frame.canvas();
    const int lampX = outerOnLeft ? left + 6 : left + kPodWidth - 7;
    lamp(canvas, lampX, frame.y(9), dropping);
    const int ventLeft = outerOnLeft ? left + 11 : left + kPodWidth - 18;
    for (int slit = 0; slit < 4; ++slit) {
        canvas.vLine(ventLeft + 2 * slit, frame.y(11), frame.y(8), steel::kOutline);
    }
}

// The steel sleeve on top of the pod that the guide arm slides out of.
void sleeve(Frame& frame, int left) {
    outlinedBox(frame.canvas(),
                Box{left, frame.y(kPodTop + kSleeveHeight), kCapWidth, kSleeveHeight + 1},
                kSteelRamp);
}

// One half of the trapdoor floor, hinged on its pod: a slab with a steel deck on top, swung
// down by `drop` rows at its tip and pulled in by `pull` columns as it turns.
void flap(Frame& frame, int hingeX, int direction, int drop, int pull) {
    const int length = kFlapLength - pull;
    const int top = frame.y(kFloorTop);
    for (int i = 0; i < length; ++i) {
        const int x = hingeX + direction * i;
        const int y = top + drop * i / (length - 1);
        for (int t = 0; t < kFloorThickness; ++t) {
            Rgb colour = t < kFloorThickness / 2 + 1 ? kLitPaint : kShadedPaint;
            if (t == 0 || t == kFloorThickness - 1 || i == length - 1) {
                colour = steel::kOutline;
            } else if (t == 1) {
                colour = steel::kLight;
            } else if (t == 2) {
                colour = steel::kBase;
            }
            frame.canvas().set(x, y + t, colour);
        }
    }
}

void trapdoor(Frame& frame, int step) {
    const int left = kCarryInset;
    const int right = kCarryInset + kTileWidth - 1;
    flap(frame, left, 1, kFlapDrop[step], kFlapPull[step]);
    flap(frame, right, -1, kFlapDrop[step], kFlapPull[step]);
    rivet(frame.canvas(), left - 2, frame.y(kFloorTop - 3));
    rivet(frame.canvas(), right + 1, frame.y(kFloorTop - 3));
}

void arm(Frame& frame, int capLeft, int step) {
    const int top = kArmRestTop + kArmRise * step;
    const int rodLeft = capLeft + (kCapWidth - kRodWidth) / 2;
    const Rgb rod[kRodWidth] = {steel::kOutline, steel::kShine, steel::kShade, steel::kOutline};
    for (int u = kPodTop + kSleeveHeight; u <= top - kCapHeight; ++u) {
        for (int i = 0; i < kRodWidth; ++i) {
            frame.set(rodLeft + i, u, rod[i]);
        }
    }
    const int capBottom = top - kCapHeight + 1;
    for (int u = capBottom; u <= top; ++u) {
        for (int i = 0; i < kCapWidth; ++i) {
            const bool edge = i == 0 || i == kCapWidth - 1 || u == top || u == capBottom;
            const Rgb paint = u >= top - 2 ? kLitPaint : kShadedPaint;
            frame.set(capLeft + i, u, edge ? steel::kOutline : paint);
        }
    }
}

Canvas drawFrame(int step) {
    Frame frame(layout::paddleFrameHeight(step));
    const int leftArm = kPodWidth - kCapWidth;
    arm(frame, leftArm, step);
    arm(frame, kRightPod, step);
    podBody(frame, 0, true);
    podBody(frame, kRightPod, false);
    sleeve(frame, leftArm);
    sleeve(frame, kRightPod);
    podFittings(frame, 0, true, step > 0);
    podFittings(frame, kRightPod, false, step > 0);
    trapdoor(frame, step);
    return frame.canvas();
}

// The shaded layer paints the whole body; the lit layer only its lit part and leaves the rest
// black so the shaded layer shows through.
Canvas layer(const Canvas& frame, bool lit) {
    Canvas out = frame;
    out.recolour(kShadedPaint, lit ? kEmpty : kPlayerPaint);
    out.recolour(kLitPaint, kPlayerPaint);
    return out;
}

}  // namespace

Canvas drawPaddleSheet() {
    Canvas sheet(2 * kPaddleWidth, layout::kPaddleSheetHeight);
    for (int step = 0; step < layout::kPaddleFrames; ++step) {
        const Canvas frame = drawFrame(step);
        const int top = layout::paddleFrameTop(step);
        sheet.paste(layer(frame, false), 0, top);
        sheet.paste(layer(frame, true), kPaddleWidth, top);
    }
    return sheet;
}

Canvas drawPaddleSprite(int frame, PaddlePaint paint) {
    const Canvas sheet = drawPaddleSheet();
    const int top = layout::paddleFrameTop(frame);
    const int height = layout::paddleFrameHeight(frame);
    Canvas sprite = sheet.crop(0, top, kPaddleWidth, height);
    sprite.recolour(kPlayerPaint, paint.half);
    Canvas lit = sheet.crop(kPaddleWidth, top, kPaddleWidth, height);
    lit.recolour(kPlayerPaint, paint.full);
    sprite.overlay(lit, 0, 0);
    return sprite;
}
