// The committed bitmaps and icons are exactly what the artwork generator draws, so code and
// files agree.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/work_dir.h"

namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// One run of the generator and the committed files it must redraw.
struct CommittedArt {
    const char* option;     // before the output directory; empty for the game's bitmaps
    const char* directory;  // where the files are committed, in the repository
    std::vector<const char*> files;
};

const CommittedArt kCommittedArt[] = {
    {"", "Data", {"steine.bmp", "trichter.bmp", "korb.bmp", "player.bmp"}},
    {"--icons",
     "install/icons",
     {"plimsdl-48.png", "plimsdl-64.png", "plimsdl-128.png", "plimsdl-256.png"}},
};

}  // namespace

TEST(ArtworkGenerator, RedrawsTheCommittedBitmapsAndIconsByteForByte) {
    for (const CommittedArt& art : kCommittedArt) {
        const WorkDir work;
        const std::string command = std::string("\"") + PLIMSDL_ARTWORK_GENERATOR + "\" " +
                                    art.option + " \"" + work.root() + "/Data\"";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
        for (const char* name : art.files) {
            const std::string drawn = work.readFile(std::string("Data/") + name);
            const std::string committed =
                readFile(std::string(PLIMSDL_SOURCE_DIR) + "/" + art.directory + "/" + name);
            EXPECT_FALSE(drawn.empty()) << name;
            // Compared as a whole rather than printed: a difference means the files need
            // regenerating.
            EXPECT_TRUE(drawn == committed) << name << " differs from the generator's output";
        }
    }
}

TEST(ArtworkGenerator, RefusesToRunWithoutAnOutputDirectory) {
    const std::string command = std::string("\"") + PLIMSDL_ARTWORK_GENERATOR + "\" 2>/dev/null";
    EXPECT_NE(std::system(command.c_str()), 0);
}
