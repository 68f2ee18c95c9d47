// The start-up check that the menu font draws what the game will ask of it.
#pragma once

class MenuSet;

// True when the menu font serves the game's own texts (see MenuFontCheck): those of `menus` and
// of the highscore view (Game::forEachHighscoreViewText), each where the game draws it.
bool menuFontServes(const MenuSet& menus);

// Ends the game with "Konnte Data/boulder.ttf nicht laden!" and code 2 unless menuFontServes.
void requireMenuFont(const MenuSet& menus);
