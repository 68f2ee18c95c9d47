// The start-up check that the menu font draws what the game will ask of it.
#include "menu_font_check.h"

#include <SDL_ttf.h>

#include "fatal.h"
#include "game.h"
#include "menu_set.h"
#include "text.h"

namespace {

constexpr int kProbeSize = 30;     // the menu items' size
constexpr int kLetterCount = 256;  // one for each byte of a Latin-1 text

// Every character a menu text or a player's name may hold, printable ASCII and Latin-1, written
// into `characters` as one text.
constexpr int kFirstAscii = 32, kLastAscii = 126, kFirstLatin1 = 160, kLastLatin1 = 255;
constexpr int kPrintableCount = (kLastAscii - kFirstAscii + 1) + (kLastLatin1 - kFirstLatin1 + 1);
void writePrintableLatin1(char (&characters)[kPrintableCount + 1]) {
    int next = 0;
    for (int c = kFirstAscii; c <= kLastLatin1; ++c) {
        if (c <= kLastAscii || c >= kFirstLatin1) {
            characters[next++] = static_cast<char>(c);
        }
    }
    characters[next] = '\0';
}

// Whether any pixel of blended text (always 32 bits with alpha) is fully opaque.
bool showsInk(SDL_Surface* text) {
    if (SDL_LockSurface(text) != 0) {
        return false;
    }
    const Uint32 opaque = text->format->Amask;
    bool ink = false;
    const auto* row = static_cast<const Uint8*>(text->pixels);
    for (int y = 0; y < text->h && !ink; ++y, row += text->pitch) {
        const auto* pixels = reinterpret_cast<const Uint32*>(row);
        for (int x = 0; x < text->w && !ink; ++x) {
            ink = (pixels[x] & opaque) == opaque;
        }
    }
    SDL_UnlockSurface(text);
    return ink;
}

void addLetters(const char* text, bool (&letters)[kLetterCount]) {
    for (; *text != '\0'; ++text) {
        letters[static_cast<Uint8>(*text)] = true;
    }
}

// The letters of every title and text item of the menu set.
void addMenuLetters(const MenuSet& menus, bool (&letters)[kLetterCount]) {
    for (int p = 0; p < menus.pageCount; ++p) {
        const MenuPage& page = *menus.pages[p];
        for (int e = 0; e <= page.elementCount; ++e) {
            const MenuElement* element = page.elements[e];
            if (const auto* title = dynamic_cast<const MenuTitle*>(element)) {
                addLetters(title->text, letters);
            } else if (const auto* item = dynamic_cast<const MenuTextItem*>(element)) {
                addLetters(item->text, letters);
            }
        }
    }
}

// A letter the font has a glyph of its own for (not the one for missing letters), and whose
// glyph leaves ink. A font whose letters have no outlines still renders, but only blank space.
bool drawsWithInk(TTF_Font* font, Uint8 letter) {
    if (TTF_GlyphIsProvided(font, letter) == 0) {
        return false;
    }
    SDL_Surface* glyph = TTF_RenderGlyph_Blended(font, letter, titleColour);
    const bool ink = glyph != nullptr && showsInk(glyph);
    SDL_FreeSurface(glyph);
    return ink;
}

bool drawsEveryLetter(TTF_Font* font, const MenuSet& menus) {
    char characters[kPrintableCount + 1];
    writePrintableLatin1(characters);
    SDL_Surface* everything = TTF_RenderText_Blended(font, characters, titleColour);
    if (everything == nullptr) {
        return false;
    }
    SDL_FreeSurface(everything);
    bool letters[kLetterCount] = {};
    addMenuLetters(menus, letters);
    Game::forEachHighscoreViewText([&letters](const char* text) { addLetters(text, letters); });
    letters[static_cast<Uint8>(' ')] = false;  // the space has no ink in any font
    for (int letter = 1; letter < kLetterCount; ++letter) {
        if (letters[letter] && !drawsWithInk(font, static_cast<Uint8>(letter))) {
            return false;
        }
    }
    return true;
}

}  // namespace

void requireMenuFont(const MenuSet& menus) {
    TTF_Font* font = openMenuFont(kProbeSize);
    const bool usable = font != nullptr && drawsEveryLetter(font, menus);
    if (font != nullptr) {
        TTF_CloseFont(font);
    }
    if (!usable) {
        fatal(2, "Konnte Data/boulder.ttf nicht laden!\n");
    }
}
