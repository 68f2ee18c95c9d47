// The menu set: creates and owns the pages, tracks the active one, routes clicks and commands.
#include "menu_set.h"

#include <cstdio>
#include <new>

#include "text.h"

namespace {

constexpr int kHomeIndex = 0;

}  // namespace

MenuSet::MenuSet(SDL_Surface* screen, const char* fontPath)
    : currentPage(nullptr), pages{}, pageCount(0), activeIndex(kHomeIndex) {
    g_menuSet = this;
    g_menuScreen = screen;
    setFontPath(fontPath);
    addPage();
}

MenuSet::~MenuSet() {
    for (int index = pageCount - 1; index >= 0; --index) {
        delete pages[index];
    }
    // Elements and pages of a later set must not act on this one once it is gone.
    if (g_menuSet == this) {
        g_menuSet = nullptr;
    }
}

int MenuSet::addPage() {
    if (pageCount >= kMaxPages) {
        std::fputs("Konnte Untermenü nicht erzeugen. Es sind zu viele.", stderr);
        return 0;
    }
    MenuPage* page = new (std::nothrow) MenuPage(g_menuScreen, g_fontPath);
    if (page == nullptr) {
        std::fputs("Konnte Untermenü nicht erzeugen.", stderr);
        return 0;
    }
    pages[pageCount] = page;
    currentPage = page;
    ++pageCount;
    return pageCount - 1;
}

void MenuSet::openPage(Sint32 index) {
    if (index >= 0 && index < pageCount) {
        activeIndex = index;
        currentPage = pages[index];
    }
}

void MenuSet::goHome() {
    openPage(kHomeIndex);
}

bool MenuSet::hasHomePage() const {
    return pageCount > 0;
}

void MenuSet::draw() {
    if (!hasHomePage()) {
        return;
    }
    pages[kHomeIndex]->draw();
    if (activeIndex != kHomeIndex) {
        pages[activeIndex]->draw();
    }
}

void MenuSet::click(Uint16 x, Uint16 y) {
    if (!hasHomePage()) {
        return;
    }
    // A click that misses the active page reaches the home page beneath it; when the home page
    // is the active one, a second pass would only miss again.
    if (pages[activeIndex]->click(x, y) == 0 && activeIndex != kHomeIndex) {
        pages[kHomeIndex]->click(x, y);
    }
}

void MenuSet::command(MenuCommand cmd) {
    if (!hasHomePage()) {
        return;
    }
    pages[activeIndex]->command(cmd);
    draw();
}

void MenuSet::forEachText(const ShownTextVisitor& visit) const {
    for (int index = 0; index < pageCount; ++index) {
        const MenuPage& page = *pages[index];
        for (int element = 0; element <= page.elementCount; ++element) {
            const MenuElement* shown = page.elements[element];
            if (shown == nullptr) {
                continue;  // a page without a title
            }
            const SDL_Rect& place = shown->place;
            if (shown->kind == ElementKind::Title) {
                const auto& title = static_cast<const MenuTitle&>(*shown);
                visit(title.text, title.image, place.x, place.y);
            } else if (shown->kind == ElementKind::TextItem) {
                const auto& item = static_cast<const MenuTextItem&>(*shown);
                visit(item.text, item.image, place.x, place.y);
                visit(item.text, item.highlightImage, place.x, place.y);
            }
        }
    }
}
