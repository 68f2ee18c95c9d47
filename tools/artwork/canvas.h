// A picture in memory: a grid of palette colours with the few drawing operations the art needs.
#pragma once

#include <cstddef>
#include <vector>

#include "colour.h"

class Canvas {
public:
    // A canvas of the given size, black (transparent) throughout.
    Canvas(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }

    // Reads a pixel; outside the canvas everything is black.
    Rgb at(int x, int y) const;
    // Writes a pixel; writes outside the canvas are dropped, so shapes may overhang the edges.
    void set(int x, int y, Rgb colour);

    void fillRect(int x, int y, int w, int h, Rgb colour);
    // Inclusive end points.
    void hLine(int x0, int x1, int y, Rgb colour);
    void vLine(int x, int y0, int y1, Rgb colour);
    void line(int x0, int y0, int x1, int y1, Rgb colour);
    void fillCircle(int cx, int cy, int radius, Rgb colour);

    // Copies the other canvas's non-black pixels with its top left corner at (x, y), the way a
    // colour-keyed blit does.
    void overlay(const Canvas& source, int x, int y);
    // Copies every pixel of the other canvas, black included, to (x, y).
    void paste(const Canvas& source, int x, int y);
    // A copy of the given rectangle.
    Canvas crop(int x, int y, int w, int h) const;
    // Every pixel of the given colour becomes the replacement.
    void recolour(Rgb from, Rgb to);

private:
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    // Where the pixel at (x, y), which must be inside, is kept.
    std::size_t indexOf(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
               static_cast<std::size_t>(x);
    }

    int width_;
    int height_;
    std::vector<Rgb> pixels_;
};
