// The committed bitmaps and icons are exactly what the artwork generator draws, so code and
// files agree.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/child_process.h"
#include "support/whole_file.h"
#include "support/work_dir.h"

namespace {

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

// The generator's exit code when run with `arguments`, its complaints sent to `errPath` (empty:
// the test's own standard error).
int runGenerator(const std::vector<std::string>& arguments, const std::string& errPath = "") {
    Launch generator;
    generator.argv = {PLIMSDL_ARTWORK_GENERATOR};
    generator.argv.insert(generator.argv.end(), arguments.begin(), arguments.end());
    generator.errPath = errPath;
    int exitCode = -1;
    outputOf(generator, &exitCode);
    return exitCode;
}

}  // namespace

TEST(ArtworkGenerator, RedrawsTheCommittedBitmapsAndIconsByteForByte) {
    for (const CommittedArt& art : kCommittedArt) {
        const WorkDir work;
        std::vector<std::string> arguments = {work.root() + "/Data"};
        if (*art.option != '\0') {
            arguments.insert(arguments.begin(), art.option);
        }
        ASSERT_EQ(runGenerator(arguments), 0) << art.directory;
        for (const char* name : art.files) {
            const std::string drawn = work.readFile(std::string("Data/") + name);
            const std::string committed =
                readWholeFile(std::string(PLIMSDL_SOURCE_DIR) + "/" + art.directory + "/" + name);
            EXPECT_FALSE(drawn.empty()) << name;
            // Compared as a whole rather than printed: a difference means the files need
            // regenerating.
            EXPECT_TRUE(drawn == committed) << name << " differs from the generator's output";
        }
    }
}

TEST(ArtworkGenerator, RefusesToRunWithoutAnOutputDirectory) {
    EXPECT_NE(runGenerator({}, "/dev/null"), 0);
}
