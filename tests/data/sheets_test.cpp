// The tile, funnel and basket bitmaps fit the way the game cuts and places them.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>

#include "data/bitmap.h"
#include "data/playfield_geometry.h"

using namespace geometry;

namespace {

std::tuple<int, int, int> key(SDL_Color c) {
    return {c.r, c.g, c.b};
}

// The colour covering most of a tile picture: its face.
std::tuple<int, int, int> mainColour(const Bitmap& sheet, int top) {
    std::map<std::tuple<int, int, int>, int> counts;
    for (int y = top; y < top + kTileRowStep; ++y) {
        for (int x = 0; x < sheet.width(); ++x) {
            ++counts[key(sheet.colour(x, y))];
        }
    }
    auto best = counts.begin();
    for (auto it = counts.begin(); it != counts.end(); ++it) {
        if (it->second > best->second) {
            best = it;
        }
    }
    return best->first;
}

bool sameColumnOfPixels(const Bitmap& sheet, int left, int otherLeft, int width) {
    for (int y = 0; y < sheet.height(); ++y) {
        for (int x = 0; x < width; ++x) {
            if (sheet.raw(left + x, y) != sheet.raw(otherLeft + x, y)) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

TEST(ArtworkTileSheet, HoldsEightSixteenRowFramesAsWideAsTheChute) {
    const Bitmap tiles("steine.bmp");
    const Bitmap funnels("trichter.bmp");
    ASSERT_TRUE(tiles.loaded() && funnels.loaded()) << SDL_GetError();
    EXPECT_EQ(tiles.height(), kTileFrames * kTileRowStep);
    EXPECT_EQ(tiles.width(), funnels.width() / kFunnelFrames - 2 * kChuteInset);
}

TEST(ArtworkTileSheet, EveryFrameIsDrawnSolid) {
    const Bitmap tiles("steine.bmp");
    ASSERT_TRUE(tiles.loaded()) << SDL_GetError();
    const int area = tiles.width() * kTileRowStep;
    for (int frame = 0; frame < kTileFrames; ++frame) {
        // Nearly every pixel opaque: a block, not an outline.
        EXPECT_GT(tiles.opaqueIn(0, frame * kTileRowStep, tiles.width(), kTileRowStep),
                  area * 9 / 10)
            << "colour " << frame + 1;
    }
}

TEST(ArtworkTileSheet, EightColoursHaveDifferentFaces) {
    const Bitmap tiles("steine.bmp");
    ASSERT_TRUE(tiles.loaded()) << SDL_GetError();
    std::set<std::tuple<int, int, int>> faces;
    for (int frame = 0; frame < kTileFrames; ++frame) {
        faces.insert(mainColour(tiles, frame * kTileRowStep));
    }
    EXPECT_EQ(faces.size(), static_cast<size_t>(kTileFrames));
}

TEST(ArtworkFunnelSheet, HoldsThreeDifferentPicturesSideBySide) {
    const Bitmap funnels("trichter.bmp");
    ASSERT_TRUE(funnels.loaded()) << SDL_GetError();
    ASSERT_EQ(funnels.width() % kFunnelFrames, 0);
    const int fw = funnels.width() / kFunnelFrames;
    for (int frame = 0; frame < kFunnelFrames; ++frame) {
        EXPECT_GT(funnels.opaqueIn(frame * fw, 0, fw, funnels.height()), 0) << "picture " << frame;
    }
    EXPECT_FALSE(sameColumnOfPixels(funnels, 0, fw, fw));
    EXPECT_FALSE(sameColumnOfPixels(funnels, fw, 2 * fw, fw));
    EXPECT_FALSE(sameColumnOfPixels(funnels, 0, 2 * fw, fw));
}

TEST(ArtworkFunnelSheet, HeightLetsTheTileLeavingTheLastCellLandOnThePaddle) {
    const Bitmap funnels("trichter.bmp");
    ASSERT_TRUE(funnels.loaded()) << SDL_GetError();
    const int nextStepTop = laneCellTop(kLastLaneCell) + kCellStep;
    EXPECT_EQ(nextStepTop, carrySlotTop(funnels.height()));
}

TEST(ArtworkFunnelSheet, ChuteIsOpenWhereTilesFallBelowTheMouthLip) {
    const Bitmap funnels("trichter.bmp");
    ASSERT_TRUE(funnels.loaded()) << SDL_GetError();
    const int fw = funnels.width() / kFunnelFrames;
    const int tileWidth = fw - 2 * kChuteInset;
    // Only the hopper's lip may cross the chute, and it must be thinner than half a tile so a
    // tile passing behind it never disappears.
    const int lipRows = kTileRowStep / 2;
    for (int frame = 0; frame < kFunnelFrames; ++frame) {
        EXPECT_EQ(funnels.opaqueIn(frame * fw + kChuteInset, lipRows, tileWidth,
                                   funnels.height() - lipRows),
                  0)
            << "picture " << frame;
    }
}

TEST(ArtworkBasket, SpansTheFiveColumnsAndTheBottomCell) {
    const Bitmap funnels("trichter.bmp");
    const Bitmap basket("korb.bmp");
    ASSERT_TRUE(funnels.loaded() && basket.loaded()) << SDL_GetError();
    const int pitch = funnels.width() / kFunnelFrames + kLaneGap;
    const int tileWidth = funnels.width() / kFunnelFrames - 2 * kChuteInset;
    const int lastColumnRight =
        kBasketLeftOfFunnel + kChuteInset + (kLanes - 1) * pitch + tileWidth;
    EXPECT_GE(basket.width(), lastColumnRight);
    EXPECT_GE(basket.height(), basketCellTop(0) + kTileRowStep);
}

TEST(ArtworkBasket, EveryCellShowsTheTileBehindIt) {
    const Bitmap funnels("trichter.bmp");
    const Bitmap basket("korb.bmp");
    ASSERT_TRUE(funnels.loaded() && basket.loaded()) << SDL_GetError();
    const int pitch = funnels.width() / kFunnelFrames + kLaneGap;
    const int tileWidth = funnels.width() / kFunnelFrames - 2 * kChuteInset;
    for (int column = 0; column < kLanes; ++column) {
        const int left = kBasketLeftOfFunnel + kChuteInset + column * pitch;
        for (int cell = 0; cell < kBasketCells; ++cell) {
            EXPECT_EQ(basket.opaqueIn(left, basketCellTop(cell), tileWidth, kTileRowStep), 0)
                << "column " << column << ", cell " << cell;
        }
    }
}

TEST(ArtworkBasket, DrawsAFrameAroundTheCells) {
    const Bitmap basket("korb.bmp");
    ASSERT_TRUE(basket.loaded()) << SDL_GetError();
    // The strip left of the first column and the rows below the bottom cell hold the crate.
    EXPECT_GT(basket.opaqueIn(0, 0, kBasketLeftOfFunnel + kChuteInset, basket.height()), 0);
    const int floorTop = basketCellTop(0) + kTileRowStep;
    EXPECT_GT(basket.opaqueIn(0, floorTop, basket.width(), basket.height() - floorTop), 0);
}
