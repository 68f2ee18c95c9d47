// The real game, started under the test X server and driven with xdotool like a player would.
#pragma once

#include <sys/types.h>

#include <functional>
#include <string>
#include <vector>

#include "e2e/screenshot.h"
#include "support/child_process.h"

// The SDL 1.2 the suite runs the game on: $PLIMSDL_E2E_SDL_DIR, or empty for classic SDL 1.2.
std::string suiteSdlLibraryDir();

// Input goes through xdotool and the X server, which keep its order; a test that needs an
// input's effect before its next step waits for it with waitFor. Every wait is bounded.
// How a test starts the game, beyond its folder and its SDL.
struct GameStart {
    bool standardStreamsClosed = false;    // instead of into files of the work folder
    int stackKilobytes = 0;                // a stack of at most this (0: as the test's own)
    std::vector<std::string> arguments;    // on the game's command line
    std::vector<std::string> environment;  // "NAME=value" added to the game's
};

class GameProcess {
public:
    // Starts build/plimsdl in `workDir` on the current DISPLAY (video driver left to SDL), with
    // the SDL 1.2 found in `sdlLibraryDir` (empty: the system's classic SDL 1.2), and as `how`
    // says.
    explicit GameProcess(const std::string& workDir,
                         const std::string& sdlLibraryDir = suiteSdlLibraryDir(),
                         const GameStart& how = {});
    // Kills the game if it still runs.
    ~GameProcess() = default;
    GameProcess(const GameProcess&) = delete;
    GameProcess& operator=(const GameProcess&) = delete;

    // Waits for the window titled "PlimSDL", focuses it and notes where it is. Throws
    // std::runtime_error with the game's exit code and standard error when no window shows in
    // time, at once when the game has ended.
    void waitForWindow(double seconds = 10);

    // Presses keys by xdotool's names ("Return", "Down", "space"), separated by spaces.
    void key(const std::string& names);
    // Holds the key of xdotool's name `name` down for `seconds`.
    void hold(const std::string& name, double seconds);
    // Clicks button 1 at a position inside the window.
    void click(int x, int y);
    // Asks the window to close, as the close button of a window manager would.
    void close();
    Screenshot shot() const;
    // The whole screen, as it shows the game in fullscreen.
    static Screenshot screenShot();
    // Takes screenshots until `done` holds for one, or the time is up; returns the last one.
    Screenshot waitFor(const std::function<bool(const Screenshot&)>& done, double seconds = 5);
    // The same, and the test fails, naming `what`, when `done` never held.
    Screenshot expectEventually(const std::function<bool(const Screenshot&)>& done,
                                const std::string& what, double seconds = 5);

    // The exit code once the game has ended, or -1 if it is still running after `seconds`
    // (or was killed).
    int waitForExit(double seconds = 5);
    std::string errors() const;
    pid_t pid() const { return game_.pid(); }
    // Its peak resident memory in kilobytes, once it has ended.
    long peakKilobytes() const { return game_.peakKilobytes(); }
    const std::string& window() const { return window_; }
    // The OpenGL libraries mapped into the running game (libGL, Mesa's, LLVM), a path a line.
    std::string openGlLibrariesMapped() const;

private:
    std::string workDir_;
    ChildProcess game_;
    std::string window_;
};

// The colour the game's 8-bit display shows for (r, g, b): the nearest of its 256 colours.
Rgb screenColour(int r, int g, int b);
