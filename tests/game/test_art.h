// Plain test pictures with known colours, written as the game's Data/ bitmaps, so drawing and
// colouring can be checked pixel by pixel whatever the real artwork looks like.
#pragma once

#include <SDL.h>

#include <string>

// Tile colour c is drawn in kTestTileColours[c - 1], each an exact screen colour.
extern const SDL_Color kTestTileColours[8];
// What the paddle bitmap paints outside the player's colour (copied unchanged).
extern const SDL_Color kTestPaddleTrim;

// Columns of each layer of the test paddle bitmap, and what each becomes in the sprite.
constexpr int kPaddleLitColumn = 10;     // white in both layers: the full colour
constexpr int kPaddleShadedColumn = 40;  // white in the shaded layer only: the half colour
constexpr int kPaddleTrimColumn = 70;    // trim in the lit layer: copied
constexpr int kPaddleEmptyColumn = 90;   // black in both layers: transparent

// Writes steine.bmp, trichter.bmp (all transparent), korb.bmp (all transparent) and player.bmp
// into `dataDir`. The paddle bitmap is `paddleWidth` wide, every frame filled the same way.
void writeTestArt(const std::string& dataDir, int paddleWidth = 192);
void writeTestPaddle(const std::string& path, int width);

// A file that is not a picture at all, and a real BMP cut short.
void writeGarbage(const std::string& path);
void writeTruncatedBitmap(const std::string& path);

// A picture of the given size in one colour, written as a BMP.
void writePlainPicture(const std::string& path, int w, int h);
