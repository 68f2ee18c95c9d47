// The game's window: SDL's start, its 8-bit video mode, and no game on a display nobody sees.
#include "display.h"

#include <strings.h>

#include <algorithm>
#include <cstring>
#include <iterator>

#include "screen.h"
#include "video_defaults.h"

namespace {

// Drivers that draw into memory or as text-mode art, never into a window: classic SDL 1.2 falls
// back to "caca" without a display, SDL2 to "offscreen".
constexpr const char* kUnseenDrivers[] = {"aalib", "caca", "dummy", "offscreen"};

bool showsNothing(const char* driver) {
    return std::any_of(std::begin(kUnseenDrivers), std::end(kUnseenDrivers),
                       [driver](const char* unseen) { return strcasecmp(driver, unseen) == 0; });
}

// Whether `driver` is one of the comma-separated names in `requested`, as SDL compares them.
bool isNamedIn(const char* driver, const char* requested) {
    const std::size_t length = std::strlen(driver);
    const char* name = requested;
    while (name != nullptr) {
        if (strncasecmp(name, driver, length) == 0 &&
            (name[length] == '\0' || name[length] == ',')) {
            return true;
        }
        name = std::strchr(name, ',');
        if (name != nullptr) {
            ++name;
        }
    }
    return false;
}

bool onUnseenFallback() {
    char driver[32] = {};
    return SDL_VideoDriverName(driver, sizeof driver) != nullptr &&
           isUnseenFallback(driver, playersVideoDriver(), playersSdl3VideoDriver());
}

}  // namespace

bool startSdl() {
    if (SDL_Init(SDL_INIT_AUDIO | SDL_INIT_VIDEO) < 0) {
        return false;
    }
    SDL_EnableUNICODE(1);
    return true;
}

bool restartSdl() {
    SDL_Quit();
    return startSdl();
}

SDL_Surface* openGameScreen(PixelSize size, Uint32 flags, const VideoCalls& calls) {
    if (onUnseenFallback()) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return nullptr;
    }
    SDL_Surface* screen = calls.setVideoMode(size.w, size.h, kScreenDepth, flags);
    if (screen == nullptr && withdrawPresentationDefaults() && calls.restartSdl()) {
        screen = calls.setVideoMode(size.w, size.h, kScreenDepth, flags);
    }
    return screen;
}

bool isUnseenFallback(const char* driver, const char* requested, const char* requestedSdl3) {
    return showsNothing(driver) && !isNamedIn(driver, requested) &&
           !isNamedIn(driver, requestedSdl3);
}
