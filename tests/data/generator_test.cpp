// The committed bitmaps are exactly what the artwork generator draws, so code and Data/ agree.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "support/work_dir.h"

namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

TEST(ArtworkGenerator, RedrawsTheCommittedBitmapsByteForByte) {
    const WorkDir work;
    const std::string command =
        std::string("\"") + PLIMSDL_ARTWORK_GENERATOR + "\" \"" + work.root() + "/Data\"";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    for (const char* name : {"steine.bmp", "trichter.bmp", "korb.bmp", "player.bmp"}) {
        const std::string drawn = work.readFile(std::string("Data/") + name);
        const std::string committed = readFile(repositoryDataPath(name));
        EXPECT_FALSE(drawn.empty()) << name;
        // Compared as a whole rather than printed: a difference means Data/ needs regenerating.
        EXPECT_TRUE(drawn == committed) << name << " differs from the generator's output";
    }
}

TEST(ArtworkGenerator, RefusesToRunWithoutAnOutputDirectory) {
    const std::string command = std::string("\"") + PLIMSDL_ARTWORK_GENERATOR + "\" 2>/dev/null";
    EXPECT_NE(std::system(command.c_str()), 0);
}
