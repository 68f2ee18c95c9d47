// The game's window: SDL's start, its 8-bit video mode, and no game on a display nobody sees.
#pragma once

#include <SDL.h>

#include "window_layout.h"

// Starts SDL as the game needs it: sound, video, and key presses with their letters. False when
// SDL cannot start. main starts SDL this way, and restartSdl again.
bool startSdl();

// Ends SDL and starts it again, so that SDL3 reads the environment anew. False when SDL cannot
// start.
bool restartSdl();

// The SDL calls openGameScreen makes; tests hand in their own.
struct VideoCalls {
    SDL_Surface* (*setVideoMode)(int width, int height, int bitsPerPixel, Uint32 flags);
    bool (*restartSdl)();
};
constexpr VideoCalls kSdlVideoCalls = {SDL_SetVideoMode, restartSdl};

// Opens the game's window at `size` at 8 bits a pixel with `flags`: the display surface, which
// belongs to SDL, or null when no window can be shown. A driver that shows nothing and that SDL
// chose by itself is refused (and its video subsystem shut down, giving back a terminal it took
// over). When the mode fails with the presentation defaults in force, they are withdrawn and the
// mode is tried once more after a restart of SDL (SDL3 on Wayland shows windows only through
// OpenGL).
SDL_Surface* openGameScreen(PixelSize size, Uint32 flags, const VideoCalls& calls = kSdlVideoCalls);

// True when `driver` shows nothing on any screen and SDL chose it by itself, rather than the
// player naming it in SDL_VIDEODRIVER or in SDL3's SDL_VIDEO_DRIVER (`requested` and
// `requestedSdl3`: comma-separated lists, or null when unset).
bool isUnseenFallback(const char* driver, const char* requested, const char* requestedSdl3);
