// Prints the SDL 1.2 stacks the test suites run on, so that the test log says which were
// tested: the system's, which this program runs on, and sdl12-compat beside it where there is
// one (the program runs itself again on that).
#include <dlfcn.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "support/child_process.h"
#include "support/dummy_screen.h"

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

// The SDL 1.2 this program runs on and, beneath sdl12-compat, SDL2 or SDL3, with their versions:
// "classic SDL 1.2.15", "sdl12-compat 1.2.78 over sdl2-compat 2.32.74 over SDL3 3.4.18".
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

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--own") == 0) {
        std::printf("%s\n", describeSdlStack().c_str());
        return 0;
    }
    std::printf("The tests run on %s\n", describeSdlStack().c_str());
    const std::string compatDir = PLIMSDL_COMPAT_SDL_DIR;
    if (!compatDir.empty()) {
        Launch again;
        again.argv = {argv[0], "--own"};
        again.environment = {"LD_LIBRARY_PATH=" + compatDir};
        std::printf("and on %s", outputOf(again).c_str());
    }
    return 0;
}
