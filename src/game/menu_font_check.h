// The start-up check that the menu font draws what the game will ask of it.
#pragma once

class MenuSet;

// Ends the game with "Konnte Data/boulder.ttf nicht laden!" and code 2 unless the menu font
// (see text.h) opens, renders every printable Latin-1 letter a player's name may hold, and draws
// each letter of the game's own texts (the texts of `menus` and Game::highscoreViewTexts) from
// a glyph of its own and with ink. A font cut down to a few letters would otherwise leave the
// menus blank, or show "Gr n" for "Gr\xFCn".
void requireMenuFont(const MenuSet& menus);
