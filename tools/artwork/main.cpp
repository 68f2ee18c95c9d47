// Writes the game's four bitmaps or the desktop icons into a directory, or a preview of the
// playfield drawn with the bitmaps.
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

#include "bmp_writer.h"
#include "icon.h"
#include "preview.h"
#include "sheets.h"

namespace {

constexpr const char* kUsage =
    "usage: plimsdl_artwork <output-dir>\n"
    "       plimsdl_artwork --icons <output-dir>\n"
    "       plimsdl_artwork --preview <file.bmp>\n";

void writeSheets(const std::string& directory) {
    writeBmp(drawTileSheet(), directory + "/steine.bmp");
    writeBmp(drawFunnelSheet(), directory + "/trichter.bmp");
    writeBmp(drawBasket(), directory + "/korb.bmp");
    writeBmp(drawPaddleSheet(), directory + "/player.bmp");
}

void writeIcons(const std::string& directory) {
    for (int size : kIconSizes) {
        writePng(drawIcon(size), directory + "/plimsdl-" + std::to_string(size) + ".png");
    }
}

}  // namespace

int main(int argc, char** argv) {
    try {
        if (argc == 2 && argv[1][0] != '-') {
            writeSheets(argv[1]);
            return 0;
        }
        if (argc == 3 && std::strcmp(argv[1], "--icons") == 0) {
            writeIcons(argv[2]);
            return 0;
        }
        if (argc == 3 && std::strcmp(argv[1], "--preview") == 0) {
            writeBmp(drawPreview(), argv[2]);
            return 0;
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "plimsdl_artwork: %s\n", error.what());
        return 1;
    }
    std::fputs(kUsage, stderr);
    return 2;
}
