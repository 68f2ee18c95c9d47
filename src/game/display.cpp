// The game's window: its 8-bit video mode, the cheap way SDL2 shows it beneath sdl12-compat,
// and no game on a display that nobody can see.
#include "display.h"

#include <strings.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <iterator>

namespace {

struct PresentationDefault {
    const char* name;
    const char* value;
    bool setHere;  // true while the environment holds the value this game put there
};

// Process-wide, like the environment they stand for.
PresentationDefault g_presentationDefaults[] = {
    {"SDL_RENDER_DRIVER", "software", false},
    {"SDL_FRAMEBUFFER_ACCELERATION", "0", false},
};

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
           isUnseenFallback(driver, std::getenv("SDL_VIDEODRIVER"));
}

}  // namespace

void preferSoftwarePresentation() {
    for (PresentationDefault& setting : g_presentationDefaults) {
        if (std::getenv(setting.name) == nullptr) {
            setting.setHere = setenv(setting.name, setting.value, 0) == 0;
        }
    }
}

bool withdrawPresentationDefaults() {
    bool withdrawn = false;
    for (PresentationDefault& setting : g_presentationDefaults) {
        if (setting.setHere) {
            unsetenv(setting.name);
            setting.setHere = false;
            withdrawn = true;
        }
    }
    return withdrawn;
}

SDL_Surface* openGameScreen(Uint32 flags, VideoModeCall setVideoMode) {
    if (onUnseenFallback()) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return nullptr;
    }
    SDL_Surface* screen = setVideoMode(kScreenWidth, kScreenHeight, kScreenDepth, flags);
    if (screen == nullptr && withdrawPresentationDefaults()) {
        screen = setVideoMode(kScreenWidth, kScreenHeight, kScreenDepth, flags);
    }
    return screen;
}

bool isUnseenFallback(const char* driver, const char* requested) {
    return showsNothing(driver) && !isNamedIn(driver, requested);
}
