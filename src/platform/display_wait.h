// Waiting for input on the display's own connection, which SDL 1.2's event queue cannot do.
#pragma once

#include <SDL.h>

// The descriptor of the connection SDL reads the window's input from, or -1 where SDL does not
// tell it (X11 tells it; Wayland beneath sdl12-compat and the other drivers do not).
int displayConnection();

// Waits until input arrives on `connection` or `ms` pass. Returns at once when SDL already holds
// an event, also one it read from the connection before the wait began.
void waitForInput(int connection, Uint32 ms);
