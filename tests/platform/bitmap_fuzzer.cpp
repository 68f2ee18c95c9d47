// libFuzzer entry point: each input is a whole file for one of the game's four bitmaps, which is
// then loaded and converted for the 8-bit screen as at start-up, and drawn. Inputs start from the
// shipped bitmaps and from palette pictures of 1, 4 and 8 bits made here, and change their
// headers, palettes, pixels and length. A file that crashes SDL, or the game's code around it,
// is found here rather than by a player.
#include <SDL.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "screen.h"
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

void putLittleEndian(std::uint8_t* at, std::uint32_t value, std::size_t byteCount) {
    for (std::size_t i = 0; i < byteCount; ++i) {
        at[i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

void appendLittleEndian(std::string& bytes, std::uint32_t value, std::size_t byteCount) {
    for (std::size_t i = 0; i < byteCount; ++i) {
        bytes += static_cast<char>(value >> (8 * i));
    }
}

// A number of any magnitude, negative a quarter of the time.
std::uint32_t anyNumber(std::mt19937& random) {
    auto value = static_cast<std::uint32_t>(random() >> (random() % 32));
    return random() % 4 == 0 ? ~value + 1 : value;
}

// A picture of 1, 4 or 8 bits a pixel: up to 64 pixels each way, stored either way up, in the old
// or the common header, with a palette of as many colours as the header claims (any number up to
// twice the bits allow, none claimed meaning all) and pixels of any value.
std::string palettePicture(std::mt19937& random) {
    constexpr std::uint32_t kBitCounts[] = {1, 4, 8};
    const std::uint32_t bits = kBitCounts[random() % 3];
    const bool old = random() % 4 == 0;
    const std::uint32_t width = 1 + random() % 64;
    const std::uint32_t rows = 1 + random() % 64;
    const std::uint32_t claimed = random() % 2 == 0 ? 0 : random() % ((2u << bits) + 1);
    const std::uint32_t colours = claimed == 0 ? 1u << bits : claimed;
    const std::uint32_t infoSize = old ? 12 : 40;
    const std::uint32_t entrySize = old ? 3 : 4;
    const std::uint32_t dataAt = 14 + infoSize + colours * entrySize;
    const std::uint32_t pixelBytes = (width * bits + 31) / 32 * 4 * rows;
    // Stored top row first, the height is negative.
    const std::uint32_t height = !old && random() % 2 == 0 ? ~rows + 1 : rows;
    std::string bytes = "BM";
    appendLittleEndian(bytes, dataAt + pixelBytes, 4);
    appendLittleEndian(bytes, 0, 4);
    appendLittleEndian(bytes, dataAt, 4);
    appendLittleEndian(bytes, infoSize, 4);
    appendLittleEndian(bytes, width, old ? 2 : 4);
    appendLittleEndian(bytes, height, old ? 2 : 4);
    appendLittleEndian(bytes, 1, 2);  // planes
    appendLittleEndian(bytes, bits, 2);
    if (!old) {
        appendLittleEndian(bytes, 0, 4);  // uncompressed
        appendLittleEndian(bytes, pixelBytes, 4);
        appendLittleEndian(bytes, 2835, 4);  // 72 dots an inch, each way
        appendLittleEndian(bytes, 2835, 4);
        appendLittleEndian(bytes, claimed, 4);
        appendLittleEndian(bytes, 0, 4);  // all colours count
    }
    while (bytes.size() < dataAt + pixelBytes) {
        bytes += static_cast<char>(random());
    }
    return bytes;
}

// Changes one header field of `file` (`size` bytes) as byte-wise mutations seldom do: sets it to
// a number of any magnitude, or one of its bytes while the others stay. A file too short to hold
// the field is first lengthened with zeros.
std::size_t changeField(std::mt19937& random, std::uint8_t* file, std::size_t size,
                        std::size_t maxSize) {
    const Field& field = kFields[random() % std::size(kFields)];
    const std::size_t end = field.at + field.byteCount;
    if (end > maxSize) {
        return size;
    }
    for (; size < end; ++size) {
        file[size] = 0;
    }
    if (random() % 2 == 0) {
        file[field.at + random() % field.byteCount] = static_cast<std::uint8_t>(random());
    } else {
        putLittleEndian(file + field.at, anyNumber(random), field.byteCount);
    }
    return size;
}

// Cuts `file` short anywhere, or extends it with bytes of any value.
std::size_t changeLength(std::mt19937& random, std::uint8_t* file, std::size_t size,
                         std::size_t maxSize) {
    if (random() % 2 == 0 && size > 0) {
        return random() % size;
    }
    const std::size_t longer = size + random() % (maxSize - size + 1);
    for (; size < longer; ++size) {
        file[size] = static_cast<std::uint8_t>(random());
    }
    return size;
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
    g_directory = makeDirectory();
    std::atexit(removeDirectory);
    return 0;
}

// The first byte picks the bitmap and stays; the file after it is changed by libFuzzer's own
// mutations half of the time, otherwise in one header field, in its length, or made anew as a
// palette picture.
extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* data, std::size_t size,
                                               std::size_t maxSize, unsigned int seed) {
    std::mt19937 random(seed);
    if (random() % 2 == 0 || size == 0 || maxSize < 2) {
        return LLVMFuzzerMutate(data, size, maxSize);
    }
    std::uint8_t* file = data + 1;
    const std::size_t fileSize = size - 1;
    const std::size_t maxFileSize = maxSize - 1;
    switch (random() % 4) {
        case 0:
        case 1:
            return 1 + changeField(random, file, fileSize, maxFileSize);
        case 2:
            return 1 + changeLength(random, file, fileSize, maxFileSize);
        default: {
            const std::string picture = palettePicture(random);
            const std::size_t kept = std::min(picture.size(), maxFileSize);
            std::memcpy(file, picture.data(), kept);
            return 1 + kept;
        }
    }
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const Bitmap& bitmap = kBitmaps[data[0] % kBitmapCount];
    const std::string path = g_directory + "/" + bitmap.name;
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data + 1), static_cast<std::streamsize>(size - 1));

    SDL_Surface* picture = loadDisplayBitmap(path.c_str(), bitmap.transparent);
    if (picture != nullptr) {
        SDL_BlitSurface(picture, nullptr, g_screen, nullptr);
        SDL_FreeSurface(picture);
    }
    return 0;
}
