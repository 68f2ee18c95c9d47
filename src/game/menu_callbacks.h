// The three ways the menus act on the game; stored in menu elements, they reach it via g_game.
#pragma once

#include <SDL.h>

// Recolours the paddle, highlights the colour's name on the colour page and goes home.
void onColourChosen(Sint32 colour);
// Sets the game's state (Starting or Quitting) and goes home.
void onSetState(Sint32 state);
// Builds highscore view `table` and shows it; the highscore page stays active behind it.
void onShowHighscore(Sint32 table);
