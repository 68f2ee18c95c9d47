// Asking a window to close the way a window manager does, for a test display that has none.
#include "e2e/window_close.h"

#include <X11/Xlib.h>

#include <stdexcept>

void requestWindowClose(const std::string& windowId) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        throw std::runtime_error("cannot open the test display");
    }
    const Window window = std::stoul(windowId);
    XEvent event = {};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XCloseDisplay(display);
}
