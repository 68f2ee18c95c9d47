// The artwork on screen, pixel for pixel as classic SDL 1.2 shows it, on whatever SDL 1.2 the
// suite runs on: the paddle in all seven colours, the funnels, the basket and the colour page's
// swatches, against reference pictures taken on classic SDL 1.2 (in reference/). Falling tiles
// land wherever chance and timing put them, so each must be an exact tile picture instead. Text
// is left out: its anti-aliased edges change with the FreeType version, the artwork may not.
//
// To retake the pictures after changing the artwork, run the suite on classic SDL 1.2 with
// PLIMSDL_E2E_NEW_REFERENCES=1 and commit tests/e2e/reference/.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "e2e/e2e_fixture.h"
#include "support/bitmap.h"
#include "support/dummy_screen.h"

namespace {

using namespace layout;

constexpr int kLanes = 5;
constexpr int kColours = 7;

// Inside the funnels, between the hoppers' lips and their lower ends, only falling tiles show.
constexpr int kOpenChuteTop = 26;
constexpr int kOpenChuteBottom = 300;
Area openChute(int lane) {
    return Area{laneX(lane), kOpenChuteTop, kTileWidth, kOpenChuteBottom - kOpenChuteTop};
}

bool inAny(const std::vector<Area>& areas, int x, int y) {
    return std::any_of(areas.begin(), areas.end(), [x, y](const Area& a) {
        return x >= a.x && x < a.x + a.w && y >= a.y && y < a.y + a.h;
    });
}

// The eight tile pictures as the screen shows them: the tile sheet's own colours, black where it
// is transparent.
std::vector<std::vector<Rgb>> tilePictures() {
    const Bitmap sheet("steine.bmp");
    std::vector<std::vector<Rgb>> pictures;
    for (int top = 0; sheet.loaded() && top + kTileHeight <= sheet.height(); top += kTileHeight) {
        std::vector<Rgb>& picture = pictures.emplace_back();
        for (int y = top; y < top + kTileHeight; ++y) {
            for (int x = 0; x < kTileWidth; ++x) {
                const SDL_Color c = sheet.colour(x, y);
                picture.push_back(Rgb{c.r, c.g, c.b});
            }
        }
    }
    return pictures;
}

// The number of whole tiles in the open chutes, each an exact tile picture; -1 when anything
// else shows there (a tile cut by the chute's ends, or a picture that is not a tile).
int wholeTilesInChutes(const Screenshot& shot) {
    static const std::vector<std::vector<Rgb>> pictures = tilePictures();
    int tiles = 0;
    for (int lane = 0; lane < kLanes; ++lane) {
        const Area chute = openChute(lane);
        for (int y = chute.y; y < chute.y + chute.h; ++y) {
            if (shot.nonBlack({chute.x, y, chute.w, 1}) == 0) {
                continue;
            }
            if (y + kTileHeight > chute.y + chute.h) {
                return -1;
            }
            const std::vector<Rgb> block = shot.pixelsIn({chute.x, y, kTileWidth, kTileHeight});
            bool isTile = false;
            for (const std::vector<Rgb>& picture : pictures) {
                isTile = isTile || block == picture;
            }
            if (!isTile) {
                return -1;
            }
            ++tiles;
            y += kTileHeight - 1;
        }
    }
    return tiles;
}

bool showsPlayfieldWithWholeTiles(const Screenshot& shot) {
    return showsPlayfield(shot) && wholeTilesInChutes(shot) > 0;
}

std::string referencePath(const std::string& name) {
    return std::string(PLIMSDL_SOURCE_DIR) + "/tests/e2e/reference/" + name + ".png";
}

bool retakingReferences() {
    return std::getenv("PLIMSDL_E2E_NEW_REFERENCES") != nullptr;
}

// Pixels of `shot` that differ from the reference picture `name`, inside `areas` or, when
// `inside` is false, outside them; `first` says where the first one is.
int differencesFrom(const std::string& name, const Screenshot& shot, const std::vector<Area>& areas,
                    bool inside, std::string* first) {
    const Screenshot reference = Screenshot::fromPng(referencePath(name));
    int differing = 0;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            if (inAny(areas, x, y) == inside && !(reference.at(x, y) == shot.at(x, y)) &&
                differing++ == 0) {
                *first = "first at (" + std::to_string(x) + ", " + std::to_string(y) + ")";
            }
        }
    }
    return differing;
}

class ArtworkReference : public EndToEndTest {
protected:
    void SetUp() override {
        EndToEndTest::SetUp();
        if (retakingReferences() && (!suiteSdlLibraryDir().empty() || onSdl12Compat())) {
            GTEST_SKIP() << "the reference pictures are taken on classic SDL 1.2 only";
        }
    }

    // Keeps `shot` as the reference picture `name` when retaking them; otherwise compares it
    // with that picture inside `areas` (or outside them).
    void check(const std::string& name, const Screenshot& shot, const std::vector<Area>& areas,
               bool inside) {
        ASSERT_EQ(shot.width(), 800);
        ASSERT_EQ(shot.height(), 600);
        if (retakingReferences()) {
            shot.savePng(referencePath(name));
            return;
        }
        std::string first;
        EXPECT_EQ(differencesFrom(name, shot, areas, inside, &first), 0) << name << ": " << first;
        keep(shot, name);
    }
};

// One game per paddle colour, chosen on the colour page by its swatch: the playfield of its first
// falling tiles, everywhere but in the open chutes; and the colour page's swatches once.
TEST_F(ArtworkReference, PaddleInEveryColourFunnelsBasketAndSwatchesAsOnClassicSdl) {
    for (int colour = 0; colour < kColours; ++colour) {
        start().key("a Down Return");
        const Screenshot colours = process->waitFor(
            [](const Screenshot& s) { return s.count(swatch(0), kMenuTitle) > 2000; });
        if (colour == 0) {
            check("colours", colours,
                  {swatch(0), swatch(1), swatch(2), swatch(3), swatch(4), swatch(5), swatch(6)},
                  true);
        }
        process->click(345, swatch(colour).y + 15);
        process->key("Up Return Return");
        const Screenshot playfield =
            process->expectEventually(showsPlayfieldWithWholeTiles,
                                      "a game with whole tiles, colour " + std::to_string(colour));
        check("playfield-" + std::to_string(colour), playfield,
              {openChute(0), openChute(1), openChute(2), openChute(3), openChute(4)}, false);
        process->key("Escape");
        EXPECT_EQ(process->waitForExit(), 0) << process->errors();
    }
}

}  // namespace
