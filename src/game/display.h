// The game's window: its 8-bit video mode, the cheap way SDL2 and SDL3 show it beneath
// sdl12-compat, and no game on a display that nobody can see.
#pragma once

#include <SDL.h>

#include "screen.h"

// Starts SDL as the game needs it: sound, video, and key presses with their letters. False when
// SDL cannot start. main starts SDL this way, and openGameScreen again when it restarts SDL.
bool startSdl();

// Call before SDL_Init; never overrides what the player has set.
// - Beneath sdl12-compat, SDL2 would show the 8-bit screen through its OpenGL renderer, which on
//   machines without a graphics card is Mesa's software rasteriser: four times the processor
//   time and seven times the memory of classic SDL 1.2, and a slower tick. SDL's software
//   renderer on the window's own framebuffer costs what classic SDL costs, and only both
//   settings together get there. So SDL_RENDER_DRIVER=software and
//   SDL_FRAMEBUFFER_ACCELERATION=0 become the defaults. Classic SDL 1.2 reads neither.
// - Without any display for a window (neither DISPLAY nor WAYLAND_DISPLAY) and without a driver
//   the player named, SDL would settle on a text-mode driver, and classic SDL's libcaca may end
//   the whole process before the game can say why (no TERM). SDL is pointed at its memory-only
//   driver instead, which openGameScreen refuses with the game's own message.
void setVideoDefaults();

// The SDL calls openGameScreen makes; tests hand in their own.
struct VideoCalls {
    SDL_Surface* (*setVideoMode)(int width, int height, int bitsPerPixel, Uint32 flags);
    // Ends SDL and starts it again; false when it cannot start.
    bool (*restartSdl)();
};
bool restartSdl();
constexpr VideoCalls kSdlVideoCalls = {SDL_SetVideoMode, restartSdl};

// Opens the game's screen with `flags`. Returns the display surface, which belongs to SDL, or
// null when no window can be shown:
// - SDL settled by itself on a driver that shows nothing on any screen (text-mode art, memory
//   only); its video subsystem is shut down again, so a terminal it took over is given back;
// - the video mode fails. If the presentation defaults were in force, they are withdrawn and the
//   mode is tried once more. Where the software renderer has no framebuffer to draw into (SDL3
//   on Wayland), SDL3 tries only the renderers the settings allow, and it reads the environment
//   only when it is loaded, so SDL is ended and started again between the two tries:
//   sdl12-compat unloads SDL2, and SDL3 with it, when SDL ends. (SDL2 falls back to another
//   renderer by itself, so there the first try already succeeds.)
SDL_Surface* openGameScreen(Uint32 flags, const VideoCalls& calls = kSdlVideoCalls);

// Takes back the presentation defaults this game set, leaving the player's own settings as
// they are; true if there were any to take back.
bool withdrawPresentationDefaults();

// True when `driver` shows nothing on any screen and SDL chose it by itself, rather than the
// player naming it in SDL_VIDEODRIVER or in SDL3's SDL_VIDEO_DRIVER (`requested` and
// `requestedSdl3`: comma-separated lists, or null when unset).
bool isUnseenFallback(const char* driver, const char* requested, const char* requestedSdl3);
