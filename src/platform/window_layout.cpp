// Where the 800x600 stage stands in the window.
#include "window_layout.h"

#include <algorithm>

#include "screen.h"

namespace {

// A window may take this share of the desktop, in tenths: the rest is left to panels, docks and
// the window's own borders.
constexpr int kWindowTenths = 9;

bool isKnown(PixelSize size) {
    return size.w > 0 && size.h > 0;
}

// The largest whole scale at which the stage fits into `room`, at least 1.
int scaleFitting(PixelSize room) {
    return std::max(1, std::min(room.w / kScreenWidth, room.h / kScreenHeight));
}

}  // namespace

int largestWindowScale(PixelSize desktop) {
    if (!isKnown(desktop)) {
        return 1;
    }
    return scaleFitting({desktop.w * kWindowTenths / 10, desktop.h * kWindowTenths / 10});
}

WindowLayout windowLayout(int scale) {
    return {scale, 0, 0, {kScreenWidth * scale, kScreenHeight * scale}};
}

WindowLayout fullscreenLayout(PixelSize desktop) {
    if (!isKnown(desktop)) {
        return windowLayout(1);
    }
    const int scale = scaleFitting(desktop);
    // A desktop smaller than the stage still gets the whole stage; SDL then picks the mode.
    const PixelSize window = {std::max(desktop.w, kScreenWidth),
                              std::max(desktop.h, kScreenHeight)};
    return {scale, (window.w - kScreenWidth * scale) / 2, (window.h - kScreenHeight * scale) / 2,
            window};
}

bool windowToStage(const WindowLayout& layout, int x, int y, int* stageX, int* stageY) {
    const int right = layout.left + kScreenWidth * layout.scale;
    const int bottom = layout.top + kScreenHeight * layout.scale;
    if (x < layout.left || x >= right || y < layout.top || y >= bottom) {
        return false;
    }
    *stageX = (x - layout.left) / layout.scale;
    *stageY = (y - layout.top) / layout.scale;
    return true;
}
