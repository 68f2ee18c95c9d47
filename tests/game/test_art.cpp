// Plain test pictures with known colours, written as the game's Data/ bitmaps.
#include "game/test_art.h"

#include <fstream>
#include <stdexcept>

#include "support/whole_file.h"

const SDL_Color kTestTileColours[8] = {
    {219, 0, 0, 0},   {0, 0, 170, 0},    {219, 219, 0, 0}, {146, 0, 170, 0},
    {0, 146, 170, 0}, {255, 146, 85, 0}, {109, 73, 0, 0},  {182, 182, 255, 0},
};
const SDL_Color kTestPaddleTrim = {146, 146, 170, 0};

namespace {

constexpr int kTileWidth = 48;
constexpr int kTileHeight = 16;
constexpr int kPaddleHeight = 240;

SDL_Surface* createPicture(int w, int h) {
    SDL_Surface* picture =
        SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 24, 0x0000FF, 0x00FF00, 0xFF0000, 0);
    if (picture == nullptr) {
        throw std::runtime_error(SDL_GetError());
    }
    return picture;
}

void fill(SDL_Surface* picture, int x, int y, int w, int h, SDL_Color colour) {
    SDL_Rect area = {static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Uint16>(w),
                     static_cast<Uint16>(h)};
    SDL_FillRect(picture, &area, SDL_MapRGB(picture->format, colour.r, colour.g, colour.b));
}

void save(SDL_Surface* picture, const std::string& path) {
    const int result = SDL_SaveBMP(picture, path.c_str());
    SDL_FreeSurface(picture);
    if (result != 0) {
        throw std::runtime_error("cannot write " + path);
    }
}

}  // namespace

void writeTestPaddle(const std::string& path, int width) {
    constexpr SDL_Color kWhite = {255, 255, 255, 0};
    const int half = width / 2;
    SDL_Surface* picture = createPicture(width, kPaddleHeight);
    // Shaded layer: white in the lit and shaded columns. Lit layer: white in the lit column,
    // trim in the trim column.
    fill(picture, kPaddleLitColumn, 0, 1, kPaddleHeight, kWhite);
    fill(picture, kPaddleShadedColumn, 0, 1, kPaddleHeight, kWhite);
    fill(picture, half + kPaddleLitColumn, 0, 1, kPaddleHeight, kWhite);
    fill(picture, half + kPaddleTrimColumn, 0, 1, kPaddleHeight, kTestPaddleTrim);
    save(picture, path);
}

void writeTestArt(const std::string& dataDir, int paddleWidth) {
    SDL_Surface* tiles = createPicture(kTileWidth, kTileHeight * 8);
    for (int i = 0; i < 8; ++i) {
        fill(tiles, 0, kTileHeight * i, kTileWidth, kTileHeight, kTestTileColours[i]);
    }
    save(tiles, dataDir + "/steine.bmp");
    save(createPicture(192, 280), dataDir + "/trichter.bmp");
    save(createPicture(352, 140), dataDir + "/korb.bmp");
    writeTestPaddle(dataDir + "/player.bmp", paddleWidth);
}

void writeGarbage(const std::string& path) {
    std::ofstream(path, std::ios::binary) << "this is not a picture, just some words\n";
}

void writeTruncatedBitmap(const std::string& path) {
    save(createPicture(48, 128), path);
    const std::string bytes = readWholeFile(path);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes.substr(0, bytes.size() / 2);
}

void writePlainPicture(const std::string& path, int w, int h) {
    SDL_Surface* picture = createPicture(w, h);
    fill(picture, 0, 0, w, h, kTestPaddleTrim);
    save(picture, path);
}
