// The stage in its window: the scale the desktop has room for, where a click lands, and what
// changed since the last picture. The pictures themselves are compared on real displays, in the
// end-to-end runs.
#include <gtest/gtest.h>

#include <vector>

#include "stage_copy.h"
#include "window_layout.h"

namespace {

TEST(WindowLayout, TheLargestWholeScaleThatLeavesRoomAroundTheWindow) {
    const struct {
        PixelSize desktop;
        int scale;
    } cases[] = {
        {{0, 0}, 1},       {{1024, 768}, 1},  {{1920, 1080}, 1}, {{1777, 1333}, 1},
        {{1778, 1334}, 2}, {{2560, 1440}, 2}, {{3840, 2160}, 3}, {{5120, 2880}, 4},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(largestWindowScale(c.desktop), c.scale) << c.desktop.w << "x" << c.desktop.h;
    }
}

TEST(WindowLayout, FullscreenCentresTheLargestScaleThatFits) {
    const struct {
        PixelSize desktop;
        WindowLayout layout;
    } cases[] = {
        {{1920, 1080}, {1, 560, 240, {1920, 1080}}},
        {{2048, 1536}, {2, 224, 168, {2048, 1536}}},
        {{3840, 2160}, {3, 720, 180, {3840, 2160}}},
        {{640, 480}, {1, 0, 0, {800, 600}}},
        {{0, 0}, {1, 0, 0, {800, 600}}},
    };
    for (const auto& c : cases) {
        const WindowLayout layout = fullscreenLayout(c.desktop);
        EXPECT_EQ(layout.scale, c.layout.scale) << c.desktop.w << "x" << c.desktop.h;
        EXPECT_EQ(layout.left, c.layout.left) << c.desktop.w << "x" << c.desktop.h;
        EXPECT_EQ(layout.top, c.layout.top) << c.desktop.w << "x" << c.desktop.h;
        EXPECT_EQ(layout.window.w, c.layout.window.w) << c.desktop.w << "x" << c.desktop.h;
        EXPECT_EQ(layout.window.h, c.layout.window.h) << c.desktop.w << "x" << c.desktop.h;
    }
}

TEST(WindowLayout, AClickActsOnTheStagePixelBeneathItAndBesideTheStageOnNothing) {
    const WindowLayout centred = {2, 224, 168, {2048, 1536}};
    const struct {
        int x, y;
        bool onStage;
        int stageX, stageY;
    } cases[] = {
        {224, 168, true, 0, 0},       {225, 169, true, 0, 0},   {226, 170, true, 1, 1},
        {1823, 1367, true, 799, 599}, {223, 168, false, 0, 0},  {224, 167, false, 0, 0},
        {1824, 400, false, 0, 0},     {400, 1368, false, 0, 0},
    };
    for (const auto& c : cases) {
        int x = -1;
        int y = -1;
        EXPECT_EQ(windowToStage(centred, c.x, c.y, &x, &y), c.onStage) << c.x << "," << c.y;
        if (c.onStage) {
            EXPECT_EQ(x, c.stageX) << c.x << "," << c.y;
            EXPECT_EQ(y, c.stageY) << c.x << "," << c.y;
        }
    }
}

// Only the rows that changed, as wide as the columns that changed in them.
TEST(StageCopy, ChangedAreasCoverEveryDifferenceAndNothingElse) {
    constexpr int kWidth = 8;
    constexpr int kHeight = 6;
    std::vector<Uint8> before(kWidth * kHeight, 0);
    std::vector<Uint8> now = before;
    now[1 * kWidth + 2] = 5;  // rows 1 and 2, columns 2 to 6: one area
    now[2 * kWidth + 6] = 5;
    now[5 * kWidth + 0] = 7;  // the last row, first column: another
    std::vector<SDL_Rect> areas;
    findChangedAreas({now.data(), kWidth}, {before.data(), kWidth}, kWidth, kHeight, &areas);
    ASSERT_EQ(areas.size(), 2u);
    EXPECT_EQ(areas[0].x, 2);
    EXPECT_EQ(areas[0].y, 1);
    EXPECT_EQ(areas[0].w, 5);
    EXPECT_EQ(areas[0].h, 2);
    EXPECT_EQ(areas[1].x, 0);
    EXPECT_EQ(areas[1].y, 5);
    EXPECT_EQ(areas[1].w, 1);
    EXPECT_EQ(areas[1].h, 1);

    areas.clear();
    findChangedAreas({now.data(), kWidth}, {now.data(), kWidth}, kWidth, kHeight, &areas);
    EXPECT_TRUE(areas.empty());
}

}  // namespace
