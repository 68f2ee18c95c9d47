// The menu font against the game's own texts: every letter drawn, every text in view.
#include "font_check.h"

#include <SDL_ttf.h>

#include "text.h"

namespace {

constexpr int kProbeSize = 30;  // the menu items' size
// Every letter a menu text or a player's name may hold: printable ASCII and Latin-1.
constexpr int kFirstAscii = 32, kLastAscii = 126, kFirstLatin1 = 160, kLastLatin1 = 255;

// Calls `inked` with each pixel of blended text that is not wholly transparent, and whether it is
// wholly opaque; stops when `inked` returns false. SDL_ttf renders blended text into a plain
// software surface of 32 bits with alpha, which is read without a lock.
template <typename Inked>
void forEachInkedPixel(const SDL_Surface* text, Inked inked) {
    const Uint32 alpha = text->format->Amask;
    const auto* row = static_cast<const Uint8*>(text->pixels);
    bool more = true;
    for (int y = 0; y < text->h && more; ++y, row += text->pitch) {
        const auto* pixels = reinterpret_cast<const Uint32*>(row);
        for (int x = 0; x < text->w && more; ++x) {
            if ((pixels[x] & alpha) != 0) {
                more = inked(x, y, (pixels[x] & alpha) == alpha);
            }
        }
    }
}

bool showsInk(const SDL_Surface* text) {
    bool opaque = false;
    forEachInkedPixel(text, [&opaque](int, int, bool whole) { return !(opaque = whole); });
    return opaque;
}

// Whether `text`, drawn at (left, top), shows ink on the screen and loses none beside it.
bool wholeInView(const SDL_Surface* text, int left, int top) {
    if (text == nullptr || g_menuScreen == nullptr) {
        return false;
    }
    bool outside = false;
    forEachInkedPixel(text, [&](int x, int y, bool) {
        outside = left + x < 0 || left + x >= g_menuScreen->w || top + y < 0 ||
                  top + y >= g_menuScreen->h;
        return !outside;
    });
    return !outside && showsInk(text);
}

bool isPrintable(int letter) {
    return (letter >= kFirstAscii && letter <= kLastAscii) ||
           (letter >= kFirstLatin1 && letter <= kLastLatin1);
}

// Whether the font renders every printable letter, a row of the Latin-1 table at a time (some
// letters, such as the soft hyphen, have no width and render only beside others).
bool rendersEveryPrintable(TTF_Font* font) {
    constexpr int kRowLength = 16;
    bool rendersAll = true;
    for (int first = kFirstAscii; first <= kLastLatin1 && rendersAll; first += kRowLength) {
        char row[kRowLength + 1] = {};
        int length = 0;
        for (int letter = first; letter < first + kRowLength; ++letter) {
            if (isPrintable(letter)) {
                row[length++] = static_cast<char>(letter);
            }
        }
        if (length > 0) {
            SDL_Surface* rendered = renderBounded(font, row, titleColour);
            rendersAll = rendered != nullptr;
            SDL_FreeSurface(rendered);
        }
    }
    return rendersAll;
}

// A letter of the game's texts needs a glyph of its own (not the one for missing letters) that
// leaves ink: a font whose letters have no outlines still renders, but only blank space.
bool drawsWithInk(TTF_Font* font, int letter) {
    if (TTF_GlyphIsProvided(font, static_cast<Uint16>(letter)) == 0) {
        return false;
    }
    const char text[2] = {static_cast<char>(letter), '\0'};
    SDL_Surface* drawn = renderBounded(font, text, titleColour);
    const bool ink = drawn != nullptr && showsInk(drawn);
    SDL_FreeSurface(drawn);
    return ink;
}

}  // namespace

void MenuFontCheck::addShownText(const char* text, const SDL_Surface* image, int x, int y) {
    for (const char* next = text; *next != '\0'; ++next) {
        letters_[static_cast<Uint8>(*next)] = true;
    }
    textsInView_ = textsInView_ && wholeInView(image, x, y);
}

bool MenuFontCheck::passes() const {
    if (!textsInView_) {
        return false;
    }
    TTF_Font* font = openMenuFont(kProbeSize);
    if (font == nullptr) {
        return false;
    }
    bool drawsAll = rendersEveryPrintable(font);
    // The space has no ink in any font.
    for (int letter = kFirstAscii + 1; letter < kLetterCount && drawsAll; ++letter) {
        drawsAll = !letters_[letter] || drawsWithInk(font, letter);
    }
    TTF_CloseFont(font);
    return drawsAll;
}
