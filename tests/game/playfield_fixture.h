// Test fixture: a game on the dummy screen with the plain test pictures as its artwork.
#pragma once

#include "game.h"
#include "game/test_art.h"
#include "support/dummy_screen.h"
#include "support/work_dir.h"

class PlayfieldTest : public DummyScreenTest {
protected:
    void SetUp() override {
        DummyScreenTest::SetUp();
        writeTestArt(work.root() + "/Data");
        game.screen = screen;
        game.buildPaddleSprite(1);
        game.loadSheets();
        game.state = GameState::Playing;
    }

    void TearDown() override {
        game.releaseResources();
        DummyScreenTest::TearDown();
    }

    Uint32 tilePixel(int colour) const {
        const SDL_Color& c = kTestTileColours[colour - 1];
        return mapped(c.r, c.g, c.b);
    }

    // The first and last row at column x whose pixel is `value`, or -1.
    int topRowOf(int x, Uint32 value) const {
        for (int y = 0; y < screen->h; ++y) {
            if (pixel(x, y) == value) {
                return y;
            }
        }
        return -1;
    }
    int bottomRowOf(int x, Uint32 value) const {
        for (int y = screen->h - 1; y >= 0; --y) {
            if (pixel(x, y) == value) {
                return y;
            }
        }
        return -1;
    }

    bool screenIsBlack() const { return litPixels(screen, 0, 0, screen->w, screen->h) == 0; }

    WorkDir work;
    Game game;
};
