// The font check that stands between a damaged Data/boulder.ttf and empty menus.
#include <gtest/gtest.h>

#include "font_file.h"
#include "regular_file.h"
#include "support/work_dir.h"

namespace {

bool holdsFont(const std::string& path) {
    return readCheckedFile(path.c_str(), kMaxFontBytes, isCompleteFont).bytes != nullptr;
}

TEST(FontFile, TheGamesFontIsComplete) {
    EXPECT_TRUE(holdsFont(repositoryDataPath("boulder.ttf")));
}

TEST(FontFile, DamagedOrForeignFilesAreNot) {
    WorkDir work;
    const std::string font = work.readFile(repositoryDataPath("boulder.ttf"));
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"cut to a third", font.substr(0, font.size() / 3)},
        {"cut by one byte", font.substr(0, font.size() - 1)},
        {"table directory only", font.substr(0, 200)},
        {"a bitmap", work.readFile(repositoryDataPath("korb.bmp"))},
        {"text", "this is not a font, just some words\n"},
    };
    for (const auto& c : cases) {
        work.writeFile("Data/font.ttf", c.bytes);
        EXPECT_FALSE(holdsFont("Data/font.ttf")) << c.what;
    }
    EXPECT_FALSE(holdsFont("Data/missing.ttf"));
}

}  // namespace
