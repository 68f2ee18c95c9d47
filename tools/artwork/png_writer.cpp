// libpng's simplified writer: it sets no time stamp, so the same picture always gives the same
// bytes and the committed icons can be checked against the generator.
#include "png_writer.h"

#include <png.h>

#include <stdexcept>

void writePng(const RgbaImage& image, const std::string& path) {
    png_image info{};
    info.version = PNG_IMAGE_VERSION;
    info.width = static_cast<png_uint_32>(image.width);
    info.height = static_cast<png_uint_32>(image.height);
    info.format = PNG_FORMAT_RGBA;
    if (png_image_write_to_file(&info, path.c_str(), 0, image.pixels.data(), 0, nullptr) == 0) {
        throw std::runtime_error("cannot write " + path + ": " + info.message);
    }
}
