// The tile, funnel and basket bitmaps fit the way the game cuts and places them.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>

#include "support/bitmap.h"
#include "playfield.h"

namespace {

std::tuple<int, int, int> key(SDL_Color c) {
    return {c.r, c.g, c.b};
}

// The colour covering most of a tile picture: its face.
std::tuple<int, int, int> mainColour(const Bitmap& sheet, int top) {
    std::map<std::tuple<int, int, int>, int> counts;
    for (int y = top; y < top + kTileFramePitch; ++y) {
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
    EXPECT_EQ(tiles.height(), kTileColours * kTileFramePitch);
    EXPECT_EQ(tiles.width(), funnels.width() / kFunnelFrameCount - 2 * kTileInset);
}

TEST(ArtworkTileSheet, EveryFrameIsDrawnSolid) {
    const Bitmap tiles("steine.bmp");
    ASSERT_TRUE(tiles.loaded()) << SDL_GetError();
    const int area = tiles.width() * kTileFramePitch;
    for (int frame = 0; frame < kTileColours; ++frame) {
        // Nearly every pixel opaque: a block, not an outline.
        EXPECT_GT(tiles.opaqueIn(0, frame * kTileFramePitch, tiles.width(), kTileFramePitch),
                  area * 9 / 10)
            << "colour " << frame + 1;
    }
}

TEST(ArtworkTileSheet, EightColoursHaveDifferentFaces) {
    const Bitmap tiles("steine.bmp");
    ASSERT_TRUE(tiles.loaded()) << SDL_GetError();
    std::set<std::tuple<int, int, int>> faces;
    for (int frame = 0; frame < kTileColours; ++frame) {
        faces.insert(mainColour(tiles, frame * kTileFramePitch));
    }
    EXPECT_EQ(faces.size(), static_cast<size_t>(kTileColours));
}

TEST(ArtworkFunnelSheet, HoldsThreeDifferentPicturesSideBySide) {
    const Bitmap funnels("trichter.bmp");
    ASSERT_TRUE(funnels.loaded()) << SDL_GetError();
    ASSERT_EQ(funnels.width() % kFunnelFrameCount, 0);
    const int fw = funnels.width() / kFunnelFrameCount;
    for (int frame = 0; frame < kFunnelFrameCount; ++frame) {
        EXPECT_GT(funnels.opaqueIn(frame * fw, 0, fw, funnels.height()), 0) << "picture " << frame;
    }
    EXPECT_FALSE(sameColumnOfPixels(funnels, 0, fw, fw));
    EXPECT_FALSE(sameColumnOfPixels(funnels, fw, 2 * fw, fw));
    EXPECT_FALSE(sameColumnOfPixels(funnels, 0, 2 * fw, fw));
}

TEST(ArtworkFunnelSheet, HeightLetsTheTileLeavingTheLastCellLandOnThePaddle) {
    const Bitmap funnels("trichter.bmp");
    ASSERT_TRUE(funnels.loaded()) << SDL_GetError();
    const int nextStepTop = laneCellTop(kLastCell) + kCellHeight;
    EXPECT_EQ(nextStepTop, paddleBottom(funnels.height()) - 2 * kCarriedTilePitch);
}

TEST(ArtworkFunnelSheet, ChuteIsOpenWhereTilesFallBelowTheMouthLip) {
    const Bitmap funnels("trichter.bmp");
    ASSERT_TRUE(funnels.loaded()) << SDL_GetError();
    const int fw = funnels.width() / kFunnelFrameCount;
    const int tileWidth = fw - 2 * kTileInset;
    // Only the hopper's lip may cross the chute, and it must be thinner than half a tile so a
    // tile passing behind it never disappears.
    const int lipRows = kTileFramePitch / 2;
    for (int frame = 0; frame < kFunnelFrameCount; ++frame) {
        EXPECT_EQ(funnels.opaqueIn(frame * fw + kTileInset, lipRows, tileWidth,
                                   funnels.height() - lipRows),
                  0)
            << "picture " << frame;
    }
}

TEST(ArtworkBasket, SpansTheFiveColumnsAndTheBottomCell) {
    const Bitmap funnels("trichter.bmp");
    const Bitmap basket("korb.bmp");
    ASSERT_TRUE(funnels.loaded() && basket.loaded()) << SDL_GetError();
    const int pitch = funnels.width() / kFunnelFrameCount + kFunnelSpacing;
    const int tileWidth = funnels.width() / kFunnelFrameCount - 2 * kTileInset;
    const int lastColumnRight =
        kBasketLeftOfFunnels + kTileInset + (kLaneCount - 1) * pitch + tileWidth;
    EXPECT_GE(basket.width(), lastColumnRight);
    EXPECT_GE(basket.height(), basketCellOffset(0) + kTileFramePitch);
}

TEST(ArtworkBasket, EveryCellShowsTheTileBehindIt) {
    const Bitmap funnels("trichter.bmp");
    const Bitmap basket("korb.bmp");
    ASSERT_TRUE(funnels.loaded() && basket.loaded()) << SDL_GetError();
    const int pitch = funnels.width() / kFunnelFrameCount + kFunnelSpacing;
    const int tileWidth = funnels.width() / kFunnelFrameCount - 2 * kTileInset;
    for (int column = 0; column < kLaneCount; ++column) {
        const int left = kBasketLeftOfFunnels + kTileInset + column * pitch;
        for (int cell = 0; cell < kBasketDepth; ++cell) {
            EXPECT_EQ(basket.opaqueIn(left, basketCellOffset(cell), tileWidth, kTileFramePitch), 0)
                << "column " << column << ", cell " << cell;
        }
    }
}

TEST(ArtworkBasket, DrawsAFrameAroundTheCells) {
    const Bitmap basket("korb.bmp");
    ASSERT_TRUE(basket.loaded()) << SDL_GetError();
    // The strip left of the first column and the rows below the bottom cell hold the crate.
    EXPECT_GT(basket.opaqueIn(0, 0, kBasketLeftOfFunnels + kTileInset, basket.height()), 0);
    const int floorTop = basketCellOffset(0) + kTileFramePitch;
    EXPECT_GT(basket.opaqueIn(0, floorTop, basket.width(), basket.height() - floorTop), 0);
}
