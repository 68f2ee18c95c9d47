// The BMP file layout: a 14-byte file header, a 40-byte info header, then rows bottom-up in BGR.
#include "bmp_writer.h"

#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <vector>

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
constexpr int kBitsPerPixel = 24;
constexpr int kBytesPerPixel = 3;
constexpr int kRowAlignment = 4;

class ByteSink {
public:
    void u16(std::uint32_t value) { put(value, 2); }
    void u32(std::uint32_t value) { put(value, 4); }
    void byte(std::uint8_t value) { bytes_.push_back(value); }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

private:
    // Every header field is little-endian.
    void put(std::uint32_t value, int count) {
        for (int i = 0; i < count; ++i) {
            bytes_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
        }
    }

    std::vector<std::uint8_t> bytes_;
};

void checkPalette(const Canvas& canvas, const std::string& path) {
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            if (!isPaletteColour(canvas.at(x, y))) {
                throw std::runtime_error(path + ": colour outside the palette at " +
                                         std::to_string(x) + "," + std::to_string(y));
            }
        }
    }
}

void writeHeaders(ByteSink& sink, const Canvas& canvas, std::uint32_t imageSize) {
    const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize;
    sink.byte('B');
    sink.byte('M');
    sink.u32(offset + imageSize);
    sink.u32(0);  // two reserved words
    sink.u32(offset);
    sink.u32(kInfoHeaderSize);
    sink.u32(static_cast<std::uint32_t>(canvas.width()));
    sink.u32(static_cast<std::uint32_t>(canvas.height()));  // positive: rows stored bottom-up
    sink.u16(1);                                            // planes
    sink.u16(kBitsPerPixel);
    sink.u32(0);  // no compression
    sink.u32(imageSize);
    sink.u32(0);  // no preferred resolution
    sink.u32(0);
    sink.u32(0);  // no colour table
    sink.u32(0);
}

}  // namespace

void writeBmp(const Canvas& canvas, const std::string& path) {
    checkPalette(canvas, path);
    const int rowBytes = canvas.width() * kBytesPerPixel;
    const int padding = (kRowAlignment - rowBytes % kRowAlignment) % kRowAlignment;
    const auto imageSize = static_cast<std::uint32_t>((rowBytes + padding) * canvas.height());

    ByteSink sink;
    writeHeaders(sink, canvas, imageSize);
    for (int y = canvas.height() - 1; y >= 0; --y) {
        for (int x = 0; x < canvas.width(); ++x) {
            const Rgb colour = canvas.at(x, y);
            sink.byte(colour.b);
            sink.byte(colour.g);
            sink.byte(colour.r);
        }
        for (int i = 0; i < padding; ++i) {
            sink.byte(0);
        }
    }

    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    const auto& bytes = sink.bytes();
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
}
