// Menu text rendering: the menu font's file read once and kept, a font opened from it for each
// text, and the text rendered once into a new surface.
#include "text.h"

#include <cstring>

#include "file_stream.h"
#include "font_file.h"

SDL_Surface* g_menuScreen = nullptr;
char g_fontPath[kFontPathSize] = {};
MenuSet* g_menuSet = nullptr;

const SDL_Color titleColour = {255, 0, 0, 0};
const SDL_Color itemColour = {128, 0, 0, 0};
const SDL_Color highlightColour = {200, 0, 0, 0};

namespace {

// The menu font's file as read when a font was first opened from g_fontPath, and that path:
// every later font is opened from these bytes.
FileBytes g_keptFont;
char g_keptFontPath[kFontPathSize] = {};

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
        surface = TTF_RenderText_Blended(font, text, colour);
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
