// Pixel access for bitmaps of any depth SDL_LoadBMP hands back.
#include "support/bitmap.h"

#include <cstring>

#include "support/work_dir.h"

Bitmap::Bitmap(const std::string& name) : surface_(SDL_LoadBMP(repositoryDataPath(name).c_str())) {}

Bitmap::~Bitmap() {
    if (surface_ != nullptr) {
        SDL_FreeSurface(surface_);
    }
}

Uint32 Bitmap::raw(int x, int y) const {
    const int bytes = surface_->format->BytesPerPixel;
    const Uint8* p = static_cast<const Uint8*>(surface_->pixels) + y * surface_->pitch + x * bytes;
    switch (bytes) {
        case 1:
            return p[0];
        case 2: {
            Uint16 value = 0;
            std::memcpy(&value, p, sizeof value);
            return value;
        }
        case 3:
            // Three-byte pixels are laid out in the machine's byte order.
            return SDL_BYTEORDER == SDL_LIL_ENDIAN
                       ? Uint32{p[0]} | Uint32{p[1]} << 8 | Uint32{p[2]} << 16
                       : Uint32{p[0]} << 16 | Uint32{p[1]} << 8 | Uint32{p[2]};
        default: {
            Uint32 value = 0;
            std::memcpy(&value, p, sizeof value);
            return value;
        }
    }
}

SDL_Color Bitmap::colour(int x, int y) const {
    SDL_Color colour{0, 0, 0, 0};
    SDL_GetRGB(raw(x, y), surface_->format, &colour.r, &colour.g, &colour.b);
    return colour;
}

bool Bitmap::white(int x, int y) const {
    const SDL_Color c = colour(x, y);
    return c.r == 255 && c.g == 255 && c.b == 255;
}

int Bitmap::opaqueIn(int x, int y, int w, int h) const {
    int count = 0;
    for (int row = y; row < y + h; ++row) {
        for (int column = x; column < x + w; ++column) {
            count += transparent(column, row) ? 0 : 1;
        }
    }
    return count;
}

int Bitmap::whiteIn(int x, int y, int w, int h) const {
    int count = 0;
    for (int row = y; row < y + h; ++row) {
        for (int column = x; column < x + w; ++column) {
            count += white(column, row) ? 1 : 0;
        }
    }
    return count;
}
