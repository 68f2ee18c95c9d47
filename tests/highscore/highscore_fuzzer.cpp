// libFuzzer entry point: every input is the bytes of one highscore file.
#include <cstddef>
#include <cstdint>

#include "highscore/highscore_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzHighscoreFile(data, size);
    return 0;
}
