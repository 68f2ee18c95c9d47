// The game's window: the 800x600 8-bit stage the game draws on, shown in a window at the largest
// whole scale the desktop has room for, or in fullscreen at the desktop's own size, centred on
// black. Every stage pixel is a square block of window pixels of the very same colour.
#pragma once

#include <SDL.h>

#include "display.h"
#include "window_layout.h"

// The largest scale a window may take on this desktop, as SDL tells its size before the first
// window opens (1 where it does not tell). SDL must be started.
int largestScaleForDesktop();

// Fixes the scale of every window opened from now on: 1 up to largestScaleForDesktop(), or 0 for
// the largest. A player who has sdl12-compat scale its window (SDL12COMPAT_WINDOW_SCALING) gets
// scale 1 from the game, so that the two never scale alike.
void chooseWindowScale(int scale);

// Opens the window, in fullscreen or not, and returns the stage: a surface of 800x600 pixels at
// 8 bits in the window's palette, which belongs to the window and lives until closeStageWindow.
// Null when no window can be shown (see openGameScreen). The window stays black until the
// first showStage. A stage opened before is freed.
SDL_Surface* openStageWindow(bool fullscreen, const VideoCalls& calls = kSdlVideoCalls);

// Shows what has changed on `stage` since it was last shown: only those parts are scaled into
// the window and sent to the display. A surface that is not the open window's stage (a test's
// own screen) is flipped as it is.
void showStage(SDL_Surface* stage);

// Sends the window's whole picture to the display again, as it was last shown (black before the
// first showStage): for a window that another one covered.
void showWindowAgain();

// Switches between the window and fullscreen, and shows the stage as it was last shown. When the
// new mode cannot be set the window stays as it was; false only when no window could be shown
// at all any more. SDL's video may be started afresh on the way, so the display's connection
// (displayConnection) may change.
bool toggleFullscreen();

// The stage pixel under a click at window pixel (x, y); false for a click beside the stage.
bool clickOnStage(Uint16 x, Uint16 y, Uint16* stageX, Uint16* stageY);

// The window as it is now: its size, the stage's scale and corner.
WindowLayout currentWindowLayout();

// Frees the stage. Call before SDL_Quit.
void closeStageWindow();
