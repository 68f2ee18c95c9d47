// The paddle sprite: the colourless paddle bitmap painted in one of the seven player colours.
#include "fatal.h"
#include "game.h"
#include "player_colours.h"
#include "surfaces.h"

namespace {

constexpr const char* kPaddleBitmapMessage = "Konnte Data/Player.bmp nicht laden.\n";

constexpr Uint32 kTransparent = 0;  // black, the colour key of both canvases

// A surface in the display's format, black throughout, with black as its colour key; null
// when there is no memory for it. The key and the black are set on the converted surface: a
// conversion carries them over by the colour that pixel value 0 has in the new surface's
// palette, and that palette starts all black on classic SDL 1.2 but all white on sdl12-compat,
// where the canvas would come out white with white as its key.
SDL_Surface* createKeyedCanvas(int w, int h) {
    SDL_Surface* blank = SDL_CreateRGBSurface(SDL_SRCCOLORKEY, w, h, 8, 0, 0, 0, 0);
    if (blank == nullptr) {
        return nullptr;
    }
    SDL_Surface* canvas = SDL_DisplayFormat(blank);
    SDL_FreeSurface(blank);
    if (canvas != nullptr) {
        SDL_SetColorKey(canvas, SDL_SRCCOLORKEY, kTransparent);
        SDL_FillRect(canvas, nullptr, kTransparent);
    }
    return canvas;
}

// Paints the two layers of the paddle picture in `full` and half of it and lays the lit layer
// over the shaded one. Returns the new sprite, half as wide as the picture, or null when there is
// no memory for it.
SDL_Surface* paintPaddle(SDL_Surface* picture, const PlayerColour& full) {
    const int half = picture->w / 2;
    const int height = picture->h;
    SDL_Surface* canvas = createKeyedCanvas(picture->w, height);
    if (canvas == nullptr) {
        return nullptr;
    }
    // The picture's white areas are see-through, so the colour filled in behind them shows.
    const Uint32 shadedPixel = SDL_MapRGB(canvas->format, full.r >> 1, full.g >> 1, full.b >> 1);
    const Uint32 litPixel = SDL_MapRGB(canvas->format, full.r, full.g, full.b);
    SDL_Rect shadedLayer = makeRect(0, 0, half, height);
    SDL_Rect litLayer = makeRect(half, 0, half, height);
    SDL_FillRect(canvas, &shadedLayer, shadedPixel);
    SDL_FillRect(canvas, &litLayer, litPixel);
    SDL_BlitSurface(picture, nullptr, canvas, nullptr);

    SDL_Surface* sprite = createKeyedCanvas(half, height);
    if (sprite != nullptr) {
        // The canvas's black is its colour key, so the shaded side shows wherever the lit
        // layer is empty.
        SDL_Rect origin = makeRect(0, 0, 0, 0);
        SDL_BlitSurface(canvas, &shadedLayer, sprite, &origin);
        origin = makeRect(0, 0, 0, 0);
        SDL_BlitSurface(canvas, &litLayer, sprite, &origin);
    }
    SDL_FreeSurface(canvas);
    return sprite;
}

}  // namespace

void Game::buildPaddleSprite(Uint8 colour) {
    freeSurface(paddleSprite);
    SDL_Surface* picture = loadDisplayBitmap("Data/player.bmp", Transparent::White);
    if (picture == nullptr) {
        fatal(1, kPaddleBitmapMessage);
    }
    paddleSprite = paintPaddle(picture, playerColour(colour));
    SDL_FreeSurface(picture);
    if (paddleSprite == nullptr) {
        fatal(1, kPaddleBitmapMessage);
    }

    // A new paddle starts afresh: empty, idle, under the middle lane.
    for (Uint8& slot : paddleStack) {
        slot = kEmpty;
    }
    paddleLane = kMiddleLane;
    paddleFrame = 0;
    dropExtending = 0;

    for (int i = 0; i < kPaddleFrameCount; ++i) {
        paddleFrames[i] = makeRect(0, paddleFrameTop(i), paddleSprite->w, paddleFrameHeight(i));
    }
}
