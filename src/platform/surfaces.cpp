// Small surface helpers of the game: loading its bitmaps, freeing owned surfaces, rectangles.
#include "surfaces.h"

#include "bitmap_file.h"
#include "file_stream.h"

SDL_Surface* loadDisplayBitmap(const char* path, Transparent transparent) {
    const FileBytes file = readCheckedFile(path, kMaxBitmapBytes, hasUsableBitmapHeader);
    // The load closes the stream itself, whether it succeeds or not; a refused file gives a null
    // stream, which the load refuses like any unreadable one.
    SDL_Surface* loaded = SDL_LoadBMP_RW(streamOver(file), 1);
    if (loaded == nullptr) {
        return nullptr;
    }
    // Whatever SDL made of the header, no picture of a size the drawing cannot clip safely gets
    // through.
    if (!isUsableBitmapSize(loaded->w, loaded->h)) {
        SDL_FreeSurface(loaded);
        return nullptr;
    }
    const Uint32 key =
        transparent == Transparent::White ? SDL_MapRGB(loaded->format, 255, 255, 255) : 0;
    SDL_SetColorKey(loaded, SDL_SRCCOLORKEY, key);
    SDL_Surface* converted = SDL_DisplayFormat(loaded);  // keeps the colour key
    SDL_FreeSurface(loaded);
    return converted;
}

void freeSurface(SDL_Surface*& surface) {
    if (surface != nullptr) {
        SDL_FreeSurface(surface);
        surface = nullptr;
    }
}

SDL_Rect makeRect(int x, int y, int w, int h) {
    return SDL_Rect{static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Uint16>(w),
                    static_cast<Uint16>(h)};
}
