// Data files that are missing or broken: the game names the file and ends with its code, or, for
// highscore files, shows the default table; it never crashes or hangs.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "e2e/e2e_fixture.h"
#include "support/whole_file.h"

namespace {

struct DataFile {
    const char* name;
    int exitCode;
    const char* message;
};

const DataFile kDataFiles[] = {
    {"player.bmp", 1, "Konnte Data/Player.bmp nicht laden.\n"},
    {"steine.bmp", 2, "Konnte Data/steine.bmp nicht laden!\n"},
    {"trichter.bmp", 2, "Konnte Data/trichter.bmp nicht laden!\n"},
    {"korb.bmp", 2, "Konnte Data/korb.bmp nicht laden!\n"},
    {"boulder.ttf", 2, "Konnte Data/boulder.ttf nicht laden!\n"},
};

void writeAll(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// The ways a data file can be broken, each turning the good bytes into bad ones.
struct Damage {
    const char* what;
    std::string (*apply)(const std::string& good, const std::string& otherKind);
};

const Damage kDamages[] = {
    {"empty", [](const std::string&, const std::string&) { return std::string(); }},
    {"truncated",
     [](const std::string& good, const std::string&) { return good.substr(0, good.size() / 3); }},
    {"header only", [](const std::string& good, const std::string&) { return good.substr(0, 60); }},
    {"garbage",
     [](const std::string& good, const std::string&) {
         std::string bytes(good.size(), '\0');
         for (size_t i = 0; i < bytes.size(); ++i) {
             bytes[i] = static_cast<char>((i * 7919 + 13) % 251);
         }
         return bytes;
     }},
    {"wrong kind", [](const std::string&, const std::string& otherKind) { return otherKind; }},
};

TEST_F(EndToEndTest, MissingDataFilesNameThemselvesAndEndTheGame) {
    for (const DataFile& file : kDataFiles) {
        work.copyGameData();
        std::remove((work.root() + "/Data/" + file.name).c_str());
        EXPECT_EQ(startExpectingFailure(), file.exitCode) << file.name;
        EXPECT_EQ(process->errors(), file.message) << file.name;
    }
}

TEST_F(EndToEndTest, BrokenDataFilesAreRefusedLikeMissingOnes) {
    for (const DataFile& file : kDataFiles) {
        // A bitmap where the font belongs, and the font where a bitmap belongs.
        const bool isFont = std::string(file.name) == "boulder.ttf";
        const std::string otherKind =
            readWholeFile(repositoryDataPath(isFont ? "korb.bmp" : "boulder.ttf"));
        for (const Damage& damage : kDamages) {
            work.copyGameData();
            const std::string path = work.root() + "/Data/" + file.name;
            writeAll(path, damage.apply(readWholeFile(path), otherKind));
            EXPECT_EQ(startExpectingFailure(), file.exitCode) << file.name << ", " << damage.what;
            EXPECT_EQ(process->errors(), file.message) << file.name << ", " << damage.what;
        }
    }
}

TEST_F(EndToEndTest, BrokenHighscoreFilesShowATableAndAreRewritten) {
    const std::string garbage = readWholeFile(repositoryDataPath("korb.bmp")).substr(0, 4000);
    const std::string cases[] = {"", garbage, std::string(100000, ';'), "A;9999999999999\n\0;\r\n"};
    GameProcess& game = start();
    game.key("Down Down Return");
    for (const std::string& bytes : cases) {
        writeAll(work.root() + "/Data/einfach.hsc", bytes);
        game.key("Return");
        const Screenshot shot = game.waitFor([](const Screenshot& s) {
            return s.count({150, 70, 60, 32}, screenColour(200, 0, 0)) > 0;
        });
        EXPECT_GT(shot.count({150, 70, 60, 32}, screenColour(200, 0, 0)), 0) << "rank 1 shown";
        game.key("x Return");  // home, then the highscore page again
        game.waitFor([](const Screenshot& s) {
            return s.count({0, 100, 800, 40}, kMenuTitle) > 0;
        });
    }
    game.key("Escape");
    EXPECT_EQ(game.waitForExit(), 0) << game.errors();
}

}  // namespace
