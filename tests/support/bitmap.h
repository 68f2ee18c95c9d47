// One of the game's bitmaps loaded from the repository's Data/ folder, for reading pixels.
#pragma once

#include <SDL.h>

#include <string>

class Bitmap {
public:
    // Loads Data/<name> with SDL_LoadBMP; check loaded() before reading.
    explicit Bitmap(const std::string& name);
    ~Bitmap();
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;

    bool loaded() const { return surface_ != nullptr; }
    int width() const { return surface_->w; }
    int height() const { return surface_->h; }
    SDL_Surface* surface() const { return surface_; }

    // The pixel value in the bitmap's own format; the game keys value 0 out as transparent.
    Uint32 raw(int x, int y) const;
    bool transparent(int x, int y) const { return raw(x, y) == 0; }
    SDL_Color colour(int x, int y) const;
    bool white(int x, int y) const;

    // Counts over the rectangle (x, y, w, h).
    int opaqueIn(int x, int y, int w, int h) const;
    int whiteIn(int x, int y, int w, int h) const;

private:
    SDL_Surface* surface_;
};
