// The game's window: the 800x600 8-bit stage, shown at a whole scale or in fullscreen.
#include "stage_window.h"

#include <dlfcn.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "display_wait.h"
#include "screen.h"
#include "stage_copy.h"

namespace {

// Flags of every window, as the game has always asked for them.
constexpr Uint32 kWindowFlags = SDL_HWSURFACE | SDL_DOUBLEBUF;
constexpr Uint32 kBlack = 0;

// Process-wide, like the window it stands for.
struct StageWindow {
    VideoCalls calls = kSdlVideoCalls;
    bool desktopKnown = false;  // desktop holds what SDL said before the first window opened
    PixelSize desktop = {0, 0};
    int windowScale = 0;  // 0: the largest that fits
    bool fullscreen = false;
    WindowLayout layout = windowLayout(1);
    SDL_Surface* window = nullptr;  // owned by SDL
    SDL_Surface* stage = nullptr;
    bool stageShown = false;   // the window shows the stage as it was at the last showStage
    std::vector<Uint8> shown;  // at a scale above 1: the stage as the window shows it
    std::vector<SDL_Rect> changed;
    std::vector<SDL_Rect> sent;
};
StageWindow g_window;

// What SDL says of the desktop before any window of ours changes its answer: classic SDL 1.2
// reports the open window's size once there is one.
PixelSize desktopSize() {
    if (!g_window.desktopKnown) {
        const SDL_VideoInfo* info = SDL_GetVideoInfo();
        if (info != nullptr) {
            g_window.desktop = {info->current_w, info->current_h};
        }
        g_window.desktopKnown = true;
    }
    return g_window.desktop;
}

bool compatScalesTheWindow() {
    const char* scaling = std::getenv("SDL12COMPAT_WINDOW_SCALING");
    return scaling != nullptr && scaling[0] != '\0';
}

WindowLayout layoutFor(bool fullscreen) {
    if (fullscreen) {
        return fullscreenLayout(desktopSize());
    }
    if (compatScalesTheWindow()) {
        return windowLayout(1);
    }
    return windowLayout(g_window.windowScale > 0 ? g_window.windowScale
                                                 : largestWindowScale(desktopSize()));
}

Uint32 flagsFor(bool fullscreen) {
    return fullscreen ? kWindowFlags | SDL_FULLSCREEN : kWindowFlags;
}

// A window whose surface SDL flips as a whole rather than updating parts of it.
bool flipsWhole(const SDL_Surface* window) {
    return (window->flags & SDL_DOUBLEBUF) != 0;
}

PixelRows rowsOf(SDL_Surface* surface, int left, int top) {
    auto* pixels = static_cast<Uint8*>(surface->pixels);
    return {pixels + static_cast<std::ptrdiff_t>(top) * surface->pitch + left, surface->pitch};
}

// Where the window shows the stage: its own pixels at scale 1, a copy kept for the purpose above.
PixelRows shownRows() {
    if (g_window.layout.scale == 1) {
        return rowsOf(g_window.window, g_window.layout.left, g_window.layout.top);
    }
    return {g_window.shown.data(), kScreenWidth};
}

// A black stage in the window's palette, so that a pixel value means the same colour on both.
SDL_Surface* createStage(SDL_Surface* window) {
    SDL_Surface* stage =
        SDL_CreateRGBSurface(SDL_SWSURFACE, kScreenWidth, kScreenHeight, kScreenDepth, 0, 0, 0, 0);
    if (stage == nullptr) {
        return nullptr;
    }
    if (window->format->palette != nullptr) {
        const SDL_Palette* palette = window->format->palette;
        SDL_SetColors(stage, palette->colors, 0, palette->ncolors);
    }
    // The menus blend their texts onto it, so every pixel must have a value from the start.
    SDL_FillRect(stage, nullptr, kBlack);
    return stage;
}

// Sends the window's whole picture to the display.
void sendWholeWindow() {
    if (flipsWhole(g_window.window)) {
        SDL_Flip(g_window.window);
    } else {
        SDL_UpdateRect(g_window.window, 0, 0, 0, 0);
    }
}

// At a scale above 1, the copy of the stage as the window shows it starts black, like the window.
void forgetShownStage() {
    g_window.shown.assign(
        g_window.layout.scale == 1 ? 0 : std::size_t{kScreenWidth} * kScreenHeight, kBlack);
}

// Takes `window` as the game's, with the layout it was opened for.
void takeWindow(SDL_Surface* window, const WindowLayout& layout, bool fullscreen) {
    g_window.window = window;
    g_window.layout = layout;
    g_window.fullscreen = fullscreen;
    // The display's connection may be a new one.
    keepHeldKeysDown();
}

// The new window's picture: black, with the stage as it was last shown, if it ever was.
void fillWindow() {
    SDL_Surface* window = g_window.window;
    if (g_window.stage->format->palette != nullptr) {
        const SDL_Palette* palette = g_window.stage->format->palette;
        SDL_SetColors(window, palette->colors, 0, palette->ncolors);
    }
    SDL_FillRect(window, nullptr, kBlack);
    const int scale = g_window.layout.scale;
    forgetShownStage();
    if (g_window.stageShown) {
        const SDL_Rect whole = {0, 0, kScreenWidth, kScreenHeight};
        SDL_LockSurface(window);
        copyScaled(rowsOf(g_window.stage, 0, 0),
                   rowsOf(window, g_window.layout.left, g_window.layout.top), whole, scale);
        if (scale > 1) {
            copyScaled(rowsOf(g_window.stage, 0, 0), shownRows(), whole, 1);
        }
        SDL_UnlockSurface(window);
    }
    sendWholeWindow();
}

// Whether SDL3 shows the window, beneath sdl12-compat and sdl2-compat (Debian unstable). There a
// video mode changed in place is unsound: a window grown to fullscreen keeps being drawn into the
// old, smaller framebuffer, and the game crashes at its next picture; one shrunk back to a window
// shows the stage blurred, scaled by the size it had before. A video mode set by video started
// afresh is drawn soundly at any size.
bool changesModesUnsoundlyInPlace() {
    void* sdl3 = dlopen("libSDL3.so.0", RTLD_LAZY | RTLD_NOLOAD);
    if (sdl3 != nullptr) {
        dlclose(sdl3);
    }
    return sdl3 != nullptr;
}

// Ends SDL's video and starts it again, as the game started it, with the window's caption.
bool restartVideo() {
    char* title = nullptr;
    char* iconTitle = nullptr;
    SDL_WM_GetCaption(&title, &iconTitle);
    const std::string keptTitle = title != nullptr ? title : "";
    const std::string keptIconTitle = iconTitle != nullptr ? iconTitle : "";
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        return false;
    }
    SDL_EnableUNICODE(1);
    SDL_WM_SetCaption(keptTitle.c_str(), keptIconTitle.c_str());
    return true;
}

// Sets the video mode for `fullscreen`; false when SDL refuses it.
bool setMode(bool fullscreen) {
    const WindowLayout layout = layoutFor(fullscreen);
    if (changesModesUnsoundlyInPlace() && !restartVideo()) {
        return false;
    }
    SDL_Surface* window = g_window.calls.setVideoMode(layout.window.w, layout.window.h,
                                                      kScreenDepth, flagsFor(fullscreen));
    if (window == nullptr) {
        return false;
    }
    takeWindow(window, layout, fullscreen);
    return true;
}

SDL_Rect inWindow(const SDL_Rect& area) {
    const WindowLayout& layout = g_window.layout;
    return SDL_Rect{static_cast<Sint16>(layout.left + area.x * layout.scale),
                    static_cast<Sint16>(layout.top + area.y * layout.scale),
                    static_cast<Uint16>(area.w * layout.scale),
                    static_cast<Uint16>(area.h * layout.scale)};
}

}  // namespace

int largestScaleForDesktop() {
    return largestWindowScale(desktopSize());
}

void chooseWindowScale(int scale) {
    g_window.windowScale = scale;
}

SDL_Surface* openStageWindow(bool fullscreen, const VideoCalls& calls) {
    closeStageWindow();
    desktopSize();  // before the window opens, while SDL still tells the desktop's size
    g_window.calls = calls;
    const WindowLayout layout = layoutFor(fullscreen);
    SDL_Surface* window = openGameScreen(layout.window, flagsFor(fullscreen), calls);
    if (window == nullptr) {
        return nullptr;
    }
    takeWindow(window, layout, fullscreen);
    g_window.stage = createStage(window);
    if (g_window.stage == nullptr) {
        return nullptr;
    }
    g_window.stageShown = false;
    forgetShownStage();
    // sdl12-compat hands the window's surface out uncleared; it shows until the first picture.
    SDL_FillRect(window, nullptr, kBlack);
    return g_window.stage;
}

void showStage(SDL_Surface* stage) {
    SDL_Surface* window = g_window.window;
    if (stage == nullptr || stage != g_window.stage || window == nullptr) {
        if (stage != nullptr) {
            SDL_Flip(stage);
        }
        return;
    }
    const int scale = g_window.layout.scale;
    const PixelRows stageRows = rowsOf(stage, 0, 0);
    const PixelRows windowRows = rowsOf(window, g_window.layout.left, g_window.layout.top);
    SDL_LockSurface(window);
    g_window.changed.clear();
    findChangedAreas(stageRows, shownRows(), kScreenWidth, kScreenHeight, &g_window.changed);
    g_window.sent.clear();
    for (const SDL_Rect& area : g_window.changed) {
        copyScaled(stageRows, windowRows, area, scale);
        if (scale > 1) {
            copyScaled(stageRows, shownRows(), area, 1);
        }
        g_window.sent.push_back(inWindow(area));
    }
    SDL_UnlockSurface(window);
    g_window.stageShown = true;
    if (flipsWhole(window)) {
        SDL_Flip(window);
    } else if (!g_window.sent.empty()) {
        SDL_UpdateRects(window, static_cast<int>(g_window.sent.size()), g_window.sent.data());
    }
}

void showWindowAgain() {
    if (g_window.window != nullptr) {
        sendWholeWindow();
    }
}

bool toggleFullscreen() {
    if (g_window.window == nullptr) {
        return false;
    }
    const bool wanted = !g_window.fullscreen;
    if (!setMode(wanted) && !setMode(!wanted)) {
        g_window.window = nullptr;
        return false;
    }
    fillWindow();
    return true;
}

bool clickOnStage(Uint16 x, Uint16 y, Uint16* stageX, Uint16* stageY) {
    int sx = 0;
    int sy = 0;
    if (!windowToStage(g_window.layout, x, y, &sx, &sy)) {
        return false;
    }
    *stageX = static_cast<Uint16>(sx);
    *stageY = static_cast<Uint16>(sy);
    return true;
}

WindowLayout currentWindowLayout() {
    return g_window.layout;
}

void closeStageWindow() {
    if (g_window.stage != nullptr) {
        SDL_FreeSurface(g_window.stage);
        g_window.stage = nullptr;
    }
    g_window.window = nullptr;
    g_window.shown.clear();
    g_window.shown.shrink_to_fit();
    g_window.stageShown = false;
}
