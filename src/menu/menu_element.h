// Menu elements: titles, selectable text items and filled rectangles, each with one action.
#pragma once

#include <SDL.h>

enum class ElementKind : Uint8 {
    TextItem = 1,
    Title = 2,
    Rect = 4,
};

// What activating an element does; any other code behaves like None.
enum class ElementAction : Uint8 {
    None = 0,
    Callback = 2,
    OpenPage = 3,
};

using MenuCallback = void (*)(Sint32 value);

constexpr int kElementTextSize = 32;
constexpr int kElementTextMaxChars = 30;  // longer texts are cut and still terminated

// Passed as x or y to ask an element to place itself by default.
constexpr Sint16 kDefaultPosition = -1;

class MenuElement {
public:
    virtual ~MenuElement() = default;
    MenuElement(const MenuElement&) = delete;
    MenuElement& operator=(const MenuElement&) = delete;

    // Draws the element onto g_menuScreen.
    virtual void draw() = 0;

    // True when (x, y) falls on the element, one pixel wider and taller than it is drawn;
    // a hit has already run the element's action.
    bool click(Uint16 x, Uint16 y);
    // Runs the action: calls the callback (if one was set) or opens a page of g_menuSet. Draws
    // nothing; the page or set it was reached through draws afterwards.
    void activate();
    void setCallback(MenuCallback fn, Sint32 newValue);
    // Replaces action and value; keeps any callback set before.
    void setAction(ElementAction newAction, Sint32 newValue);

    ElementAction action;
    MenuCallback callback;  // null until setCallback
    Sint32 value;           // callback argument, or page index for OpenPage
    SDL_Rect place;
    Uint8 on;  // text item: highlighted; title and rectangle: shown and clickable
    ElementKind kind;

protected:
    explicit MenuElement(ElementKind elementKind);
};

class MenuTitle : public MenuElement {
public:
    // x or y of kDefaultPosition centres the title horizontally or puts it near the top.
    MenuTitle(Sint16 x, Sint16 y, const char* titleText, int size);
    ~MenuTitle() override;
    void draw() override;

    char text[kElementTextSize];
    SDL_Surface* image;  // owned; null when the text could not be rendered
};

class MenuTextItem : public MenuElement {
public:
    // x or y of kDefaultPosition centres the item on that axis.
    MenuTextItem(Sint16 x, Sint16 y, const char* itemText, int size);
    ~MenuTextItem() override;
    void draw() override;

    char text[kElementTextSize];
    SDL_Surface* image;           // owned; drawn while not highlighted
    SDL_Surface* highlightImage;  // owned; drawn while highlighted
};

class MenuRect : public MenuElement {
public:
    // x or y of kDefaultPosition centres the rectangle on that axis.
    MenuRect(Sint16 x, Sint16 y, Uint16 w, Uint16 h, Uint8 r, Uint8 g, Uint8 b);
    void draw() override;

    Uint32 colour;  // fill colour in g_menuScreen's pixel format
};
