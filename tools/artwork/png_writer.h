// Saves a picture with transparency as a PNG file through libpng.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Rows top to bottom, four bytes a pixel: red, green, blue, alpha.
struct RgbaImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;
};

// Throws std::runtime_error when the file cannot be written.
void writePng(const RgbaImage& image, const std::string& path);
