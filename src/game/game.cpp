// The Game's construction and the globals the game shares with the shell and the menu callbacks.
#include "game.h"

#include <cstring>

Game* g_game = nullptr;
Uint32 g_tickCounter = 0;

Game::Game()
    : state(GameState::Menu),
      menus(nullptr),
      screen(nullptr),
      tileSheet(nullptr),
      tileFrames(),
      funnelSheet(nullptr),
      funnelFrames(),
      funnelPlaces(),
      basketSprite(nullptr),
      basketPlace(),
      highscoreScreen(nullptr),
      paddleStack(),
      paddleLane(kMiddleLane),
      paddleSprite(nullptr),
      paddleFrames(),
      paddlePlace(),
      paddleFrame(0),
      dropExtending(0),
      funnelFrame(0),
      lanes(),
      bin() {
    g_game = this;
}

Game::~Game() {
    // Menu callbacks that outlive this game must not reach it through the global.
    if (g_game == this) {
        g_game = nullptr;
    }
}
