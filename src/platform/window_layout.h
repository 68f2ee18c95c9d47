// Where the 800x600 stage stands in the window: how many window pixels each stage pixel takes,
// and where the stage's corner is. Free of SDL, so every rule is tested from tables.
#pragma once

// A size in pixels; 0 x 0 where SDL could not tell it.
struct PixelSize {
    int w;
    int h;
};

// The window and the stage in it: every stage pixel is a `scale` x `scale` block of window
// pixels, the stage's corner at (left, top), black around it.
struct WindowLayout {
    int scale;
    int left;
    int top;
    PixelSize window;
};

// The largest whole scale whose window still fits `desktop` with room for panels and window
// borders (within nine tenths of its width and height); at least 1, and 1 where the desktop's
// size is unknown.
int largestWindowScale(PixelSize desktop);

// A window just the stage's size at `scale`.
WindowLayout windowLayout(int scale);

// The whole of `desktop`, with the stage at the largest whole scale that fits it, centred; the
// stage's own size where the desktop's size is unknown.
WindowLayout fullscreenLayout(PixelSize desktop);

// The stage pixel under window pixel (x, y): false when (x, y) lies outside the stage, on the
// border around it.
bool windowToStage(const WindowLayout& layout, int x, int y, int* stageX, int* stageY);
