// The game's window: its 8-bit video mode, the cheap way SDL2 and SDL3 show it beneath
// sdl12-compat, and no game on a display that nobody can see.
#include "display.h"

#include <strings.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <iterator>

namespace {

// A setting the game puts into the environment when the player has not set it.
struct EnvironmentDefault {
    const char* name;
    const char* value;
    bool setHere;  // true while the environment holds the value this game put there
};

// Process-wide, like the environment they stand for.
EnvironmentDefault g_presentationDefaults[] = {
    {"SDL_RENDER_DRIVER", "software", false},
    {"SDL_FRAMEBUFFER_ACCELERATION", "0", false},
};
// Both names, so that sdl2-compat does not copy the one into the other as if the player had.
EnvironmentDefault g_driverWithoutDisplay[] = {
    {"SDL_VIDEODRIVER", "dummy", false},
    {"SDL_VIDEO_DRIVER", "dummy", false},
};

bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] != '\0';
}

void setDefault(EnvironmentDefault& setting) {
    if (std::getenv(setting.name) == nullptr) {
        setting.setHere = setenv(setting.name, setting.value, 0) == 0;
    }
}

// The player's own value of `setting`, or null.
const char* playersValue(const EnvironmentDefault& setting) {
    return setting.setHere ? nullptr : std::getenv(setting.name);
}

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
           isUnseenFallback(driver, playersValue(g_driverWithoutDisplay[0]),
                            playersValue(g_driverWithoutDisplay[1]));
}

}  // namespace

void setVideoDefaults() {
    for (EnvironmentDefault& setting : g_presentationDefaults) {
        setDefault(setting);
    }
    const bool driverNamed =
        std::getenv("SDL_VIDEODRIVER") != nullptr || std::getenv("SDL_VIDEO_DRIVER") != nullptr;
    if (!driverNamed && !isSet("DISPLAY") && !isSet("WAYLAND_DISPLAY")) {
        for (EnvironmentDefault& setting : g_driverWithoutDisplay) {
            setDefault(setting);
        }
    }
}

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

bool withdrawPresentationDefaults() {
    bool withdrawn = false;
    for (EnvironmentDefault& setting : g_presentationDefaults) {
        if (setting.setHere) {
            unsetenv(setting.name);
            setting.setHere = false;
            withdrawn = true;
        }
    }
    return withdrawn;
}

SDL_Surface* openGameScreen(Uint32 flags, const VideoCalls& calls) {
    if (onUnseenFallback()) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return nullptr;
    }
    SDL_Surface* screen = calls.setVideoMode(kScreenWidth, kScreenHeight, kScreenDepth, flags);
    if (screen == nullptr && withdrawPresentationDefaults() && calls.restartSdl()) {
        screen = calls.setVideoMode(kScreenWidth, kScreenHeight, kScreenDepth, flags);
    }
    return screen;
}

bool isUnseenFallback(const char* driver, const char* requested, const char* requestedSdl3) {
    return showsNothing(driver) && !isNamedIn(driver, requested) &&
           !isNamedIn(driver, requestedSdl3);
}
