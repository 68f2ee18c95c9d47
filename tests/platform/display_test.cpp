// The game's window: no game on a display nobody sees, and the cheap presentation path of SDL2
// and SDL3 that never costs a window nor overrides the player.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "display.h"
#include "support/program_run.h"
#include "support/work_dir.h"
#include "video_defaults.h"

namespace {

TEST(Display, OnlyDriversThatShowNothingAndWereNotAskedForAreRefused) {
    struct Case {
        const char* driver;
        const char* requested;      // SDL_VIDEODRIVER, or null when unset
        const char* requestedSdl3;  // SDL_VIDEO_DRIVER, likewise
        bool refused;
    };
    const Case cases[] = {
        {"caca", nullptr, nullptr, true},
        {"offscreen", nullptr, nullptr, true},
        {"aalib", "x11", nullptr, true},
        {"dummy", "dummyish", "x11", true},
        {"dummy", "dummy", nullptr, false},
        {"offscreen", "x11,OFFSCREEN", nullptr, false},
        {"dummy", nullptr, "wayland,dummy", false},
        {"x11", nullptr, nullptr, false},
        {"wayland", nullptr, nullptr, false},
        {"fbcon", "", nullptr, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(isUnseenFallback(c.driver, c.requested, c.requestedSdl3), c.refused)
            << c.driver << " with SDL_VIDEODRIVER " << (c.requested ? c.requested : "unset")
            << " and SDL_VIDEO_DRIVER " << (c.requestedSdl3 ? c.requestedSdl3 : "unset");
    }
}

constexpr const char* kRenderDriver = "SDL_RENDER_DRIVER";
constexpr const char* kAcceleration = "SDL_FRAMEBUFFER_ACCELERATION";
constexpr const char* kOpenGlLibrary = "SDL_OPENGL_LIBRARY";

std::string valueOf(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "(unset)";
}

// Stands in for SDL_SetVideoMode: notes the render driver and the OpenGL library it was asked
// for, and shows a window unless that is the software renderer (as on a display without a
// framebuffer of its own).
std::vector<std::string> g_triedWith;
SDL_Surface g_shownScreen;

void noteTry() {
    g_triedWith.push_back(valueOf(kRenderDriver) + " " + valueOf(kOpenGlLibrary));
}

SDL_Surface* failsWithSoftwareRenderer(int, int, int, Uint32) {
    noteTry();
    return valueOf(kRenderDriver) == "software" ? nullptr : &g_shownScreen;
}

SDL_Surface* alwaysFails(int, int, int, Uint32) {
    noteTry();
    return nullptr;
}

// Stands in for ending and starting SDL again, which SDL3 needs to see a changed environment.
bool notesRestart() {
    g_triedWith.emplace_back("restart");
    return true;
}

void setOrUnset(const char* name, const char* value) {
    if (value != nullptr) {
        setenv(name, value, 1);
    } else {
        unsetenv(name);
    }
}

TEST(PresentationDefaults, NeverOverrideThePlayerAndAreWithdrawnForOneMoreTryAfterARestart) {
    const struct {
        const char* playersRenderer;       // what the player set, or null
        const char* playersAcceleration;   // likewise
        const char* playersOpenGlLibrary;  // likewise
        SDL_Surface* (*setVideoMode)(int, int, int, Uint32);
        std::vector<std::string> triedWith;  // renderer and OpenGL library at each try; restarts
        const char* rendererAfter;
        const char* accelerationAfter;
        bool shown;
    } cases[] = {
        // Ours, failing where the software renderer has no framebuffer: withdrawn, tried again.
        {nullptr,
         nullptr,
         nullptr,
         failsWithSoftwareRenderer,
         {"software /dev/null", "restart", "(unset) (unset)"},
         "(unset)",
         "(unset)",
         true},
        // The player's OpenGL library stays through the second try.
        {nullptr,
         nullptr,
         "libGL.so.1",
         failsWithSoftwareRenderer,
         {"software libGL.so.1", "restart", "(unset) libGL.so.1"},
         "(unset)",
         "(unset)",
         true},
        // The player's renderer stays, and OpenGL is left to SDL; only our default goes.
        {"opengl",
         nullptr,
         nullptr,
         alwaysFails,
         {"opengl (unset)", "restart", "opengl (unset)"},
         "opengl",
         "(unset)",
         false},
        // Both the player's: nothing to withdraw, no second try.
        {"opengl", "1", nullptr, alwaysFails, {"opengl (unset)"}, "opengl", "1", false},
    };
    for (const auto& c : cases) {
        setOrUnset(kRenderDriver, c.playersRenderer);
        setOrUnset(kAcceleration, c.playersAcceleration);
        setOrUnset(kOpenGlLibrary, c.playersOpenGlLibrary);
        g_triedWith.clear();
        setVideoDefaults();
        EXPECT_EQ(valueOf(kAcceleration), c.playersAcceleration ? c.playersAcceleration : "0");
        EXPECT_EQ(openGameScreen({800, 600}, 0, {c.setVideoMode, notesRestart}) == &g_shownScreen,
                  c.shown);
        EXPECT_EQ(g_triedWith, c.triedWith);
        EXPECT_EQ(valueOf(kRenderDriver), c.rendererAfter);
        EXPECT_EQ(valueOf(kAcceleration), c.accelerationAfter);
        withdrawPresentationDefaults();
    }
    for (const char* name : {kRenderDriver, kAcceleration, kOpenGlLibrary}) {
        unsetenv(name);
    }
}

bool answers() {
    return true;
}
bool staysSilent() {
    return false;
}

// X11 only on a Wayland desktop whose X server answers, and never over the player's driver.
TEST(PresentationDefaults, X11WhereAWaylandDesktopHasAnXServerThatAnswers) {
    constexpr const char* kDriver = "SDL_VIDEODRIVER";
    constexpr const char* kSdl3Driver = "SDL_VIDEO_DRIVER";
    const std::string unitTestsDriver = valueOf(kDriver);
    const struct {
        const char* display;
        const char* waylandDisplay;
        const char* playersDriver;
        bool (*xServer)();
        const char* driverAfter;  // SDL_VIDEODRIVER and SDL_VIDEO_DRIVER alike
        const char* playersAfter;
    } cases[] = {
        {":0", "wayland-0", nullptr, answers, "x11", "(none)"},
        {":0", "wayland-0", nullptr, staysSilent, "(unset)", "(none)"},
        {":0", "wayland-0", "wayland", answers, "wayland", "wayland"},
        {":0", nullptr, nullptr, answers, "(unset)", "(none)"},
        {nullptr, "wayland-0", nullptr, answers, "(unset)", "(none)"},
    };
    for (const auto& c : cases) {
        setOrUnset("DISPLAY", c.display);
        setOrUnset("WAYLAND_DISPLAY", c.waylandDisplay);
        setOrUnset(kDriver, c.playersDriver);
        setOrUnset(kSdl3Driver, c.playersDriver);
        setVideoDefaults(c.xServer);
        const std::string where = std::string(c.display ? c.display : "-") + " " +
                                  (c.waylandDisplay ? c.waylandDisplay : "-");
        EXPECT_EQ(valueOf(kDriver), c.driverAfter) << where;
        EXPECT_EQ(valueOf(kSdl3Driver), c.driverAfter) << where;
        const char* players = playersVideoDriver();
        EXPECT_STREQ(players != nullptr ? players : "(none)", c.playersAfter) << where;
        withdrawPresentationDefaults();
        if (std::string(c.driverAfter) == "x11") {
            EXPECT_EQ(valueOf(kDriver), "(unset)") << "withdrawn, " << where;
        }
    }
    setenv(kDriver, unitTestsDriver.c_str(), 1);
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", kSdl3Driver, kRenderDriver,
                             kAcceleration, kOpenGlLibrary}) {
        unsetenv(name);
    }
}

// With a terminal or without (as cron and service managers start programs), where classic SDL's
// text-mode driver would end the process before the game could say why.
TEST(Program, WithoutAnyDisplayEndsWithCode1InsteadOfRunningUnseen) {
    WorkDir work;
    work.copyGameData();
    for (const char* terminal : {"TERM=xterm", "TERM"}) {
        const ProgramRun result = runGame(
            work.root(),
            {"DISPLAY", "WAYLAND_DISPLAY", "SDL_VIDEODRIVER", "SDL_VIDEO_DRIVER", terminal}, 10);
        EXPECT_EQ(result.exitCode, 1) << terminal << "; -1: still running after 10 s";
        EXPECT_EQ(gameMessages(result.err), "Fehler bei Bildschirm init.!\n") << result.err;
    }
}

}  // namespace
