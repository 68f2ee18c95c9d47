// The start-up check that the menu font draws what the game will ask of it.
#include "menu_font_check.h"

#include "fatal.h"
#include "font_check.h"
#include "game.h"
#include "menu_set.h"

bool menuFontServes(const MenuSet& menus) {
    MenuFontCheck check;
    const ShownTextVisitor add = [&check](const char* text, const SDL_Surface* image, int x,
                                          int y) { check.addShownText(text, image, x, y); };
    menus.forEachText(add);
    Game::forEachHighscoreViewText(add);
    return check.passes();
}

void requireMenuFont(const MenuSet& menus) {
    if (!menuFontServes(menus)) {
        fatal(2, "Konnte Data/boulder.ttf nicht laden!\n");
    }
}
