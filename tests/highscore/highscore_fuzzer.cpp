// libFuzzer entry point: every input is the bytes of one highscore file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "highscore/highscore_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Only here does a broken rule end the process: that is how libFuzzer learns of it.
    if (!fuzzHighscoreFile(data, size).empty()) {
        std::abort();
    }
    return 0;
}
