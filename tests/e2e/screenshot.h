// A picture of the game's window, read back as pixels.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Rgb {
    std::uint8_t r, g, b;
    bool operator==(const Rgb& other) const { return r == other.r && g == other.g && b == other.b; }
    bool isBlack() const { return r == 0 && g == 0 && b == 0; }
};

struct Area {
    int x, y, w, h;
};

class Screenshot {
public:
    // Parses a binary PPM (P6, maxval 255).
    static Screenshot fromPpm(const std::string& bytes);
    // Reads a picture file that ImageMagick can read, such as a PNG.
    static Screenshot fromPng(const std::string& path);

    int width() const { return width_; }
    int height() const { return height_; }
    Rgb at(int x, int y) const;
    // Pixels of exactly `colour` inside `area` (clipped to the picture).
    int count(const Area& area, Rgb colour) const;
    int nonBlack(const Area& area) const;
    // Bounding box of the pixels of `colour` in `area`; w = 0 when there is none.
    Area boundsOf(const Area& area, Rgb colour) const;
    // The pixels of `area` (clipped to the picture), row by row.
    std::vector<Rgb> pixelsIn(const Area& area) const;
    // `area` (inside the picture) shrunk by `scale` each way, each block of scale x scale pixels
    // becoming one; `mixedBlocks` counts the blocks whose pixels are not all alike.
    Screenshot reduced(const Area& area, int scale, int* mixedBlocks) const;
    void savePng(const std::string& path) const;

private:
    template <typename Match>
    int countWhere(const Area& area, Match match) const;

    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> rgb_;
};
