// Brings SDL up on the dummy video driver, the way the game opens its display.
#include "support/dummy_screen.h"

#include <SDL_ttf.h>
#include <dlfcn.h>

#include <cstring>

#include "screen.h"

bool onSdl12Compat() {
    constexpr Uint8 kFirstCompatPatch = 50;
    return SDL_Linked_Version()->patch >= kFirstCompatPatch;
}

namespace {

std::string dotted(int major, int minor, int patch) {
    return std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(patch);
}

// The version of the library `soname` if this process has loaded it, else empty. SDL2 fills in
// a version record; SDL3 returns major * 1000000 + minor * 1000 + patch.
std::string loadedVersion(const char* soname) {
    void* library = dlopen(soname, RTLD_NOW | RTLD_NOLOAD);
    if (library == nullptr) {
        return "";
    }
    void* getVersion = dlsym(library, "SDL_GetVersion");
    std::string version = "(unknown version)";
    if (getVersion != nullptr && std::strncmp(soname, "libSDL3", 7) == 0) {
        const int number = reinterpret_cast<int (*)()>(getVersion)();
        version = dotted(number / 1000000, number / 1000 % 1000, number % 1000);
    } else if (getVersion != nullptr) {
        SDL_version sdl2 = {};  // the same three bytes as SDL2's record
        reinterpret_cast<void (*)(SDL_version*)>(getVersion)(&sdl2);
        version = dotted(sdl2.major, sdl2.minor, sdl2.patch);
    }
    dlclose(library);
    return version;
}

}  // namespace

std::string describeSdlStack() {
    // sdl12-compat loads SDL2 (and sdl2-compat SDL3) when SDL starts.
    const bool started = SDL_WasInit(SDL_INIT_VIDEO) != 0 || SDL_Init(0) == 0;
    const SDL_version* own = SDL_Linked_Version();
    std::string stack = onSdl12Compat() ? "sdl12-compat " : "classic SDL ";
    stack += dotted(own->major, own->minor, own->patch);
    const std::string sdl2 = loadedVersion("libSDL2-2.0.so.0");
    const std::string sdl3 = loadedVersion("libSDL3.so.0");
    if (!sdl2.empty()) {
        stack += (sdl3.empty() ? " over SDL2 " : " over sdl2-compat ") + sdl2;
    }
    if (!sdl3.empty()) {
        stack += " over SDL3 " + sdl3;
    }
    if (!started) {
        stack += " (SDL did not start: " + std::string(SDL_GetError()) + ")";
    }
    return stack;
}

void DummyScreenTest::SetUp() {
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    ASSERT_EQ(TTF_Init(), 0) << TTF_GetError();
    screen =
        SDL_SetVideoMode(kScreenWidth, kScreenHeight, kScreenDepth, SDL_HWSURFACE | SDL_DOUBLEBUF);
    ASSERT_NE(screen, nullptr) << SDL_GetError();
}

void DummyScreenTest::TearDown() {
    if (TTF_WasInit()) {
        TTF_Quit();
    }
    SDL_Quit();
}

Uint32 DummyScreenTest::mapped(Uint8 r, Uint8 g, Uint8 b) const {
    return SDL_MapRGB(screen->format, r, g, b);
}

Uint8 DummyScreenTest::pixelOf(SDL_Surface* surface, int x, int y) {
    // Every surface the game draws on is 8 bits deep: one byte a pixel.
    const Uint8* row = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch;
    return row[x];
}

int DummyScreenTest::pixelsWithValue(SDL_Surface* surface, int x, int y, int w, int h,
                                     Uint32 value) {
    int found = 0;
    for (int row = y; row < y + h; ++row) {
        for (int column = x; column < x + w; ++column) {
            found += pixelOf(surface, column, row) == value ? 1 : 0;
        }
    }
    return found;
}

int DummyScreenTest::litPixels(SDL_Surface* surface, int x, int y, int w, int h) {
    return w * h - pixelsWithValue(surface, x, y, w, h, 0);
}
