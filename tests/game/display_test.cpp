// The game's window: no game on a display nobody sees, and SDL2's cheap presentation path that
// never costs a window nor overrides the player.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "display.h"
#include "support/program_run.h"
#include "support/work_dir.h"

namespace {

TEST(Display, OnlyDriversThatShowNothingAndWereNotAskedForAreRefused) {
    struct Case {
        const char* driver;
        const char* requested;  // SDL_VIDEODRIVER, or null when unset
        bool refused;
    };
    const Case cases[] = {
        {"caca", nullptr, true},   {"offscreen", nullptr, true},
        {"aalib", "x11", true},    {"dummy", "dummyish", true},
        {"dummy", "dummy", false}, {"offscreen", "x11,OFFSCREEN", false},
        {"x11", nullptr, false},   {"wayland", nullptr, false},
        {"fbcon", "", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(isUnseenFallback(c.driver, c.requested), c.refused)
            << c.driver << " with SDL_VIDEODRIVER " << (c.requested ? c.requested : "unset");
    }
}

constexpr const char* kRenderDriver = "SDL_RENDER_DRIVER";
constexpr const char* kAcceleration = "SDL_FRAMEBUFFER_ACCELERATION";

std::string valueOf(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "(unset)";
}

// Stands in for SDL_SetVideoMode: notes the render driver it was asked for, and shows a window
// unless that is the software renderer (as on a display without a framebuffer of its own).
std::vector<std::string> g_triedWith;
SDL_Surface g_shownScreen;

SDL_Surface* failsWithSoftwareRenderer(int, int, int, Uint32) {
    g_triedWith.push_back(valueOf(kRenderDriver));
    return valueOf(kRenderDriver) == "software" ? nullptr : &g_shownScreen;
}

SDL_Surface* alwaysFails(int, int, int, Uint32) {
    g_triedWith.push_back(valueOf(kRenderDriver));
    return nullptr;
}

void setOrUnset(const char* name, const char* value) {
    if (value != nullptr) {
        setenv(name, value, 1);
    } else {
        unsetenv(name);
    }
}

TEST(PresentationDefaults, NeverOverrideThePlayerAndAreWithdrawnForOneMoreTry) {
    const struct {
        const char* playersRenderer;      // what the player set, or null
        const char* playersAcceleration;  // likewise
        VideoModeCall setVideoMode;
        std::vector<std::string> triedWith;  // the render driver at each try
        const char* rendererAfter;
        const char* accelerationAfter;
        bool shown;
    } cases[] = {
        // Ours, failing where the software renderer has no framebuffer: withdrawn, tried again.
        {nullptr,
         nullptr,
         failsWithSoftwareRenderer,
         {"software", "(unset)"},
         "(unset)",
         "(unset)",
         true},
        // The player's renderer stays through the second try; only our default goes.
        {"opengl", nullptr, alwaysFails, {"opengl", "opengl"}, "opengl", "(unset)", false},
        // Both the player's: nothing to withdraw, no second try.
        {"opengl", "1", alwaysFails, {"opengl"}, "opengl", "1", false},
    };
    for (const auto& c : cases) {
        setOrUnset(kRenderDriver, c.playersRenderer);
        setOrUnset(kAcceleration, c.playersAcceleration);
        g_triedWith.clear();
        preferSoftwarePresentation();
        EXPECT_EQ(valueOf(kAcceleration), c.playersAcceleration ? c.playersAcceleration : "0");
        EXPECT_EQ(openGameScreen(0, c.setVideoMode) == &g_shownScreen, c.shown);
        EXPECT_EQ(g_triedWith, c.triedWith);
        EXPECT_EQ(valueOf(kRenderDriver), c.rendererAfter);
        EXPECT_EQ(valueOf(kAcceleration), c.accelerationAfter);
        withdrawPresentationDefaults();
    }
    unsetenv(kRenderDriver);
    unsetenv(kAcceleration);
}

TEST(Program, WithoutAnyDisplayEndsWithCode1InsteadOfRunningUnseen) {
    WorkDir work;
    work.copyGameData();
    const ProgramRun result =
        runGame(work.root(), {"DISPLAY", "WAYLAND_DISPLAY", "SDL_VIDEODRIVER"}, 10);
    EXPECT_EQ(result.exitCode, 1) << "it ran on unseen (-1: still running after 10 s)";
    const std::string message = "Fehler bei Bildschirm init.!\n";
    ASSERT_GE(result.err.size(), message.size()) << result.err;
    EXPECT_EQ(result.err.substr(result.err.size() - message.size()), message);
}

}  // namespace
