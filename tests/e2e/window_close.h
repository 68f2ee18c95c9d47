// Asking a window to close the way a window manager does, for a test display that has none.
#pragma once

#include <string>

// Sends WM_DELETE_WINDOW to the window with the given id on the current DISPLAY.
void requestWindowClose(const std::string& windowId);
