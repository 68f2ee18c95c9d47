// Prints the SDL 1.2 this program runs on, so that the test log says which stack was tested.
#include <cstdio>

#include "support/dummy_screen.h"

int main() {
    std::printf("%s\n", describeSdlStack().c_str());
    return 0;
}
