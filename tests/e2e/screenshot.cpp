// A picture of the game's window, read back as pixels.
#include "e2e/screenshot.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "support/child_process.h"

Screenshot Screenshot::fromPpm(const std::string& bytes) {
    std::istringstream in(bytes);
    std::string magic;
    int maxValue = 0;
    Screenshot shot;
    in >> magic >> shot.width_ >> shot.height_ >> maxValue;
    in.get();  // the single white space before the pixels
    if (magic != "P6" || maxValue != 255 || shot.width_ <= 0 || shot.height_ <= 0) {
        throw std::runtime_error("not a screenshot: " + bytes.substr(0, 40));
    }
    const size_t size = static_cast<size_t>(shot.width_) * static_cast<size_t>(shot.height_) * 3;
    const size_t start = static_cast<size_t>(in.tellg());
    if (bytes.size() < start + size) {
        throw std::runtime_error("screenshot cut short");
    }
    shot.rgb_.assign(bytes.begin() + static_cast<long>(start),
                     bytes.begin() + static_cast<long>(start + size));
    return shot;
}

Screenshot Screenshot::fromPng(const std::string& path) {
    Launch convert;
    convert.argv = {"convert", path, "-depth", "8", "ppm:-"};
    return fromPpm(outputOf(convert));
}

Rgb Screenshot::at(int x, int y) const {
    const size_t offset = static_cast<size_t>(y * width_ + x) * 3;
    return Rgb{rgb_[offset], rgb_[offset + 1], rgb_[offset + 2]};
}

template <typename Match>
int Screenshot::countWhere(const Area& area, Match match) const {
    int found = 0;
    for (int y = std::max(area.y, 0); y < std::min(area.y + area.h, height_); ++y) {
        for (int x = std::max(area.x, 0); x < std::min(area.x + area.w, width_); ++x) {
            found += match(at(x, y), x, y);
        }
    }
    return found;
}

int Screenshot::count(const Area& area, Rgb colour) const {
    return countWhere(area, [&](Rgb pixel, int, int) { return pixel == colour; });
}

int Screenshot::nonBlack(const Area& area) const {
    return countWhere(area, [](Rgb pixel, int, int) { return !pixel.isBlack(); });
}

Area Screenshot::boundsOf(const Area& area, Rgb colour) const {
    int left = width_, top = height_, right = -1, bottom = -1;
    countWhere(area, [&](Rgb pixel, int x, int y) {
        if (pixel == colour) {
            left = std::min(left, x);
            top = std::min(top, y);
            right = std::max(right, x);
            bottom = std::max(bottom, y);
        }
        return false;
    });
    if (right < 0) {
        return Area{0, 0, 0, 0};
    }
    return Area{left, top, right - left + 1, bottom - top + 1};
}

std::vector<Rgb> Screenshot::pixelsIn(const Area& area) const {
    std::vector<Rgb> pixels;
    countWhere(area, [&](Rgb pixel, int, int) {
        pixels.push_back(pixel);
        return false;
    });
    return pixels;
}

Screenshot Screenshot::reduced(const Area& area, int scale, int* mixedBlocks) const {
    Screenshot small;
    small.width_ = area.w / scale;
    small.height_ = area.h / scale;
    *mixedBlocks = 0;
    for (int y = 0; y < small.height_; ++y) {
        for (int x = 0; x < small.width_; ++x) {
            const int left = area.x + x * scale;
            const int top = area.y + y * scale;
            const Rgb pixel = at(left, top);
            const int alike = count({left, top, scale, scale}, pixel);
            *mixedBlocks += alike == scale * scale ? 0 : 1;
            small.rgb_.insert(small.rgb_.end(), {pixel.r, pixel.g, pixel.b});
        }
    }
    return small;
}

void Screenshot::savePng(const std::string& path) const {
    // ImageMagick reads the picture from a file beside the PNG, removed again afterwards.
    const std::string ppm = path + ".ppm";
    {
        std::ofstream out(ppm, std::ios::binary | std::ios::trunc);
        out << "P6\n" << width_ << " " << height_ << "\n255\n";
        out.write(reinterpret_cast<const char*>(rgb_.data()),
                  static_cast<std::streamsize>(rgb_.size()));
    }
    Launch convert;
    convert.argv = {"convert", ppm, path};
    outputOf(convert);
    std::remove(ppm.c_str());
}
