// Test fixture: the dummy screen as the menu screen, the repository's font and no menu set.
#pragma once

#include "support/dummy_screen.h"
#include "text.h"

// Relative to the repository root, the tests' working directory, so it fits the 30 characters.
constexpr const char* kMenuFont = "Data/boulder.ttf";

class MenuTest : public DummyScreenTest {
protected:
    void SetUp() override {
        DummyScreenTest::SetUp();
        g_menuScreen = screen;
        setFontPath(kMenuFont);
        g_menuSet = nullptr;
    }

    void clearScreen() { SDL_FillRect(screen, nullptr, 0); }
    bool screenIsBlack() { return litPixels(screen, 0, 0, screen->w, screen->h) == 0; }
};

// Records what the element callbacks receive.
struct CallbackLog {
    static inline int calls = 0;
    static inline Sint32 lastValue = 0;
    static void record(Sint32 value) {
        ++calls;
        lastValue = value;
    }
    static void reset() {
        calls = 0;
        lastValue = 0;
    }
};
