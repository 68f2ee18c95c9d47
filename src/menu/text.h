// Menu text rendering with the one menu font, the menu globals and the three text colours.
#pragma once

#include <SDL.h>
#include <SDL_ttf.h>

#include <functional>

class MenuSet;

constexpr int kFontPathSize = 32;
constexpr int kFontPathMaxChars = 30;  // a longer path is cut; the last two bytes stay zero

// The surface every menu element draws on and centres itself against; not owned.
extern SDL_Surface* g_menuScreen;
// Path of the menu font; empty until the menu set is constructed.
extern char g_fontPath[kFontPathSize];
// The menu set most recently constructed; OpenPage actions and the Home command act on it.
extern MenuSet* g_menuSet;

constexpr SDL_Color titleColour = {255, 0, 0, 0};      // titles
constexpr SDL_Color itemColour = {128, 0, 0, 0};       // text items while not highlighted
constexpr SDL_Color highlightColour = {200, 0, 0, 0};  // highlighted items, the highscore view

// Copies at most the first 30 characters of `path` into g_fontPath, always terminated. Handed
// g_fontPath itself (as the menu set does for every page), it leaves the path as it is.
void setFontPath(const char* path);

// Opens the menu font at point size `size` (only its low 8 bits count; SDL_ttf must be
// initialised) from the font file at g_fontPath as it was read and checked the first time (see
// font_file.h). The file is read once and kept for every later font and text, so that nothing
// that becomes of it while the game runs (a named pipe put in its place, say, which would block
// an open for ever) reaches the menus. Null when the file is refused, and then read again at
// the next call. The font belongs to the caller, who closes it with TTF_CloseFont.
TTF_Font* openMenuFont(int size);

// Renders one line of Latin-1 text with `font`, unless its metrics ask for more than a text may
// cost: a surface wider or taller than 4096 pixels, or more than 2^18 pixels (a megabyte) for the
// surface and its letters' glyphs together, as for a font whose em is a few units, which makes
// every letter a hundred times its size. Returns a new surface that belongs to the caller, or
// null.
SDL_Surface* renderBounded(TTF_Font* font, const char* text, SDL_Color colour);

// Renders one line of Latin-1 text at point size `size` (only its low 8 bits count) with the
// menu font, opened and closed for this call, as renderBounded does. Initialises SDL_ttf for the
// call if nobody has. Returns a new surface that belongs to the caller, or null when the text
// does not start with a printable ASCII byte (32 to 127), the font cannot be opened, or the text
// cannot be rendered.
SDL_Surface* renderText(const char* text, int size, SDL_Color colour);

// renderText for texts that may also start with a printable Latin-1 letter (160 to 255), such
// as a player's name "\xD6zil". Still null for an empty text or one starting with a control byte.
SDL_Surface* renderLatin1Text(const char* text, int size, SDL_Color colour);

// Called with each text the game shows: `image`, as rendered for it (null when it could not
// be), has its top-left corner at (x, y) on g_menuScreen.
using ShownTextVisitor =
    std::function<void(const char* text, const SDL_Surface* image, int x, int y)>;
