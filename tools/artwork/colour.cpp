// Palette membership, so the generator can refuse colours the screen would shift.
#include "colour.h"

namespace {

bool isRedGreenLevel(std::uint8_t value) {
    for (int level = 0; level < kRedGreenLevels; ++level) {
        if (redGreenLevel(level) == value) {
            return true;
        }
    }
    return false;
}

bool isBlueLevel(std::uint8_t value) {
    for (int level = 0; level < kBlueLevels; ++level) {
        if (blueLevel(level) == value) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool isPaletteColour(Rgb colour) {
    return isRedGreenLevel(colour.r) && isRedGreenLevel(colour.g) && isBlueLevel(colour.b);
}
