// The timed heart of the game: the state machine's tick and the playfield rules it runs.
#include <cstdlib>

#include "game.h"

namespace {

constexpr Uint8 kReleaseFrame = kPaddleFrameCount - 1;  // the drop frame that lets the tile go
constexpr int kTopBasketCell = kBasketDepth - 1;

bool isSpawnTick() {
    return g_tickCounter % kSpawnPeriod == 0;
}

// One frame of the drop: the paddle reaches out a frame a tick, lets its bottom tile go on the
// release frame, then draws back; at rest again, the game plays on.
void stepDropAnimation(Game& game) {
    if (game.paddleFrame == 0) {
        game.dropExtending = 1;
    }
    game.paddleFrame = game.dropExtending != 0 ? game.paddleFrame + 1 : game.paddleFrame - 1;
    if (game.paddleFrame == kReleaseFrame) {
        game.dropFromPaddle();
        game.dropExtending = 0;
    } else if (game.paddleFrame == 0) {
        game.onBoardEvent();
        game.state = GameState::Playing;
    }
}

}  // namespace

bool Game::tick() {
    switch (state) {
        case GameState::Starting:
            state = GameState::Playing;
            render();
            return true;
        case GameState::Playing:
            advanceLanes();
            if (isSpawnTick()) {
                // Two calls, colour first and lane second, so a seeded game always replays alike.
                const Uint8 colour = static_cast<Uint8>(std::rand() % kTileColours + 1);
                const int lane = std::rand() % kLaneCount;
                lanes[lane][0] = colour;
            }
            ++g_tickCounter;
            render();
            return true;
        case GameState::Dropping:
            stepDropAnimation(*this);
            advanceLanes();
            render();
            return true;
        case GameState::Quitting:
            return false;
        case GameState::Menu:
        case GameState::ShowingHighscore:
            // Input redraws these states; the tick has nothing to do (see tickDoesNothing).
            return true;
    }
    // The unnamed states 4 and 5 only redraw.
    render();
    return true;
}

bool Game::tickDoesNothing() const {
    return state == GameState::Menu || state == GameState::ShowingHighscore;
}

void Game::advanceLanes() {
    // Only the right-most lane with a tile at its end is looked at this tick; a second tile
    // arriving in another lane at the same moment simply falls away in the shift below.
    for (int lane = kLaneCount - 1; lane >= 0; --lane) {
        const Uint8 arriving = lanes[lane][kLastCell];
        if (arriving == kEmpty) {
            continue;
        }
        if (lane != paddleLane || paddleStack[kPaddleSlots - 1] != kEmpty) {
            onBoardEvent();
        } else {
            int slot = 0;
            while (paddleStack[slot] != kEmpty) {
                ++slot;
            }
            paddleStack[slot] = arriving;
        }
        break;
    }

    for (Uint8* cells : lanes) {
        for (int cell = kLastCell; cell > 0; --cell) {
            cells[cell] = cells[cell - 1];
        }
        cells[0] = kEmpty;
    }
}

void Game::dropFromPaddle() {
    Uint8* column = bin[paddleLane];
    if (column[kTopBasketCell] != kEmpty) {
        // A full column swallows the tile.
        onBoardEvent();
    } else {
        int cell = kTopBasketCell;
        while (cell > 0 && column[cell - 1] == kEmpty) {
            --cell;
        }
        // An empty paddle writes an empty cell over an empty cell: nothing changes.
        column[cell] = paddleStack[0];
    }

    for (int slot = 0; slot < kPaddleSlots - 1; ++slot) {
        paddleStack[slot] = paddleStack[slot + 1];
    }
    paddleStack[kPaddleSlots - 1] = kEmpty;
}

void Game::onBoardEvent() {
    // The board tells us when a tile is lost or a drop ends; nothing scores yet.
}
