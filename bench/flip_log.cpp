// A stand-in for SDL_Flip, SDL_UpdateRects and SDL_SetVideoMode that scripts/measure-game loads
// into the running game with LD_PRELOAD. Into the file named by PLIMSDL_FLIP_LOG it writes a line
// when the window opens, "window <ns>", and one for every flip or update of the window, "flip <ns>
// <waits>": the time of day in nanoseconds, and how often the game's thread waited (for the
// display) during it. In play the game shows the stage once a tick, so the flips are the ticks.
#include <SDL.h>
#include <dlfcn.h>
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

std::FILE* logFile() {
    static std::FILE* const log = [] {
        const char* path = std::getenv("PLIMSDL_FLIP_LOG");
        return path != nullptr ? std::fopen(path, "a") : nullptr;
    }();
    return log;
}

long long nowNs() {
    timespec now = {};
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

long waitsSoFar() {
    rusage usage = {};
    getrusage(RUSAGE_THREAD, &usage);
    return usage.ru_nvcsw;
}

template <typename Function>
Function real(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" SDL_Surface* SDL_SetVideoMode(int width, int height, int bpp, Uint32 flags) {
    using SetVideoMode = SDL_Surface* (*)(int, int, int, Uint32);
    static const auto realSetVideoMode = real<SetVideoMode>("SDL_SetVideoMode");
    SDL_Surface* screen = realSetVideoMode(width, height, bpp, flags);
    if (screen != nullptr && logFile() != nullptr) {
        std::fprintf(logFile(), "window %lld\n", nowNs());
        std::fflush(logFile());
    }
    return screen;
}

namespace {

int g_depth = 0;  // flips under way, the one inside the other

// Calls `show` and logs it as a flip, once: an SDL_Flip that SDL carries out through
// SDL_UpdateRects (sdl12-compat does) is one flip.
template <typename Show>
auto logFlip(Show show) {
    const long long started = nowNs();
    const long waitsBefore = waitsSoFar();
    ++g_depth;
    const auto result = show();
    --g_depth;
    if (g_depth == 0 && logFile() != nullptr) {
        std::fprintf(logFile(), "flip %lld %ld\n", started, waitsSoFar() - waitsBefore);
        std::fflush(logFile());
    }
    return result;
}

}  // namespace

extern "C" int SDL_Flip(SDL_Surface* screen) {
    using Flip = int (*)(SDL_Surface*);
    static const auto realFlip = real<Flip>("SDL_Flip");
    return logFlip([screen] { return realFlip(screen); });
}

// The game shows only what changed on its stage; a whole new picture is one call too.
extern "C" void SDL_UpdateRects(SDL_Surface* screen, int count, SDL_Rect* rects) {
    using UpdateRects = void (*)(SDL_Surface*, int, SDL_Rect*);
    static const auto realUpdateRects = real<UpdateRects>("SDL_UpdateRects");
    logFlip([=] {
        realUpdateRects(screen, count, rects);
        return 0;
    });
}
