// The display's own connection: waiting for input on it, which SDL 1.2's event queue cannot do,
// and how it reports a held key.
#pragma once

#include <SDL.h>

// The descriptor of the connection SDL reads the window's input from, or -1 where SDL does not
// tell it (X11 tells it; Wayland beneath sdl12-compat and the other drivers do not).
int displayConnection();

// A wait for input with no time limit.
constexpr Uint32 kUntilInput = 0xFFFFFFFF;

// Waits until input arrives on `connection`, `wakeUp` turns readable (-1: none) or `ms` pass
// (kUntilInput: no limit). Returns at once when SDL already holds an event, also one it read from
// the connection before the wait began.
void waitForInput(int connection, int wakeUp, Uint32 ms);

// Asks the X server to report a held key's repeats as presses alone, without the release it
// otherwise sends before each. SDL 1.2 drops a press of a key that is down already, so a held key
// acts once. Classic SDL 1.2 tells such a release from a real one only when the press behind it
// has arrived too, which a loop that wakes on the first bytes of input cannot promise. Call
// whenever a window opens; nothing where the display is not X11.
void keepHeldKeysDown();
