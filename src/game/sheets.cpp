// The playfield's sheets: loading the tile, funnel and basket bitmaps, and releasing everything.
#include "fatal.h"
#include "game.h"
#include "menu_set.h"
#include "surfaces.h"

namespace {

// A playfield sheet we cannot do without: its message and exit code 2 when it will not load.
SDL_Surface* loadSheet(const char* path, const char* failureMessage) {
    SDL_Surface* sheet = loadDisplayBitmap(path, Transparent::Black);
    if (sheet == nullptr) {
        fatal(2, failureMessage);
    }
    return sheet;
}

}  // namespace

void Game::loadSheets() {
    // Each sheet's rectangles are set before the next file is opened.
    tileSheet = loadSheet("Data/steine.bmp", "Konnte Data/steine.bmp nicht laden!\n");
    const int tileHeight = tileSheet->h / kTileColours;
    for (int i = 0; i < kTileColours; ++i) {
        tileFrames[i] = makeRect(0, kTileFramePitch * i, tileSheet->w, tileHeight);
    }

    funnelSheet = loadSheet("Data/trichter.bmp", "Konnte Data/trichter.bmp nicht laden!\n");
    const int funnelWidth = funnelSheet->w / kFunnelFrameCount;
    const int funnelHeight = funnelSheet->h;
    for (int i = 0; i < kFunnelFrameCount; ++i) {
        funnelFrames[i] = makeRect(i * funnelWidth, 0, funnelWidth, funnelHeight);
    }
    for (int lane = 0; lane < kLaneCount; ++lane) {
        funnelPlaces[lane] =
            makeRect(funnelLeft(lane, funnelWidth), kFunnelsTop, funnelWidth, funnelHeight);
    }

    basketSprite = loadSheet("Data/korb.bmp", "Konnte Data/korb.bmp nicht laden!\n");
    basketPlace = makeRect(kBasketLeft, basketTop(funnelHeight), basketSprite->w, basketSprite->h);
}

void Game::releaseResources() {
    freeSurface(highscoreScreen);
    delete menus;
    menus = nullptr;
    freeSurface(paddleSprite);
    freeSurface(funnelSheet);
    freeSurface(basketSprite);
    freeSurface(tileSheet);
}
