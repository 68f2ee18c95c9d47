// Pixel-level drawing on a Canvas, integer arithmetic only so every machine draws the same bytes.
#include "canvas.h"

#include <cstdlib>
#include <utility>

Canvas::Canvas(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width * height)) {}

Rgb Canvas::at(int x, int y) const {
    if (!inside(x, y)) {
        return kEmpty;
    }
    return pixels_[indexOf(x, y)];
}

void Canvas::set(int x, int y, Rgb colour) {
    if (inside(x, y)) {
        pixels_[indexOf(x, y)] = colour;
    }
}

void Canvas::fillRect(int x, int y, int w, int h, Rgb colour) {
    for (int row = y; row < y + h; ++row) {
        for (int column = x; column < x + w; ++column) {
            set(column, row, colour);
        }
    }
}

void Canvas::hLine(int x0, int x1, int y, Rgb colour) {
    if (x1 < x0) {
        std::swap(x0, x1);
    }
    fillRect(x0, y, x1 - x0 + 1, 1, colour);
}

void Canvas::vLine(int x, int y0, int y1, Rgb colour) {
    if (y1 < y0) {
        std::swap(y0, y1);
    }
    fillRect(x, y0, 1, y1 - y0 + 1, colour);
}

void Canvas::line(int x0, int y0, int x1, int y1, Rgb colour) {
    // Bresenham, so slanted edges come out as clean pixel steps.
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int stepX = x0 < x1 ? 1 : -1;
    const int stepY = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        set(x0, y0, colour);
        if (x0 == x1 && y0 == y1) {
            return;
        }
        const int doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            x0 += stepX;
        }
        if (doubled <= dx) {
            error += dx;
            y0 += stepY;
        }
    }
}

void Canvas::fillCircle(int cx, int cy, int radius, Rgb colour) {
    // The extra radius term rounds the outline, avoiding single-pixel nubs at the four tips.
    const int limit = radius * radius + radius;
    for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
            if (dx * dx + dy * dy <= limit) {
                set(cx + dx, cy + dy, colour);
            }
        }
    }
}

void Canvas::overlay(const Canvas& source, int x, int y) {
    for (int row = 0; row < source.height(); ++row) {
        for (int column = 0; column < source.width(); ++column) {
            const Rgb colour = source.at(column, row);
            if (colour != kEmpty) {
                set(x + column, y + row, colour);
            }
        }
    }
}

void Canvas::paste(const Canvas& source, int x, int y) {
    for (int row = 0; row < source.height(); ++row) {
        for (int column = 0; column < source.width(); ++column) {
            set(x + column, y + row, source.at(column, row));
        }
    }
}

Canvas Canvas::crop(int x, int y, int w, int h) const {
    Canvas out(w, h);
    for (int row = 0; row < h; ++row) {
        for (int column = 0; column < w; ++column) {
            out.set(column, row, at(x + column, y + row));
        }
    }
    return out;
}

void Canvas::recolour(Rgb from, Rgb to) {
    for (Rgb& pixel : pixels_) {
        if (pixel == from) {
            pixel = to;
        }
    }
}
