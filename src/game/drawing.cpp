// Drawing: every render clears the screen, draws the current state from scratch and shows it.
#include "game.h"
#include "menu_set.h"
#include "stage_window.h"

namespace {

constexpr Uint32 kBlack = 0;

}  // namespace

void Game::render() {
    // A game driven without a display (as the rule tests do) has nothing to draw on.
    if (screen == nullptr) {
        return;
    }
    SDL_FillRect(screen, nullptr, kBlack);
    switch (state) {
        case GameState::Menu:
            if (menus != nullptr) {
                menus->draw();
            }
            break;
        case GameState::Playing:
        case GameState::Dropping:
            drawPaddle();
            drawTiles();
            drawFunnelsAndBasket();
            break;
        case GameState::ShowingHighscore: {
            SDL_Rect origin = {0, 0, 0, 0};
            SDL_BlitSurface(highscoreScreen, nullptr, screen, &origin);
            break;
        }
        default:
            // Starting, Quitting and the unnamed states show a black screen.
            break;
    }
    showStage(screen);
}

void Game::drawPaddle() {
    const SDL_Rect& frame = paddleFrames[paddleFrame];
    // Every frame shares one bottom edge, so the drop animation grows upwards.
    paddlePlace.x = static_cast<Sint16>(funnelPlaces[paddleLane].x - kPaddleOverhang);
    paddlePlace.y = static_cast<Sint16>(paddleBottom(funnelPlaces[0].h) - frame.h);
    paddlePlace.w = static_cast<Uint16>(paddleSprite->w);
    paddlePlace.h = frame.h;
    SDL_BlitSurface(paddleSprite, &paddleFrames[paddleFrame], screen, &paddlePlace);
}

void Game::drawTiles() {
    // One destination serves every pass; later blits cover earlier ones.
    SDL_Rect place = {0, 0, 0, 0};
    auto drawTile = [&](Uint8 colour, int y) {
        if (colour == kEmpty) {
            return;
        }
        place.y = static_cast<Sint16>(y);
        SDL_BlitSurface(tileSheet, &tileFrames[colour - 1], screen, &place);
    };

    for (int lane = 0; lane < kLaneCount; ++lane) {
        place.x = static_cast<Sint16>(funnelPlaces[lane].x + kTileInset);
        for (int cell = 0; cell < kCellsPerLane; ++cell) {
            drawTile(lanes[lane][cell], laneCellTop(cell));
        }
    }

    place.x = static_cast<Sint16>(paddlePlace.x + kCarriedTileInset);
    const int paddleEdge = paddlePlace.y + paddlePlace.h;
    for (int slot = 0; slot < kPaddleSlots; ++slot) {
        drawTile(paddleStack[slot], paddleEdge - carriedTileRise(slot));
    }

    for (int column = 0; column < kLaneCount; ++column) {
        place.x = static_cast<Sint16>(funnelPlaces[column].x + kTileInset);
        for (int cell = 0; cell < kBasketDepth; ++cell) {
            drawTile(bin[column][cell], basketPlace.y + basketCellOffset(cell));
        }
    }
}

void Game::drawFunnelsAndBasket() {
    // Drawn last, so the funnels cover tiles just leaving them and the basket frames its tiles.
    for (SDL_Rect& place : funnelPlaces) {
        SDL_BlitSurface(funnelSheet, &funnelFrames[funnelFrame], screen, &place);
    }
    SDL_BlitSurface(basketSprite, nullptr, screen, &basketPlace);
}
