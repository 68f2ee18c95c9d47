// The menu font against the game's own texts: every letter drawn, every text in view.
#pragma once

#include <SDL.h>

// Gathers the texts the game shows and tells whether the menu font serves them. A font cut down
// to a few letters would leave the menus blank, or show "Gr n" for "Gr\xFCn"; one whose lines
// stand far below their tops would draw the texts off the screen.
class MenuFontCheck {
public:
    // A text the game shows (a ShownTextVisitor, see text.h): `image` as rendered for it, null
    // when it could not be, with its top-left corner at (x, y) on g_menuScreen.
    void addShownText(const char* text, const SDL_Surface* image, int x, int y);

    // True when every text added leaves ink on g_menuScreen and none beside it, and the menu font
    // (text.h) renders every printable Latin-1 letter a player's name may hold and draws each
    // letter of the texts added from a glyph of its own, with ink.
    bool passes() const;

private:
    static constexpr int kLetterCount = 256;  // one for each byte of a Latin-1 text

    bool letters_[kLetterCount] = {};
    bool textsInView_ = true;
};
