// The icon: the paddle as the game shows it, carrying a full stack of tiles, scaled so a margin
// of an eighth of the width stays on either side and it sits in a menu like its neighbours.
#include "icon.h"

#include <numeric>
#include <stdexcept>
#include <string>

#include "layout.h"
#include "sheets.h"

namespace {

using namespace layout;

// Carried tiles, bottom to top.
constexpr int kCarriedColours[kCarrySlots] = {1, 3, 6};
constexpr int kSceneWidth = kPaddleWidth;
constexpr int kSceneHeight = carriedTileRise(kCarrySlots - 1);
// The scene spans three quarters of the icon's width.
constexpr int kShareNumerator = 3;
constexpr int kShareDenominator = 4;
constexpr int kOpaque = 255;
constexpr int kBytesPerPixel = 4;

Canvas drawScene() {
    Canvas scene(kSceneWidth, kSceneHeight);
    const Canvas paddle = drawPaddleSprite(0, kGreenPaddle);
    scene.overlay(paddle, 0, kSceneHeight - paddle.height());
    for (int slot = 0; slot < kCarrySlots; ++slot) {
        scene.overlay(drawTile(kCarriedColours[slot]), kCarryInset,
                      kSceneHeight - carriedTileRise(slot));
    }
    return scene;
}

// A scale of up/down: each scene pixel becomes up x up, and each down x down block of those is
// averaged into one icon pixel. Black is transparent, so it adds to neither colour nor cover.
struct Scale {
    int up;
    int down;
};

void putAveraged(RgbaImage& icon, int x, int y, const Canvas& scene, int left, int top,
                 Scale scale) {
    int covered = 0;
    int red = 0;
    int green = 0;
    int blue = 0;
    for (int sy = top; sy < top + scale.down; ++sy) {
        for (int sx = left; sx < left + scale.down; ++sx) {
            const Rgb colour = scene.at(sx / scale.up, sy / scale.up);
            if (colour != kEmpty) {
                ++covered;
                red += colour.r;
                green += colour.g;
                blue += colour.b;
            }
        }
    }
    if (covered == 0) {
        return;
    }
    const int area = scale.down * scale.down;
    const std::size_t at = static_cast<std::size_t>(y) * static_cast<std::size_t>(icon.width) +
                           static_cast<std::size_t>(x);
    auto* pixel = &icon.pixels[at * std::size_t{kBytesPerPixel}];
    pixel[0] = static_cast<std::uint8_t>((red + covered / 2) / covered);
    pixel[1] = static_cast<std::uint8_t>((green + covered / 2) / covered);
    pixel[2] = static_cast<std::uint8_t>((blue + covered / 2) / covered);
    pixel[3] = static_cast<std::uint8_t>((kOpaque * covered + area / 2) / area);
}

}  // namespace

RgbaImage drawIcon(int size) {
    const int numerator = size * kShareNumerator;
    const int denominator = kSceneWidth * kShareDenominator;
    const int common = std::gcd(numerator, denominator);
    const Scale scale{numerator / common, denominator / common};
    if (kSceneWidth * scale.up % scale.down != 0 || kSceneHeight * scale.up % scale.down != 0) {
        throw std::invalid_argument("no icon of size " + std::to_string(size));
    }
    const int width = kSceneWidth * scale.up / scale.down;
    const int height = kSceneHeight * scale.up / scale.down;
    const int left = (size - width) / 2;
    const int top = (size - height) / 2;

    RgbaImage icon{
        size, size,
        std::vector<std::uint8_t>(static_cast<std::size_t>(size * size * kBytesPerPixel))};
    const Canvas scene = drawScene();
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            putAveraged(icon, left + x, top + y, scene, x * scale.down, y * scale.down, scale);
        }
    }
    return icon;
}
