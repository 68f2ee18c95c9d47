// A stand-in for SDL_Flip that scripts/measure-game loads into the running game with LD_PRELOAD:
// it adds one byte to the file named by PLIMSDL_FLIP_LOG for every flip, then flips. In play the
// game flips once a tick, so the file's growth is the tick rate.
#include <SDL.h>
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>

namespace {

using Flip = int (*)(SDL_Surface*);

std::FILE* openLog() {
    const char* path = std::getenv("PLIMSDL_FLIP_LOG");
    return path != nullptr ? std::fopen(path, "ab") : nullptr;
}

}  // namespace

extern "C" int SDL_Flip(SDL_Surface* screen) {
    static const Flip realFlip = reinterpret_cast<Flip>(dlsym(RTLD_NEXT, "SDL_Flip"));
    static std::FILE* const log = openLog();
    if (log != nullptr) {
        std::fputc('.', log);
        std::fflush(log);
    }
    return realFlip(screen);
}
