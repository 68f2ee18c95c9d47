// renderText and renderLatin1Text: which texts they render, the size they use, SDL_ttf's state.
#include "text.h"

#include <SDL_ttf.h>

#include <cstring>
#include <string>

#include "menu_fixture.h"

namespace {

struct Size {
    int w;
    int h;
};

// Renders, frees and reports the size; -1 by -1 when nothing was rendered.
Size renderedSize(SDL_Surface* surface) {
    Size size{-1, -1};
    if (surface != nullptr) {
        size = Size{surface->w, surface->h};
        SDL_FreeSurface(surface);
    }
    return size;
}

}  // namespace

using MenuText = MenuTest;

TEST_F(MenuText, RejectedFirstBytesYieldNullWithoutTouchingTtf) {
    // A missing font makes any attempt to render visible as a changed SDL error.
    setFontPath("Data/missing.ttf");
    for (const char* text : {"", "\x01x", "\xC4pfel"}) {
        SDL_SetError("untouched");
        EXPECT_EQ(renderText(text, 30, itemColour), nullptr);
        EXPECT_STREQ(SDL_GetError(), "untouched");
    }
    TTF_Quit();
    EXPECT_EQ(renderText("", 30, itemColour), nullptr);
    EXPECT_EQ(TTF_WasInit(), 0);

    SDL_SetError("untouched");
    EXPECT_EQ(renderText("Start", 30, itemColour), nullptr);
    EXPECT_STRNE(SDL_GetError(), "untouched");
}

TEST_F(MenuText, LettersBeyondAsciiRenderAfterTheFirst) {
    for (const char* text : {"Gr\xFCn", "Wei\xDF"}) {
        SDL_Surface* surface = renderText(text, 30, itemColour);
        ASSERT_NE(surface, nullptr) << text;
        EXPECT_GT(surface->w, 0);
        SDL_FreeSurface(surface);
    }
}

TEST_F(MenuText, OnlyTheLowEightBitsOfTheSizeCount) {
    const Size at30 = renderedSize(renderText("Einfach", 30, itemColour));
    const Size at286 = renderedSize(renderText("Einfach", 286, itemColour));
    const Size at31 = renderedSize(renderText("Einfach", 31, itemColour));
    ASSERT_GT(at30.w, 0);
    EXPECT_EQ(at286.w, at30.w);
    EXPECT_EQ(at286.h, at30.h);
    EXPECT_NE(at31.h, at30.h);  // the sizes are told apart at all
}

TEST_F(MenuText, InitialisesTtfOnlyForTheCallWhenNobodyHas) {
    TTF_Quit();
    EXPECT_GT(renderedSize(renderText("Start", 30, itemColour)).w, 0);
    EXPECT_EQ(TTF_WasInit(), 0);

    ASSERT_EQ(TTF_Init(), 0);
    EXPECT_GT(renderedSize(renderText("Start", 30, itemColour)).w, 0);
    EXPECT_NE(TTF_WasInit(), 0);
}

TEST_F(MenuText, LongFontPathIsCutToThirtyCharacters) {
    const std::string path = std::string("./././././././") + kMenuFont;  // exactly 30
    ASSERT_EQ(path.size(), 30u);
    setFontPath((path + "-not-this").c_str());
    EXPECT_STREQ(g_fontPath, path.c_str());
    EXPECT_GT(renderedSize(renderText("Start", 30, itemColour)).w, 0);
}

// Copying the path onto itself would overlap, which only the sanitizer build sees.
TEST_F(MenuText, FontPathHandedItselfIsNotCopiedOntoItselfUnderTheSanitizers) {
    setFontPath(g_fontPath);
    EXPECT_STREQ(g_fontPath, kMenuFont);
}

TEST_F(MenuText, Latin1VariantAlsoRendersNamesStartingWithALetterAbove159) {
    EXPECT_EQ(renderText("\xD6zil", 30, highlightColour), nullptr);
    EXPECT_GT(renderedSize(renderLatin1Text("\xD6zil", 30, highlightColour)).w, 0);
    EXPECT_GT(renderedSize(renderLatin1Text("Ada", 30, highlightColour)).w, 0);
    for (const char* text : {"", "\x01x", "\x7Fx", "\x85x"}) {
        EXPECT_EQ(renderLatin1Text(text, 30, highlightColour), nullptr);
    }
}
