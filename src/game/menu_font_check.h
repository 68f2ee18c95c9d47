// The start-up check that the menu font draws what the game will ask of it.
#pragma once

class MenuSet;

// Ends the game with "Konnte Data/boulder.ttf nicht laden!" and code 2 unless the menu font
// serves the game's own texts (see MenuFontCheck): those of `menus` and of the highscore view
// (Game::forEachHighscoreViewText), each where the game draws it.
void requireMenuFont(const MenuSet& menus);
