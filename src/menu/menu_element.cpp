// Menu elements: text rendered once at construction, drawn by a blit or a fill, hit-tested.
#include "menu_element.h"

#include <cstring>

#include "menu_set.h"
#include "text.h"

namespace {

// A title placed by default sits this fraction of the screen height below the top edge.
constexpr int kTitleTopDivisor = 50;

// Without a screen there is nothing to centre on; treat it as having no extent.
int screenWidth() {
    return g_menuScreen != nullptr ? g_menuScreen->w : 0;
}
int screenHeight() {
    return g_menuScreen != nullptr ? g_menuScreen->h : 0;
}

// The start that centres `size` on `extent`; both halves drop their remainder.
Sint16 centredStart(int extent, int size) {
    return static_cast<Sint16>(extent / 2 - size / 2);
}

Sint16 orCentred(Sint16 given, int extent, int size) {
    return given == kDefaultPosition ? centredStart(extent, size) : given;
}

// Keeps the first characters of `source` and always leaves the copy terminated, so drawing
// and rendering never read past the element's buffer.
void copyElementText(char (&target)[kElementTextSize], const char* source) {
    std::memset(target, 0, sizeof target);
    if (source != nullptr) {
        std::strncpy(target, source, kElementTextMaxChars);
    }
}

// A text that could not be rendered leaves the element with no size at its position.
void takeSizeOf(const SDL_Surface* image, SDL_Rect& place) {
    place.w = image != nullptr ? static_cast<Uint16>(image->w) : 0;
    place.h = image != nullptr ? static_cast<Uint16>(image->h) : 0;
}

void blitOnto(SDL_Surface* image, SDL_Rect& place) {
    if (image != nullptr && g_menuScreen != nullptr) {
        SDL_BlitSurface(image, nullptr, g_menuScreen, &place);
    }
}

}  // namespace

MenuElement::MenuElement(ElementKind elementKind)
    : action(ElementAction::None),
      callback(nullptr),
      value(0),
      place{0, 0, 0, 0},
      on(0),
      kind(elementKind) {}

bool MenuElement::click(Uint16 x, Uint16 y) {
    // In int, so an element reaching past 65535 does not wrap around; the far column and row
    // still count as hits.
    const int left = place.x;
    const int top = place.y;
    if (x < left || y < top || x > left + place.w || y > top + place.h) {
        return false;
    }
    if (kind != ElementKind::TextItem && on == 0) {
        return false;
    }
    if (action != ElementAction::None) {
        activate();
    }
    return true;
}

void MenuElement::activate() {
    switch (action) {
        case ElementAction::Callback:
            if (callback != nullptr) {
                callback(value);
            }
            break;
        case ElementAction::OpenPage:
            if (g_menuSet != nullptr) {
                g_menuSet->openPage(value);
            }
            break;
        default:
            break;
    }
}

void MenuElement::setCallback(MenuCallback fn, Sint32 newValue) {
    action = ElementAction::Callback;
    callback = fn;
    value = newValue;
}

void MenuElement::setAction(ElementAction newAction, Sint32 newValue) {
    action = newAction;
    value = newValue;
}

MenuTitle::MenuTitle(Sint16 x, Sint16 y, const char* titleText, int size)
    : MenuElement(ElementKind::Title), text{}, image(nullptr) {
    copyElementText(text, titleText);
    image = renderText(text, size, titleColour);
    takeSizeOf(image, place);
    place.x = orCentred(x, screenWidth(), place.w);
    place.y = y == kDefaultPosition ? static_cast<Sint16>(screenHeight() / kTitleTopDivisor) : y;
    on = 1;
}

MenuTitle::~MenuTitle() {
    SDL_FreeSurface(image);
}

void MenuTitle::draw() {
    if (on != 0) {
        blitOnto(image, place);
    }
}

MenuTextItem::MenuTextItem(Sint16 x, Sint16 y, const char* itemText, int size)
    : MenuElement(ElementKind::TextItem), text{}, image(nullptr), highlightImage(nullptr) {
    copyElementText(text, itemText);
    image = renderText(text, size, itemColour);
    highlightImage = renderText(text, size, highlightColour);
    takeSizeOf(image, place);
    place.x = orCentred(x, screenWidth(), place.w);
    place.y = orCentred(y, screenHeight(), place.h);
}

MenuTextItem::~MenuTextItem() {
    SDL_FreeSurface(highlightImage);
    SDL_FreeSurface(image);
}

void MenuTextItem::draw() {
    blitOnto(on != 0 ? highlightImage : image, place);
}

MenuRect::MenuRect(Sint16 x, Sint16 y, Uint16 w, Uint16 h, Uint8 r, Uint8 g, Uint8 b)
    : MenuElement(ElementKind::Rect), colour(0) {
    place.x = orCentred(x, screenWidth(), w);
    place.y = orCentred(y, screenHeight(), h);
    place.w = w;
    place.h = h;
    if (g_menuScreen != nullptr) {
        colour = SDL_MapRGB(g_menuScreen->format, r, g, b);
    }
    on = 1;
}

void MenuRect::draw() {
    if (on != 0 && g_menuScreen != nullptr) {
        SDL_FillRect(g_menuScreen, &place, colour);
    }
}
