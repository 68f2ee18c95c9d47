// Bitmaps the header check must let through to SDL, loaded as the game loads them.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "support/dummy_screen.h"
#include "support/work_dir.h"
#include "surfaces.h"

namespace {

void append(std::string& bytes, std::uint32_t value, int byteCount) {
    for (int i = 0; i < byteCount; ++i) {
        bytes += static_cast<char>(value >> (8 * i));
    }
}

// A 24-bit picture one pixel wide: a red row above a blue one, stored bottom row first, or with
// a negative height, top row first.
std::string redOverBlue(bool topRowFirst) {
    const std::string red("\0\0\xFF\0", 4);  // blue, green, red, and padding to 4 bytes
    const std::string blue("\xFF\0\0\0", 4);
    std::string bytes = "BM";
    append(bytes, 14 + 40 + 8, 4);
    append(bytes, 0, 4);
    append(bytes, 14 + 40, 4);
    append(bytes, 40, 4);
    append(bytes, 1, 4);
    append(bytes, topRowFirst ? static_cast<std::uint32_t>(-2) : 2, 4);
    append(bytes, 1, 2);   // planes
    append(bytes, 24, 2);  // bits a pixel
    bytes.append(24, '\0');
    return bytes + (topRowFirst ? red + blue : blue + red);
}

using BitmapFile = DummyScreenTest;

TEST_F(BitmapFile, PicturesStoredEitherWayUpLoadTheRightWayUp) {
    WorkDir work;
    for (const bool topRowFirst : {false, true}) {
        work.writeFile("Data/picture.bmp", redOverBlue(topRowFirst));
        SDL_Surface* loaded = loadDisplayBitmap("Data/picture.bmp", Transparent::Black);
        ASSERT_NE(loaded, nullptr) << "top row first: " << topRowFirst;
        EXPECT_EQ(loaded->h, 2);
        EXPECT_EQ(pixelOf(loaded, 0, 0), mapped(255, 0, 0)) << "top row first: " << topRowFirst;
        EXPECT_EQ(pixelOf(loaded, 0, 1), mapped(0, 0, 255)) << "top row first: " << topRowFirst;
        SDL_FreeSurface(loaded);
    }
}

}  // namespace
