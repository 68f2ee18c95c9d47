// libFuzzer entry point: each input rewrites the headers of one of the game's four bitmaps, which
// is then loaded and converted for the 8-bit screen as at start-up, and drawn. A header that
// crashes SDL, or the game's code around it, is found here rather than by a player.
#include <SDL.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "screen.h"
#include "support/whole_file.h"
#include "surfaces.h"

extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t* data, std::size_t size, std::size_t maxSize);

namespace {

struct Bitmap {
    const char* name;
    Transparent transparent;  // as the game loads it
};

constexpr Bitmap kBitmaps[] = {
    {"steine.bmp", Transparent::Black},
    {"trichter.bmp", Transparent::Black},
    {"korb.bmp", Transparent::Black},
    {"player.bmp", Transparent::White},
};
constexpr std::size_t kBitmapCount = sizeof(kBitmaps) / sizeof(kBitmaps[0]);

// The file header, the largest picture header and three colour masks: what an input may rewrite.
constexpr std::size_t kMaxRewrittenBytes = 14 + 124 + 12;

// The header fields an input is most often changed in, by their place in the file and the
// number of bytes they take: the file header, the picture header (the common 40-byte form, and the
// old 12-byte form's sizes, planes and bit count) and the colour masks after it.
struct Field {
    std::size_t at;
    std::size_t byteCount;
};
constexpr Field kFields[] = {
    {2, 4},  {10, 4}, {14, 4}, {18, 4}, {22, 4}, {26, 2}, {28, 2}, {30, 4}, {34, 4},
    {46, 4}, {50, 4}, {54, 4}, {58, 4}, {62, 4}, {18, 2}, {20, 2}, {22, 2}, {24, 2},
};

std::string g_originals[kBitmapCount];
std::string g_directory;
SDL_Surface* g_screen = nullptr;

[[noreturn]] void giveUp(const char* what) {
    std::fprintf(stderr, "bitmap fuzz: %s: %s\n", what, SDL_GetError());
    std::abort();
}

// Below $TMPDIR when set (scripts/fuzz puts it in memory), else in /tmp.
std::string makeDirectory() {
    const char* chosen = std::getenv("TMPDIR");
    std::string pattern = std::string(chosen != nullptr && *chosen != '\0' ? chosen : "/tmp") +
                          "/plimsdl-bitmap-fuzz-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) {
        giveUp("cannot create a temporary directory");
    }
    return pattern;
}

void removeDirectory() {
    for (const Bitmap& bitmap : kBitmaps) {
        std::remove((g_directory + "/" + bitmap.name).c_str());
    }
    rmdir(g_directory.c_str());
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        giveUp("SDL did not start");
    }
    g_screen = SDL_SetVideoMode(kScreenWidth, kScreenHeight, kScreenDepth, SDL_SWSURFACE);
    if (g_screen == nullptr) {
        giveUp("no video mode");
    }
    for (std::size_t i = 0; i < kBitmapCount; ++i) {
        g_originals[i] =
            readWholeFile(std::string(PLIMSDL_SOURCE_DIR) + "/Data/" + kBitmaps[i].name);
        if (g_originals[i].size() < kMaxRewrittenBytes) {
            giveUp("the game's bitmaps are missing");
        }
    }
    g_directory = makeDirectory();
    std::atexit(removeDirectory);
    return 0;
}

// Half of the time libFuzzer's own mutations; otherwise one header field changed as byte-wise
// mutations seldom change it: set to a number of any magnitude (negative a quarter of the time),
// or one of its bytes set while the others stay. An input too short to hold the field is first
// lengthened with its bitmap's own bytes.
extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* data, std::size_t size,
                                               std::size_t maxSize, unsigned int seed) {
    std::mt19937 random(seed);
    const Field& field = kFields[random() % std::size(kFields)];
    const std::size_t end = 1 + field.at + field.byteCount;
    if (random() % 2 == 0 || size == 0 || end > maxSize) {
        return LLVMFuzzerMutate(data, size, maxSize);
    }
    const std::string& original = g_originals[data[0] % kBitmapCount];
    for (; size < end; ++size) {
        data[size] = static_cast<std::uint8_t>(original[size - 1]);
    }
    std::uint8_t* bytes = data + 1 + field.at;
    if (random() % 2 == 0) {
        bytes[random() % field.byteCount] = static_cast<std::uint8_t>(random());
        return size;
    }
    auto value = static_cast<std::uint32_t>(random() >> (random() % 32));
    if (random() % 4 == 0) {
        value = ~value + 1;
    }
    for (std::size_t i = 0; i < field.byteCount; ++i) {
        bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
    return size;
}

// The first byte picks the bitmap; the rest replaces as many bytes at its start.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::size_t which = data[0] % kBitmapCount;
    std::string bytes = g_originals[which];
    bytes.replace(0, std::min(size - 1, kMaxRewrittenBytes),
                  reinterpret_cast<const char*>(data + 1), std::min(size - 1, kMaxRewrittenBytes));
    const std::string path = g_directory + "/" + kBitmaps[which].name;
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;

    SDL_Surface* picture = loadDisplayBitmap(path.c_str(), kBitmaps[which].transparent);
    if (picture != nullptr) {
        SDL_BlitSurface(picture, nullptr, g_screen, nullptr);
        SDL_FreeSurface(picture);
    }
    return 0;
}
