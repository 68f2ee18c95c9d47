// What the game puts into SDL's environment before SDL starts, and takes back again.
#include "video_defaults.h"

#include <X11/Xlib.h>

#include <cstdlib>

namespace {

// A setting the game puts into the environment when the player has not set it.
struct EnvironmentDefault {
    const char* name;
    const char* value;
    bool setHere;  // true while the environment holds the value this game put there
};

// Process-wide, like the environment they stand for.
//
// SDL2 and SDL3 would show the 8-bit screen through their OpenGL renderer, which without a
// graphics card is Mesa's software rasteriser; their software renderer on the window's own
// framebuffer costs what classic SDL costs, and only these two settings together get there.
EnvironmentDefault g_renderDriver = {"SDL_RENDER_DRIVER", "software", false};
EnvironmentDefault g_acceleration = {"SDL_FRAMEBUFFER_ACCELERATION", "0", false};
// sdl12-compat over SDL3 makes its window an OpenGL window whenever OpenGL heads SDL's renderer
// list, whatever the renderer, and so loads a whole OpenGL stack it never draws with; with no
// library to load it makes a plain window. Set only with our own renderer: a player who names
// a renderer may want OpenGL.
EnvironmentDefault g_openGlLibrary = {"SDL_OPENGL_LIBRARY", "/dev/null", false};
// X11 on a Wayland desktop that has an X server too (XWayland): SDL3 would take Wayland wherever
// the compositor offers what it looks for, and shows the 8-bit screen there only through OpenGL,
// at six times the memory and ten times the wake-ups of the same game through XWayland. Both
// names, so that sdl2-compat does not copy the one into the other as if the player had.
EnvironmentDefault g_x11Driver[] = {
    {"SDL_VIDEODRIVER", "x11", false},
    {"SDL_VIDEO_DRIVER", "x11", false},
};
EnvironmentDefault* const g_presentationDefaults[] = {
    &g_renderDriver, &g_acceleration, &g_openGlLibrary, &g_x11Driver[0], &g_x11Driver[1]};

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

// The video driver named `name` unless it is one of the game's defaults.
const char* playersDriver(int nameIndex) {
    const bool ours = g_x11Driver[nameIndex].setHere || g_driverWithoutDisplay[nameIndex].setHere;
    return ours ? nullptr : std::getenv(g_x11Driver[nameIndex].name);
}

}  // namespace

bool xServerAnswers() {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return false;
    }
    XCloseDisplay(display);
    return true;
}

void setVideoDefaults(bool (*xServerAnswers)()) {
    setDefault(g_renderDriver);
    setDefault(g_acceleration);
    if (g_renderDriver.setHere) {
        setDefault(g_openGlLibrary);
    }
    // Without any display, SDL would settle on a text-mode driver, and classic SDL's libcaca may
    // end the whole process before the game can say why (no TERM). The memory-only driver is
    // refused by openGameScreen with the game's own message instead.
    const bool driverNamed =
        std::getenv("SDL_VIDEODRIVER") != nullptr || std::getenv("SDL_VIDEO_DRIVER") != nullptr;
    if (driverNamed) {
        return;
    }
    // A DISPLAY left over from another session would fail SDL's start, so the X server is
    // asked first; on a desktop without Wayland SDL takes X11 anyway.
    if (isSet("DISPLAY") && isSet("WAYLAND_DISPLAY")) {
        if (xServerAnswers()) {
            for (EnvironmentDefault& setting : g_x11Driver) {
                setDefault(setting);
            }
        }
    } else if (!isSet("DISPLAY") && !isSet("WAYLAND_DISPLAY")) {
        for (EnvironmentDefault& setting : g_driverWithoutDisplay) {
            setDefault(setting);
        }
    }
}

bool withdrawPresentationDefaults() {
    bool withdrawn = false;
    for (EnvironmentDefault* setting : g_presentationDefaults) {
        if (setting->setHere) {
            unsetenv(setting->name);
            setting->setHere = false;
            withdrawn = true;
        }
    }
    return withdrawn;
}

const char* playersVideoDriver() {
    return playersDriver(0);
}

const char* playersSdl3VideoDriver() {
    return playersDriver(1);
}
