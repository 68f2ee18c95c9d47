// The display's own connection: waiting for input on it, which SDL 1.2's event queue cannot do,
// and how it reports a held key.
#include "display_wait.h"

#include <poll.h>

#include <SDL_syswm.h>
#ifdef SDL_VIDEO_DRIVER_X11
#include <X11/XKBlib.h>
#endif

namespace {

#ifdef SDL_VIDEO_DRIVER_X11
// The X11 display SDL shows the window on, or null.
Display* x11Display() {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWMInfo(&info) > 0 && info.subsystem == SDL_SYSWM_X11) {
        return info.info.x11.display;
    }
    return nullptr;
}
#endif

}  // namespace

int displayConnection() {
#ifdef SDL_VIDEO_DRIVER_X11
    if (Display* display = x11Display()) {
        return ConnectionNumber(display);
    }
#endif
    return -1;
}

void keepHeldKeysDown() {
#ifdef SDL_VIDEO_DRIVER_X11
    if (Display* display = x11Display()) {
        // SDL2 asks for this itself; classic SDL 1.2 does not.
        Bool supported = False;
        XkbSetDetectableAutoRepeat(display, True, &supported);
    }
#endif
}

void waitForInput(int connection, int wakeUp, Uint32 ms) {
    // SDL and Xlib read the connection into queues of their own: an event already read there
    // would leave the connection silent and wait behind the timeout. Pumping moves everything
    // read so far into SDL's queue, where a peek finds it.
    SDL_PumpEvents();
    SDL_Event event;
    if (SDL_PeepEvents(&event, 1, SDL_PEEKEVENT, SDL_ALLEVENTS) > 0) {
        return;
    }
    pollfd watched[] = {{connection, POLLIN, 0}, {wakeUp, POLLIN, 0}};
    poll(watched, 2, ms == kUntilInput ? -1 : static_cast<int>(ms));
}
