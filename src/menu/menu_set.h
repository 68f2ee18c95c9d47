// The set of menu pages: the home page, always drawn, and one active page drawn over it.
#pragma once

#include <SDL.h>

#include "menu_page.h"
#include "text.h"

constexpr int kMaxPages = 11;  // the home page included

class MenuSet {
public:
    // Becomes g_menuSet, sets the menu globals and creates the home page.
    MenuSet(SDL_Surface* screen, const char* fontPath);
    // Destroys the pages, last created first, and clears g_menuSet if it names this set.
    ~MenuSet();
    MenuSet(const MenuSet&) = delete;
    MenuSet& operator=(const MenuSet&) = delete;

    // Creates the next page and makes it currentPage; its index, or 0 after writing why.
    int addPage();
    // Makes page `index` active and current; an index that names no page changes nothing.
    void openPage(Sint32 index);
    void goHome();

    // The home page, then the active page over it. Without a home page, draw, click and command
    // do nothing.
    void draw();
    // The active page first; if it hits nothing, the home page. Pages that are hit draw
    // themselves; the set draws nothing here.
    void click(Uint16 x, Uint16 y);
    // The active page takes the command, then the whole set is drawn.
    void command(MenuCommand cmd);

    // Calls `visit` with the text of every title and text item of every page, once for each of
    // its renderings, at the place the element holds (where it is drawn, until a draw clips it).
    void forEachText(const ShownTextVisitor& visit) const;

    MenuPage* currentPage;       // the page created or opened last; one of pages
    MenuPage* pages[kMaxPages];  // owned; 0 is the home page, 0..pageCount-1 in use
    Sint32 pageCount;
    Sint32 activeIndex;  // 0: the home page alone

private:
    bool hasHomePage() const;  // false only when even the first page could not be created
};
