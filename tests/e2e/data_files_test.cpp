// Data files that are missing or broken: the game names the file and ends with its code, or, for
// highscore files, shows the default table; it never crashes or hangs.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <stdexcept>
#include <string>

#include "e2e/e2e_fixture.h"
#include "support/whole_file.h"

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

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

// Fonts that lack letters of the game's own texts (see the README there).
const std::string kTestFonts = PLIMSDL_SOURCE_DIR "/tests/e2e/fonts/";

void writeAll(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

const DataFile& dataFile(const std::string& name) {
    for (const DataFile& file : kDataFiles) {
        if (name == file.name) {
            return file;
        }
    }
    throw std::invalid_argument(name);
}

void appendLittleEndian(std::string& bytes, std::uint32_t value, int byteCount) {
    for (int i = 0; i < byteCount; ++i) {
        bytes += static_cast<char>(value >> (8 * i));
    }
}

// A Windows BMP whose header claims `width` x `height` pixels, followed by a palette and
// `pixelBytes` zero bytes, whatever the claimed size would need. An `infoSize` of 12 gives the
// old header with 16-bit sizes.
std::string claimedBitmap(std::int32_t width, std::int32_t height, int bitsPerPixel,
                          std::size_t pixelBytes, std::uint32_t infoSize = 40) {
    const bool old = infoSize == 12;
    const std::uint32_t paletteSize = (old ? 3u : 4u) << bitsPerPixel;
    const std::uint32_t dataAt = 14 + infoSize + paletteSize;
    std::string bytes = "BM";
    appendLittleEndian(bytes, dataAt + static_cast<std::uint32_t>(pixelBytes), 4);
    appendLittleEndian(bytes, 0, 4);
    appendLittleEndian(bytes, dataAt, 4);
    appendLittleEndian(bytes, infoSize, 4);
    appendLittleEndian(bytes, static_cast<std::uint32_t>(width), old ? 2 : 4);
    appendLittleEndian(bytes, static_cast<std::uint32_t>(height), old ? 2 : 4);
    appendLittleEndian(bytes, 1, 2);  // planes
    appendLittleEndian(bytes, static_cast<std::uint32_t>(bitsPerPixel), 2);
    bytes.resize(14 + infoSize + paletteSize + pixelBytes, '\0');
    return bytes;
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

// The game's font with the 16-bit fields of its tables set as `fields` say: tag, place, value.
struct FontField {
    const char* table;
    int at;
    std::uint16_t value;
};
void writeFontWith(const std::string& path, std::initializer_list<FontField> fields) {
    std::string font = readWholeFile(repositoryDataPath("boulder.ttf"));
    for (const FontField& field : fields) {
        std::uint32_t offset = 0;  // after the tag and checksum in the table's record
        std::memcpy(&offset, &font[font.find(field.table) + 8], sizeof offset);
        const std::uint16_t value = htons(field.value);
        std::memcpy(&font[ntohl(offset) + static_cast<std::uint32_t>(field.at)], &value, 2);
    }
    writeAll(path, font);
}

// The line's ascent, in font units, as SDL_ttf may read it: hhea's, and OS/2's two.
void writeFontWithAscent(const std::string& path, std::uint16_t ascent) {
    writeFontWith(path, {{"hhea", 4, ascent}, {"OS/2", 68, ascent}, {"OS/2", 74, ascent}});
}

// Refusing a file costs no more than a few tens of megabytes, whatever it claims.
constexpr long kMostKilobytesToRefuse = 64 * 1024;

// Files made to harm the game, or that a player could never have meant as its data: each gives
// its file's message and exit code at once, before a window could hang, crash or eat memory.
TEST_F(EndToEndTest, HostileDataFilesAreRefusedAtOnce) {
    const struct {
        const char* file;
        const char* what;
        void (*plant)(const std::string& path);
    } cases[] = {
        {"korb.bmp", "a height of -2^31 in 118 bytes",
         [](const std::string& path) { writeAll(path, claimedBitmap(1, INT32_MIN, 4, 0)); }},
        {"korb.bmp", "60000 x 60000 in 4 KB",
         [](const std::string& path) { writeAll(path, claimedBitmap(60000, 60000, 8, 3018)); }},
        {"steine.bmp", "no width",
         [](const std::string& path) { writeAll(path, claimedBitmap(0, 128, 8, 256)); }},
        {"trichter.bmp", "a negative width",
         [](const std::string& path) { writeAll(path, claimedBitmap(-192, 280, 8, 256)); }},
        {"player.bmp", "65535 x 65535 in the old header",
         [](const std::string& path) { writeAll(path, claimedBitmap(65535, 65535, 8, 256, 12)); }},
        {"boulder.ttf", "a directory", [](const std::string& path) { fs::create_directory(path); }},
        {"boulder.ttf", "a link to the endless /dev/zero",
         [](const std::string& path) { fs::create_symlink("/dev/zero", path); }},
        {"boulder.ttf", "no letter with an outline: its glyph index (loca) all 0xFF",
         [](const std::string& path) {
             std::string font = readWholeFile(repositoryDataPath("boulder.ttf"));
             std::uint32_t place[2];  // offset and length, after the tag and checksum in its record
             std::memcpy(place, &font[font.find("loca") + 8], sizeof place);
             font.replace(ntohl(place[0]), ntohl(place[1]), ntohl(place[1]), '\xFF');
             writeAll(path, font);
         }},
        // Letters of the game's own texts blank: all but "A", or the umlauts and the sharp s.
        {"boulder.ttf", "cut down to \"A\"",
         [](const std::string& path) { fs::copy_file(kTestFonts + "only-a.ttf", path); }},
        {"boulder.ttf", "cut down to ASCII",
         [](const std::string& path) { fs::copy_file(kTestFonts + "only-ascii.ttf", path); }},
        {"boulder.ttf", "an em of 16 units: every letter 60 times its size",
         [](const std::string& path) {
             writeFontWith(path, {{"head", 18, 16}});
         }},
        // Lines whose baseline stands far below their top: every text drawn below the screen,
        // or only the highscore view's footer, the lowest.
        {"boulder.ttf", "ascents of 20000 units",
         [](const std::string& path) { writeFontWithAscent(path, 20000); }},
        {"boulder.ttf", "ascents of twice the em",
         [](const std::string& path) { writeFontWithAscent(path, 2000); }},
        {"boulder.ttf", "the font padded to a gigabyte",
         [](const std::string& path) {
             fs::copy_file(repositoryDataPath("boulder.ttf"), path);
             fs::resize_file(path, std::uintmax_t{1} << 30);  // sparse: no room on disk
         }},
    };
    for (const auto& c : cases) {
        work.copyGameData();
        const std::string path = work.root() + "/Data/" + c.file;
        fs::remove(path);
        c.plant(path);
        EXPECT_EQ(startExpectingFailure(), dataFile(c.file).exitCode) << c.file << ", " << c.what;
        EXPECT_EQ(process->errors(), dataFile(c.file).message) << c.file << ", " << c.what;
        EXPECT_LT(process->peakKilobytes(), kMostKilobytesToRefuse) << c.file << ", " << c.what;
        fs::remove_all(path);
    }
    // A named pipe in place of any data file: nothing will ever be written into it.
    for (const DataFile& file : kDataFiles) {
        work.copyGameData();
        const std::string path = work.root() + "/Data/" + file.name;
        fs::remove(path);
        ASSERT_EQ(mkfifo(path.c_str(), 0644), 0);
        EXPECT_EQ(startExpectingFailure(), file.exitCode) << file.name << ", a named pipe";
        EXPECT_EQ(process->errors(), file.message) << file.name << ", a named pipe";
        fs::remove(path);
    }
}

std::string defaultLines(int highest, int lowest) {
    std::string lines;
    for (int score = highest; score >= lowest; score -= 10) {
        lines += ":);" + std::to_string(score) + "\n";
    }
    return lines;
}

TEST_F(EndToEndTest, BrokenHighscoreFilesShowATableAndAreRewrittenWithAPipeForTheFont) {
    const std::string garbage = readWholeFile(repositoryDataPath("korb.bmp")).substr(0, 4000);
    // What each file is rewritten as; left empty where only its shape is known: fifteen lines.
    const struct {
        const char* what;
        std::string bytes;
        std::string rewritten;
    } cases[] = {
        {"empty", "", defaultLines(150, 10)},
        {"a bitmap", garbage, ""},
        {"one line of separators", std::string(100000, ';'), defaultLines(140, 10) + ";0\n"},
        {"a score beyond 32 bits, a NUL byte for a name, a CR line end",
         "A;9999999999999\n\0;\r\n"s, "A;2147483647\n" + defaultLines(130, 10) + "\0;0\n"s},
    };
    // On as small a stack as `ulimit -s 64` gives, which reading and writing a table fit in.
    GameStart smallStack;
    smallStack.stackKilobytes = 64;
    GameProcess& game = start(suiteSdlLibraryDir(), smallStack);
    // The font, read at the start, is no longer opened by its name: a named pipe put there
    // would block the game for ever.
    const std::string font = work.root() + "/Data/boulder.ttf";
    ASSERT_TRUE(fs::remove(font) && mkfifo(font.c_str(), 0644) == 0);
    game.key("Down Down Return");
    for (const auto& c : cases) {
        const std::string path = work.root() + "/Data/einfach.hsc";
        writeAll(path, c.bytes);
        game.key("Return");
        game.expectEventually(showsHighscoreTable, "the table ("s + c.what + ")");
        const std::string rewritten = readWholeFile(path);
        EXPECT_EQ(std::count(rewritten.begin(), rewritten.end(), '\n'), 15) << c.what;
        if (!c.rewritten.empty()) {
            EXPECT_EQ(rewritten, c.rewritten) << c.what;
        }
        game.key("x Return");  // home, then the highscore page again
        game.waitFor([](const Screenshot& s) {
            return s.count({0, 100, 800, 40}, kMenuTitle) > 0;
        });
    }
    game.key("Escape");
    EXPECT_EQ(game.waitForExit(), 0) << game.errors();
}

}  // namespace
