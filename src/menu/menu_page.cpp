// One menu page: adding elements, drawing them in order, routing clicks and keyboard commands.
#include "menu_page.h"

#include <cstdio>
#include <new>

#include "menu_set.h"
#include "text.h"

namespace {

constexpr int kTitleIndex = 0;  // elements[0] holds the title, the others start at 1
// What addTitle and addRect return for an element that became the title or the background.
constexpr int kOwnSlot = 0;

void report(const char* message) {
    std::fputs(message, stderr);
}

}  // namespace

struct MenuPage::Refusals {
    const char* notMade;
    const char* noRoom;
};

MenuPage::MenuPage(SDL_Surface* screen, const char* fontPath)
    : background(nullptr), elements{}, elementCount(0), selected(0) {
    g_menuScreen = screen;
    setFontPath(fontPath);
}

MenuPage::~MenuPage() {
    delete background;
    delete elements[kTitleIndex];
    for (int index = elementCount; index >= 1; --index) {
        delete elements[index];
    }
}

int MenuPage::append(MenuElement* element) {
    ++elementCount;
    elements[elementCount] = element;
    return elementCount;
}

int MenuPage::addTitle(const char* text, int size, Sint16 x, Sint16 y) {
    static constexpr Refusals kTitleRefusals = {
        "Konnte Titel nicht Erzeugen!", "Konnte Titel nicht hinzufügen, kein Platz mehr!\n"};
    return fillSlotOrAppend(new (std::nothrow) MenuTitle(x, y, text, size), elements[kTitleIndex],
                            kTitleRefusals);
}

int MenuPage::addTextItem(const char* text, Sint16 x, Sint16 y, int size) {
    if (elementCount >= kMaxElements) {
        report("Konnte Text nicht hinzufügen, keine Platz mehr!\n");
        return -1;
    }
    MenuElement* item = new (std::nothrow) MenuTextItem(x, y, text, size);
    if (item == nullptr) {
        report("Konnte Text nicht Erzeugen!");
        return -1;
    }
    return append(item);
}

int MenuPage::addRect(Sint16 x, Sint16 y, Uint16 w, Uint16 h, Uint8 r, Uint8 g, Uint8 b) {
    static constexpr Refusals kRectRefusals = {"Konnte Rect nicht Erzeugen!",
                                               "Konnte Rect nicht hinzufügen, kein Platz mehr!\n"};
    return fillSlotOrAppend(new (std::nothrow) MenuRect(x, y, w, h, r, g, b), background,
                            kRectRefusals);
}

int MenuPage::fillSlotOrAppend(MenuElement* made, MenuElement*& slot, const Refusals& refusals) {
    if (made == nullptr) {
        report(refusals.notMade);
        return -1;
    }
    if (slot == nullptr) {
        slot = made;
        return kOwnSlot;
    }
    if (elementCount >= kMaxElements) {
        report(refusals.noRoom);
        delete made;
        return -1;
    }
    return append(made);
}

bool MenuPage::holdsElement(int index) const {
    return index >= 1 && index <= elementCount;
}

void MenuPage::setCallback(int index, MenuCallback fn, Sint32 value) {
    if (holdsElement(index)) {
        elements[index]->setCallback(fn, value);
    }
}

void MenuPage::setAction(int index, ElementAction action, Sint32 value) {
    if (holdsElement(index)) {
        elements[index]->setAction(action, value);
    }
}

void MenuPage::select(Sint8 index) {
    if (holdsElement(index)) {
        moveHighlight(index, HighlightMove::Select);
    }
}

void MenuPage::moveHighlight(int index, HighlightMove by) {
    // Only the element at `selected` can be lit among the text items, so it is the one to put
    // out. A click leaves a selected rectangle or title alone: for them `on` means shown.
    if (selected != 0 &&
        (by == HighlightMove::Select || elements[selected]->kind == ElementKind::TextItem)) {
        elements[selected]->on = 0;
    }
    selected = index;
    elements[selected]->on = 1;
}

void MenuPage::draw() {
    if (background != nullptr) {
        background->draw();
    }
    if (elements[kTitleIndex] != nullptr) {
        elements[kTitleIndex]->draw();
    }
    for (int index = 1; index <= elementCount; ++index) {
        elements[index]->draw();
    }
}

Uint8 MenuPage::click(Uint16 x, Uint16 y) {
    int hit = 0;
    for (int index = 1; index <= elementCount && hit == 0; ++index) {
        if (elements[index]->click(x, y)) {
            hit = index;
        }
    }
    if (hit == 0) {
        return 0;
    }
    if (elements[hit]->kind == ElementKind::TextItem) {
        moveHighlight(hit, HighlightMove::Click);
    }
    draw();
    return static_cast<Uint8>(hit);
}

Uint8 MenuPage::command(MenuCommand cmd) {
    int moved = 0;
    switch (cmd) {
        case MenuCommand::Home:
            if (g_menuSet != nullptr) {
                g_menuSet->goHome();
            }
            break;
        case MenuCommand::Activate:
            if (selected != 0) {
                elements[selected]->activate();
            }
            break;
        // The walk stops at the page's ends, and from nothing selected Next finds the first item.
        case MenuCommand::Previous:
            moved = textItemFrom(selected - 1, -1);
            break;
        case MenuCommand::Next:
            moved = textItemFrom(selected + 1, +1);
            break;
        default:
            break;
    }
    if (moved == 0) {
        draw();
        return 0;
    }
    // The set redraws after every command, so a moved highlight shows without drawing here.
    moveHighlight(moved, HighlightMove::Select);
    return static_cast<Uint8>(selected);
}

int MenuPage::textItemFrom(int start, int step) const {
    for (int index = start; holdsElement(index); index += step) {
        if (elements[index]->kind == ElementKind::TextItem) {
            return index;
        }
    }
    return 0;
}
