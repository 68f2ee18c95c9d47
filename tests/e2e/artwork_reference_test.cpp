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
#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>
#include <utility>
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

// A desktop with room for a window at scale 2, and in fullscreen for the stage at scale 2.
class LargeDesktop : public ArtworkReference {
protected:
    static void SetUpTestSuite() { startDisplay("2048x1536"); }

    static GameStart startedWith(std::vector<std::string> arguments,
                                 std::vector<std::string> environment = {}) {
        GameStart how;
        how.arguments = std::move(arguments);
        how.environment = std::move(environment);
        return how;
    }
};

constexpr Area kStage = {0, 0, 800, 600};
constexpr int kScale = 2;
constexpr int kFullscreenLeft = (2048 - 800 * kScale) / 2;
constexpr int kFullscreenTop = (1536 - 600 * kScale) / 2;

// The stage as `shot` shows it at scale 2 from (left, top), each block one pixel; empty when a
// block holds more than one colour.
Screenshot stageIn(const Screenshot& shot, int left = 0, int top = 0) {
    int mixedBlocks = 0;
    Screenshot stage = shot.reduced({left, top, 800 * kScale, 600 * kScale}, kScale, &mixedBlocks);
    return mixedBlocks == 0 ? stage : Screenshot();
}

bool same(const Screenshot& a, const Screenshot& b) {
    return a.width() == b.width() && a.pixelsIn(kStage) == b.pixelsIn(kStage);
}

// Takes pictures of the whole screen until `done` holds for the stage shown in fullscreen.
Screenshot waitForFullscreen(const std::function<bool(const Screenshot&)>& done,
                             const std::string& what) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    Screenshot stage;
    while (!done(stage) && std::chrono::steady_clock::now() < deadline) {
        stage = stageIn(GameProcess::screenShot(), kFullscreenLeft, kFullscreenTop);
    }
    EXPECT_TRUE(done(stage)) << what << " in fullscreen";
    return stage;
}

// At scale 2, in a window and in fullscreen, every pixel of the picture at scale 1 becomes a 2x2
// block, menus and artwork alike; a click lands on the stage pixel beneath it; switching to
// fullscreen and back (F11, Alt+Return) keeps the highlighted entry and the paddle's lane, and
// the window's size.
TEST_F(LargeDesktop, ScaleTwoShowsTheStagePixelForPixelInAWindowAndFullscreen) {
    GameProcess* game = &start(suiteSdlLibraryDir(), startedWith({"--scale", "1"}));
    game->key("a");
    const Screenshot home =
        game->waitFor([](const Screenshot& s) { return s.count(menuRow(0), kMenuHighlight) > 0; });
    game->key("Down Return");
    const Screenshot colours =
        game->waitFor([](const Screenshot& s) { return s.count(swatch(0), kMenuTitle) > 2000; });
    game->key("Escape");
    EXPECT_EQ(game->waitForExit(), 0);

    game = &start();  // at the largest scale the desktop has room for
    ASSERT_EQ(game->shot().width(), 800 * kScale);
    ASSERT_EQ(game->shot().height(), 600 * kScale);
    game->key("a");
    game->expectEventually([&](const Screenshot& s) { return same(stageIn(s), home); },
                           "the home page at scale 2");
    game->click(400 * kScale, (250 + 20) * kScale);  // "Einstellungen"
    game->expectEventually([&](const Screenshot& s) { return same(stageIn(s), colours); },
                           "the colour page at scale 2, opened by a click");
    game->key("F11");
    waitForFullscreen([&](const Screenshot& s) { return same(s, colours); }, "the colour page");
    game->waitForWindow();  // over SDL3, fullscreen is a new window
    game->key("alt+Return");
    game->waitForWindow();
    game->expectEventually([&](const Screenshot& s) { return same(stageIn(s), colours); },
                           "the colour page back in the window");
    EXPECT_EQ(game->shot().width(), 800 * kScale);

    game->key("space Up Return Return");  // home, "Start", "Einfach"
    const Screenshot playfield = game->expectEventually(
        [](const Screenshot& s) { return showsPlayfieldWithWholeTiles(stageIn(s)); },
        "a game at scale 2");
    check("playfield-1", stageIn(playfield),
          {openChute(0), openChute(1), openChute(2), openChute(3), openChute(4)}, false);
    game->key("Right F11");
    waitForFullscreen([](const Screenshot& s) { return paddleLane(s, kGreen) == 3; },
                      "the paddle one lane right");
    game->waitForWindow();
    game->key("F11");
    game->waitForWindow();
    game->expectEventually([](const Screenshot& s) { return paddleLane(stageIn(s), kGreen) == 3; },
                           "the paddle still one lane right, back in the window");
    EXPECT_EQ(game->shot().width(), 800 * kScale);
    game->key("Escape");
    EXPECT_EQ(game->waitForExit(), 0);

    // sdl12-compat asked to scale its window: the game does not scale it as well.
    game = &start(suiteSdlLibraryDir(), startedWith({}, {"SDL12COMPAT_WINDOW_SCALING=1"}));
    EXPECT_EQ(game->shot().width(), 800);
    game->key("Escape");
    EXPECT_EQ(game->waitForExit(), 0);
}

}  // namespace
