// The three ways the menus act on the game. None of them draws: the key or click handler that
// activated the menu element renders afterwards.
#include "menu_callbacks.h"

#include "game.h"
#include "menu_set.h"
#include "player_colours.h"

void onColourChosen(Sint32 colour) {
    // Only "Einstellungen" opens the colour page, and opening makes it the current page.
    g_game->menus->currentPage->select(static_cast<Sint8>(colourNameElement(colour)));
    g_game->buildPaddleSprite(static_cast<Uint8>(colour));
    g_game->menus->goHome();
}

void onSetState(Sint32 state) {
    g_game->state = static_cast<GameState>(state);
    g_game->menus->goHome();
}

void onShowHighscore(Sint32 table) {
    g_game->buildHighscoreScreen(table);
    g_game->state = GameState::ShowingHighscore;
}
