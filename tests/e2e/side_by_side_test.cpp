// Classic SDL 1.2 and sdl12-compat side by side: one scripted run on each, with the screens of the
// same moments compared pixel for pixel. Only the anti-aliased edges of text may differ.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "e2e/e2e_fixture.h"
#include "support/bitmap.h"

namespace {

using namespace layout;

constexpr int kLanes = 5;

// Inside the funnels, between the hoppers' lips and their lower ends, only falling tiles show.
constexpr int kOpenChuteTop = 26;
constexpr int kOpenChuteBottom = 300;
Area openChute(int lane) {
    return Area{laneX(lane), kOpenChuteTop, kTileWidth, kOpenChuteBottom - kOpenChuteTop};
}

bool inside(const Area& area, int x, int y) {
    return x >= area.x && x < area.x + area.w && y >= area.y && y < area.y + area.h;
}

// Anti-aliasing may blend a red text edge into the black one step lighter or darker on the
// 8-bit screen's red scale; nothing else is text.
bool isTextEdgeShading(Rgb a, Rgb b) {
    constexpr int kRedStep = 37;
    return a.g == 0 && a.b == 0 && b.g == 0 && b.b == 0 && std::abs(a.r - b.r) <= kRedStep;
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

struct Moment {
    std::string name;
    Screenshot shot;
    std::vector<Area> exactAreas;  // plain rectangles (swatches): not even text shading may differ
    bool playfield;                // the falling tiles are checked on their own
};

class SideBySide : public EndToEndTest {
protected:
    // Starts the game on the SDL 1.2 in `sdlDir`, with no highscore table written yet.
    GameProcess& startOn(const std::string& sdlDir) {
        std::remove((work.root() + "/Data/einfach.hsc").c_str());
        process = std::make_unique<GameProcess>(work.root(), sdlDir);
        EXPECT_TRUE(process->waitForWindow()) << process->errors();
        return *process;
    }

    // The same two games on either library: the menus, the white paddle chosen on the colour
    // page, the first highscore table and a game; then a game with the green paddle of the start.
    std::vector<Moment> recordRun(const std::string& sdlDir) {
        std::vector<Moment> moments;
        // Waits for the screen `done` describes and keeps it as the moment `name`.
        const auto capture = [&](const char* name, bool (*done)(const Screenshot&),
                                 std::vector<Area> exactAreas = {}) {
            const bool playfield = done == showsPlayfieldWithWholeTiles;
            moments.push_back({name, process->waitFor(done), std::move(exactAreas), playfield});
        };
        startOn(sdlDir).key("a");
        capture("home", [](const Screenshot& s) {
            return s.count({0, 0, 800, 100}, kMenuTitle) > 0;
        });
        process->key("Down Return");
        capture("colours",
                [](const Screenshot& s) { return s.count(swatch(0), kMenuTitle) > 2000; },
                {swatch(0), swatch(1), swatch(2), swatch(3), swatch(4), swatch(5), swatch(6)});
        process->click(345, swatch(6).y + 15);  // "Weiß"
        process->key("Down Return Return");
        capture("highscore", showsHighscoreTable);
        process->key("x Up Up Return Return");
        capture("white paddle", showsPlayfieldWithWholeTiles);
        process->key("Escape");
        EXPECT_EQ(process->waitForExit(), 0) << process->errors();

        startOn(sdlDir).key("Return Return");
        capture("green paddle", showsPlayfieldWithWholeTiles);
        process->key("Escape");
        EXPECT_EQ(process->waitForExit(), 0) << process->errors();
        return moments;
    }
};

// Pixels where the two screens differ beyond what `moment` allows.
int forbiddenDifferences(const Moment& classic, const Screenshot& compat, std::string* first) {
    int forbidden = 0;
    for (int y = 0; y < classic.shot.height(); ++y) {
        for (int x = 0; x < classic.shot.width(); ++x) {
            const Rgb a = classic.shot.at(x, y);
            const Rgb b = compat.at(x, y);
            if (a == b) {
                continue;
            }
            bool allowed = false;
            if (classic.playfield) {
                for (int lane = 0; lane < kLanes; ++lane) {
                    allowed = allowed || inside(openChute(lane), x, y);
                }
            } else {
                allowed = isTextEdgeShading(a, b);
                for (const Area& exact : classic.exactAreas) {
                    allowed = allowed && !inside(exact, x, y);
                }
            }
            if (!allowed && forbidden++ == 0) {
                std::ostringstream where;
                where << "first at (" << x << ", " << y << "): " << int(a.r) << "," << int(a.g)
                      << "," << int(a.b) << " on classic SDL, " << int(b.r) << "," << int(b.g)
                      << "," << int(b.b) << " on sdl12-compat";
                *first = where.str();
            }
        }
    }
    return forbidden;
}

TEST_F(SideBySide, Sdl12CompatShowsWhatClassicSdlShows) {
    const char* compatDir = std::getenv("PLIMSDL_COMPAT_SDL_DIR");
    ASSERT_NE(compatDir, nullptr) << "PLIMSDL_COMPAT_SDL_DIR names sdl12-compat's folder";
    const std::vector<Moment> classic = recordRun("");
    const std::vector<Moment> compat = recordRun(compatDir);
    ASSERT_EQ(classic.size(), compat.size());
    for (size_t i = 0; i < classic.size(); ++i) {
        const std::string& name = classic[i].name;
        if (classic[i].playfield) {
            // Tiles fall where chance and timing put them; each must be an exact tile picture.
            EXPECT_GT(wholeTilesInChutes(classic[i].shot), 0) << name << " on classic SDL";
            EXPECT_GT(wholeTilesInChutes(compat[i].shot), 0) << name << " on sdl12-compat";
        }
        std::string first;
        EXPECT_EQ(forbiddenDifferences(classic[i], compat[i].shot, &first), 0)
            << name << ": " << first;
        keep(classic[i].shot, name + " classic");
        keep(compat[i].shot, name + " sdl12-compat");
    }
}

}  // namespace
