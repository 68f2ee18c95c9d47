// Missing or broken data files end the real program with their message and exit code.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "game/test_art.h"
#include "support/program_run.h"
#include "support/work_dir.h"

namespace {

class DataFailureTest : public ::testing::Test {
protected:
    void SetUp() override {
        writeTestArt(work.root() + "/Data");
        work.copyData("boulder.ttf");
    }

    std::string data(const char* name) const { return work.root() + "/Data/" + name; }
    void remove(const char* name) const { std::remove(data(name).c_str()); }
    ProgramRun run() const { return runGame(work.root(), {}); }

    WorkDir work;
};

const char* const kPaddleMessage = "Konnte Data/Player.bmp nicht laden.\n";

// Overwrites the 16-bit bit count of the BMP at `path`, 28 bytes into the file.
void rewriteBitCount(const std::string& path, const char (&littleEndian)[3]) {
    std::fstream(path, std::ios::in | std::ios::out | std::ios::binary).seekp(28) << littleEndian;
}

TEST_F(DataFailureTest, MissingPaddleEndsWithCode1BeforeAnySheetIsOpened) {
    remove("player.bmp");
    remove("steine.bmp");  // had the sheets been loaded first, this would have been reported
    const ProgramRun result = run();
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(gameMessages(result.err), kPaddleMessage);
}

TEST_F(DataFailureTest, MissingFunnelsEndWithCode2AndTheBasketIsNeverOpened) {
    remove("trichter.bmp");
    remove("korb.bmp");
    const ProgramRun result = run();
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(gameMessages(result.err), "Konnte Data/trichter.bmp nicht laden!\n");
}

TEST_F(DataFailureTest, BrokenBitmapsAreRefusedLikeMissingOnes) {
    struct Case {
        const char* file;
        void (*breakIt)(const std::string&);
        int exitCode;
        const char* message;
    };
    const Case cases[] = {
        {"player.bmp", writeGarbage, 1, kPaddleMessage},
        {"player.bmp", writeTruncatedBitmap, 1, kPaddleMessage},
        {"steine.bmp", writeGarbage, 2, "Konnte Data/steine.bmp nicht laden!\n"},
        {"korb.bmp", writeTruncatedBitmap, 2, "Konnte Data/korb.bmp nicht laden!\n"},
        // Bit counts of which classic SDL 1.2 keeps the low byte: pictures without a palette.
        {"korb.bmp", [](const std::string& path) { rewriteBitCount(path, "\x08\x80"); }, 2,
         "Konnte Data/korb.bmp nicht laden!\n"},
        {"player.bmp", [](const std::string& path) { rewriteBitCount(path, "\x01\x10"); }, 1,
         kPaddleMessage},
    };
    for (const Case& c : cases) {
        writeTestArt(work.root() + "/Data");
        c.breakIt(data(c.file));
        const ProgramRun result = run();
        EXPECT_EQ(result.exitCode, c.exitCode) << c.file;
        EXPECT_EQ(gameMessages(result.err), c.message) << c.file;
    }
}

TEST_F(DataFailureTest, MissingFontEndsWithCode2) {
    remove("boulder.ttf");
    const ProgramRun result = run();
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(gameMessages(result.err), "Konnte Data/boulder.ttf nicht laden!\n");
}

}  // namespace
