// One menu screen: a background, a title and up to 20 elements with one selected text item.
#pragma once

#include <SDL.h>

#include "menu_element.h"

// Keyboard commands to the menus; any value above 3 only redraws.
enum class MenuCommand : Uint8 {
    Home = 0,
    Activate = 1,
    Previous = 2,
    Next = 3,
    None = 255,
};

constexpr int kMaxElements = 20;  // beside the background and the title

class MenuPage {
public:
    // Points the menu globals at `screen` and `fontPath`; the page starts empty.
    MenuPage(SDL_Surface* screen, const char* fontPath);
    // Destroys the background, the title and the elements, last added first.
    virtual ~MenuPage();
    MenuPage(const MenuPage&) = delete;
    MenuPage& operator=(const MenuPage&) = delete;

    // Each returns 0 when the new element became the title (or background), otherwise its
    // element index, or -1 after writing why to standard error. The first title and the first
    // rectangle always find room; a full page creates no text item at all.
    int addTitle(const char* text, int size, Sint16 x, Sint16 y);
    int addTextItem(const char* text, Sint16 x, Sint16 y, int size);
    int addRect(Sint16 x, Sint16 y, Uint16 w, Uint16 h, Uint8 r, Uint8 g, Uint8 b);

    // Indices outside 1 to elementCount are ignored.
    void setCallback(int index, MenuCallback fn, Sint32 value);
    void setAction(int index, ElementAction action, Sint32 value);
    void select(Sint8 index);

    void draw();
    // Index of the element hit (its action has run), or 0 when nothing was hit.
    Uint8 click(Uint16 x, Uint16 y);
    // The newly selected index when Previous or Next moved the selection, else 0.
    Uint8 command(MenuCommand cmd);

    MenuElement* background;                  // owned; never clicked, never selected
    MenuElement* elements[kMaxElements + 1];  // owned; 0 is the title, 1..elementCount the rest
    Sint32 elementCount;
    Sint32 selected;  // 0 when nothing is selected; the only text item that may be lit

private:
    // What moves the highlight: select or a keyboard command (Select), or a click.
    enum class HighlightMove { Select, Click };

    // What a title or a rectangle reports when it cannot be made or finds no room.
    struct Refusals;

    // Stores `element` after the others and returns its index; the caller checked the room.
    int append(MenuElement* element);
    // A new title or rectangle (`made`, null when it could not be made) fills the page's own
    // `slot` for its kind, the title or the background, while that is empty, returning 0, and
    // is appended after that.
    int fillSlotOrAppend(MenuElement* made, MenuElement*& slot, const Refusals& refusals);
    bool holdsElement(int index) const;  // 1 to elementCount
    // The first text item from `start` on, walking by `step`; 0 when there is none.
    int textItemFrom(int start, int step) const;
    // Makes element `index` (1 to elementCount) the selected one and lights it; the element
    // selected so far goes dark, unless a click leaves a rectangle or title there shown.
    void moveHighlight(int index, HighlightMove by);
};
