// Prints the SDL 1.2 stacks the test suites run on, so that the test log says which were
// tested: the system's, which this program runs on, and sdl12-compat beside it where there is
// one (the program runs itself again on that).
#include <cstdio>
#include <cstring>

#include "support/child_process.h"
#include "support/dummy_screen.h"

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
