// The game's window: its 8-bit video mode, the cheap way SDL2 shows it beneath sdl12-compat,
// and no game on a display that nobody can see.
#pragma once

#include <SDL.h>

#include "screen.h"

// Call before SDL_Init. Beneath sdl12-compat, SDL2 would show the 8-bit screen through its
// OpenGL renderer, which on machines without a graphics card is Mesa's software rasteriser:
// four times the processor time and seven times the memory of classic SDL 1.2, and a slower
// tick. SDL2's software renderer on the window's own framebuffer costs what classic SDL costs,
// and only both settings together get there. So SDL_RENDER_DRIVER=software and
// SDL_FRAMEBUFFER_ACCELERATION=0 become the defaults; a value the player has set for either
// stays as it is. Classic SDL 1.2 reads neither.
void preferSoftwarePresentation();

// How the video mode is set; tests hand in their own.
using VideoModeCall = SDL_Surface* (*)(int width, int height, int bitsPerPixel, Uint32 flags);

// Opens the game's screen with `flags`. Returns the display surface, which belongs to SDL, or
// null when no window can be shown:
// - SDL settled by itself on a driver that shows nothing on any screen (text-mode art, memory
//   only); its video subsystem is shut down again, so a terminal it took over is given back;
// - the video mode fails. If the presentation defaults were in force, they are withdrawn first
//   and the mode is tried once more: where the software renderer cannot show a window (no
//   framebuffer of its own, as on Wayland), SDL2 falls back to another renderer by itself, but
//   SDL3 beneath sdl2-compat tries only the renderers the setting names.
SDL_Surface* openGameScreen(Uint32 flags, VideoModeCall setVideoMode = SDL_SetVideoMode);

// Takes back the presentation defaults this game set, leaving the player's own settings as
// they are; true if there were any to take back.
bool withdrawPresentationDefaults();

// True when `driver` shows nothing on any screen and SDL chose it by itself, rather than the
// player naming it in SDL_VIDEODRIVER (`requested`, a comma-separated list, or null).
bool isUnseenFallback(const char* driver, const char* requested);
