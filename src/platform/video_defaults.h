// What the game puts into SDL's environment before SDL starts: presentation defaults that let
// SDL2 and SDL3 beneath sdl12-compat draw as cheaply as classic SDL 1.2 (X11 where a Wayland
// desktop also offers an X server), and the memory-only driver where there is no display at all.
// What the player has set always wins.
#pragma once

// Whether the X server that DISPLAY names takes a connection.
bool xServerAnswers();

// Call before SDL_Init; the README's "three SDL 1.2s" section says what each default buys.
// `xServerAnswers` is asked only on a desktop that has both an X server and Wayland.
void setVideoDefaults(bool (*xServerAnswers)() = ::xServerAnswers);

// Takes back the presentation defaults this game set, never the player's own; true if there
// were any to take back.
bool withdrawPresentationDefaults();

// The driver names the player gave in SDL_VIDEODRIVER and in SDL3's SDL_VIDEO_DRIVER, or null
// where unset or set by this game.
const char* playersVideoDriver();
const char* playersSdl3VideoDriver();
