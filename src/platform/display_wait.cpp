// Waiting for input on the display's own connection, which SDL 1.2's event queue cannot do.
#include "display_wait.h"

#include <poll.h>

#include <SDL_syswm.h>

int displayConnection() {
#ifdef SDL_VIDEO_DRIVER_X11
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWMInfo(&info) > 0 && info.subsystem == SDL_SYSWM_X11 &&
        info.info.x11.display != nullptr) {
        return ConnectionNumber(info.info.x11.display);
    }
#endif
    return -1;
}

void waitForInput(int connection, Uint32 ms) {
    // SDL and Xlib read the connection into queues of their own: an event already read there
    // would leave the connection silent and wait behind the timeout. Pumping moves everything
    // read so far into SDL's queue, where a peek finds it.
    SDL_PumpEvents();
    SDL_Event event;
    if (SDL_PeepEvents(&event, 1, SDL_PEEKEVENT, SDL_ALLEVENTS) > 0) {
        return;
    }
    pollfd input = {connection, POLLIN, 0};
    poll(&input, 1, static_cast<int>(ms));
}
