// What other X clients do to the game's window: a window manager's close request, for a test
// display that has none, another window laid over it, the focus taken elsewhere, key repeat.
#include "e2e/window_close.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>

#include <memory>
#include <stdexcept>

namespace {

std::unique_ptr<Display, int (*)(Display*)> testDisplay() {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        throw std::runtime_error("cannot open the test display");
    }
    return {display, XCloseDisplay};
}

}  // namespace

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

void coverWindow(const std::string& windowId) {
    const auto display = testDisplay();
    const Window root = DefaultRootWindow(display.get());
    int x = 0, y = 0;
    Window child = 0;
    XTranslateCoordinates(display.get(), std::stoul(windowId), root, 0, 0, &x, &y, &child);
    // A colour the game's 8-bit screen cannot show.
    const Window cover =
        XCreateSimpleWindow(display.get(), root, x + 150, y + 150, 300, 300, 0, 0, 0x123456);
    XMapRaised(display.get(), cover);
    XSync(display.get(), False);
    XDestroyWindow(display.get(), cover);
    XSync(display.get(), False);
}

void takeFocusAway() {
    XSetInputFocus(testDisplay().get(), None, RevertToNone, CurrentTime);
}

void setKeyRepeat(unsigned delayMs, unsigned perSecond) {
    const auto display = testDisplay();
    XAutoRepeatOn(display.get());
    XkbSetAutoRepeatRate(display.get(), XkbUseCoreKbd, delayMs, 1000 / perSecond);
}
