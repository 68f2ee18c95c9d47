// What other X clients do to the game's window: a window manager's close request, for a test
// display that has none, another window laid over it, the focus taken elsewhere, key repeat.
#pragma once

#include <string>

// Sends WM_DELETE_WINDOW to the window with the given id on the current DISPLAY.
void requestWindowClose(const std::string& windowId);

// Lays a plain window over the middle of the window with the given id and takes it away again.
// (A screenshot of the window itself would not show the cover.)
void coverWindow(const std::string& windowId);

// Gives the input focus to no window at all, as a click on another program would take it.
void takeFocusAway();

// Turns the test display's key repeat on, as `xset r rate DELAY RATE` sets it.
void setKeyRepeat(unsigned delayMs, unsigned perSecond);
