// Menu text rendering: the menu font's file read once and kept, a font opened from it for each
// text, and the text rendered once into a new surface.
#include "text.h"

#include <cstring>

#include "file_stream.h"
#include "font_file.h"

SDL_Surface* g_menuScreen = nullptr;
char g_fontPath[kFontPathSize] = {};
MenuSet* g_menuSet = nullptr;

namespace {

// The menu font's file as read when a font was first opened from g_fontPath, and that path:
// every later font is opened from these bytes.
FileBytes g_keptFont;
char g_keptFontPath[kFontPathSize] = {};

// What one text may cost (see renderBounded): SDL 1.2 keeps a surface's row length in 16 bits,
// and the largest text the game shows, a 49-letter name, needs some 60000 pixels. The menus keep
// some forty texts, so no font makes them cost more than some forty megabytes.
constexpr int kMaxTextSide = 4096;
constexpr long kMaxTextPixels = 1L << 18;

constexpr int kFirstPrintable = 32;         // below: control bytes
constexpr int kDelete = 127;                // Latin-1's control block starts here...
constexpr int kFirstLatin1Printable = 160;  // ...and ends just below this

// The menu texts are plain ASCII at the start: a first byte read as signed and below the
// space rejects control bytes and everything from 128 up alike.
bool startsPrintableAscii(const char* text) {
    return static_cast<Sint8>(text[0]) >= kFirstPrintable;
}

bool startsPrintableLatin1(const char* text) {
    const int first = static_cast<Uint8>(text[0]);
    return (first >= kFirstPrintable && first < kDelete) || first >= kFirstLatin1Printable;
}

bool fitsTextSide(long w, long h) {
    return w >= 0 && w <= kMaxTextSide && h >= 0 && h <= kMaxTextSide;
}

// SDL_ttf measures a text and its glyphs from their outlines without drawing them; drawing
// costs the text's surface and a picture of each of its letters.
bool withinTextBudget(TTF_Font* font, const char* text) {
    int w = 0;
    int h = 0;
    if (TTF_SizeText(font, text, &w, &h) != 0 || !fitsTextSide(w, h)) {
        return false;
    }
    long pixels = long{w} * h;
    bool measured[256] = {};
    for (const char* next = text; *next != '\0' && pixels <= kMaxTextPixels; ++next) {
        const auto letter = static_cast<Uint8>(*next);
        if (measured[letter]) {
            continue;  // drawn once, kept for the rest of the text
        }
        measured[letter] = true;
        int minX = 0;
        int maxX = 0;
        int minY = 0;
        int maxY = 0;
        if (TTF_GlyphMetrics(font, letter, &minX, &maxX, &minY, &maxY, nullptr) != 0) {
            return false;
        }
        const long glyphW = long{maxX} - minX;
        const long glyphH = long{maxY} - minY;
        if (!fitsTextSide(glyphW, glyphH)) {
            return false;
        }
        pixels += glyphW * glyphH;
    }
    return pixels <= kMaxTextPixels;
}

// Opens the menu font just for this text, so no font handle outlives the call.
SDL_Surface* renderWithMenuFont(const char* text, int size, SDL_Color colour) {
    bool initialisedHere = false;
    if (TTF_WasInit() == 0) {
        initialisedHere = TTF_Init() == 0;
        if (!initialisedHere) {
            return nullptr;  // without SDL_ttf there is nothing to render with
        }
    }
    SDL_Surface* surface = nullptr;
    TTF_Font* font = openMenuFont(size);
    if (font != nullptr) {
        surface = renderBounded(font, text, colour);
        TTF_CloseFont(font);
    }
    if (initialisedHere) {
        TTF_Quit();
    }
    return surface;
}

}  // namespace

TTF_Font* openMenuFont(int size) {
    if (g_keptFont.bytes == nullptr || std::strcmp(g_keptFontPath, g_fontPath) != 0) {
        g_keptFont = readCheckedFile(g_fontPath, kMaxFontBytes, isCompleteFont);
        std::memcpy(g_keptFontPath, g_fontPath, sizeof g_keptFontPath);
    }
    SDL_RWops* stream = streamOver(g_keptFont);
    if (stream == nullptr) {
        SDL_SetError("%s is no font the menus can use", g_fontPath);
        return nullptr;
    }
    // Only the low byte of the size counts, as for every size the menus hand over.
    return TTF_OpenFontRW(stream, 1, static_cast<Uint8>(size));
}

SDL_Surface* renderBounded(TTF_Font* font, const char* text, SDL_Color colour) {
    if (!withinTextBudget(font, text)) {
        SDL_SetError("the menu font makes \"%s\" too large to render", text);
        return nullptr;
    }
    return TTF_RenderText_Blended(font, text, colour);
}

void setFontPath(const char* path) {
    // The menu set hands the global back to every page it creates; copying it onto itself
    // would overlap.
    if (path == nullptr || path == g_fontPath) {
        return;
    }
    std::strncpy(g_fontPath, path, kFontPathMaxChars);
}

SDL_Surface* renderText(const char* text, int size, SDL_Color colour) {
    if (text == nullptr || !startsPrintableAscii(text)) {
        return nullptr;
    }
    return renderWithMenuFont(text, size, colour);
}

SDL_Surface* renderLatin1Text(const char* text, int size, SDL_Color colour) {
    if (text == nullptr || !startsPrintableLatin1(text)) {
        return nullptr;
    }
    return renderWithMenuFont(text, size, colour);
}
