// The real game, started under the test X server and driven with xdotool like a player would.
#include "e2e/game_process.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "e2e/window_close.h"
#include "support/program_run.h"
#include "support/whole_file.h"

namespace {

using Clock = std::chrono::steady_clock;

// The longest any helper program (xdotool, ImageMagick) may take before the test fails.
constexpr double kToolSeconds = 20;

Clock::time_point after(double seconds) {
    return Clock::now() + std::chrono::milliseconds(static_cast<long>(seconds * 1000));
}

void pause(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

// The nearest of `levels` evenly spread channel values, as the display's palette holds them.
int nearestLevel(int value, int levels) {
    int best = 0;
    for (int i = 0; i < levels; ++i) {
        const int level = (i * 255 + (levels - 1) / 2) / (levels - 1);
        if (std::abs(level - value) < std::abs(best - value)) {
            best = level;
        }
    }
    return best;
}

Launch gameLaunch(const std::string& workDir, const std::string& sdlLibraryDir,
                  const GameStart& how) {
    Launch launch;
    launch.argv = {PLIMSDL_BINARY};
    launch.argv.insert(launch.argv.end(), how.arguments.begin(), how.arguments.end());
    if (how.stackKilobytes > 0) {
        // As `ulimit -s` would; prlimit starts the game in its own place, so its exit is the
        // game's.
        launch.argv.insert(
            launch.argv.begin(),
            {"prlimit", "--stack=" + std::to_string(how.stackKilobytes * 1024), "--"});
    }
    launch.workDir = workDir;
    // The unit tests' dummy display must not leak into a run on the real X server, under either
    // name (sdl2-compat copies SDL_VIDEODRIVER into SDL3's SDL_VIDEO_DRIVER when it loads).
    launch.environment = {"SDL_VIDEODRIVER", "SDL_VIDEO_DRIVER", "SDL_AUDIODRIVER=dummy",
                          privateRuntimeDir(workDir)};
    launch.environment.insert(launch.environment.end(), how.environment.begin(),
                              how.environment.end());
    // Runs against another build of SDL 1.2 (sdl12-compat) when the test asks for it.
    if (!sdlLibraryDir.empty()) {
        launch.environment.push_back("LD_LIBRARY_PATH=" + sdlLibraryDir);
    }
    launch.outPath = workDir + "/.stdout";
    launch.errPath = workDir + "/.stderr";
    launch.standardStreamsClosed = how.standardStreamsClosed;
    return launch;
}

// A helper program's standard output; its complaints are dropped when `quiet`.
std::string outputOfTool(const std::vector<std::string>& argv, bool quiet, int* exitCode) {
    Launch launch;
    launch.argv = argv;
    launch.errPath = quiet ? "/dev/null" : "";
    return outputOf(launch, exitCode, kToolSeconds);
}

// Runs xdotool to send input; a failure to send is the test's failure.
void xdotool(const std::vector<std::string>& arguments) {
    std::vector<std::string> argv = {"xdotool"};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    int exitCode = -1;
    outputOfTool(argv, false, &exitCode);
    if (exitCode != 0) {
        throw std::runtime_error("xdotool " + arguments.at(0) + " failed");
    }
}

}  // namespace

Rgb screenColour(int r, int g, int b) {
    // SDL's 8-bit display has three bits of red and green and two of blue.
    return Rgb{static_cast<std::uint8_t>(nearestLevel(r, 8)),
               static_cast<std::uint8_t>(nearestLevel(g, 8)),
               static_cast<std::uint8_t>(nearestLevel(b, 4))};
}

std::string suiteSdlLibraryDir() {
    const char* dir = std::getenv("PLIMSDL_E2E_SDL_DIR");
    return dir != nullptr ? dir : "";
}

GameProcess::GameProcess(const std::string& workDir, const std::string& sdlLibraryDir,
                         const GameStart& how)
    : workDir_(workDir), game_(gameLaunch(workDir, sdlLibraryDir, how)) {}

void GameProcess::waitForWindow(double seconds) {
    const auto deadline = after(seconds);
    while (Clock::now() < deadline && game_.running()) {
        std::istringstream found(outputOfTool(
            {"xdotool", "search", "--onlyvisible", "--name", "^PlimSDL$"}, true, nullptr));
        if (found >> window_) {
            outputOfTool({"timeout", "5", "xdotool", "windowfocus", "--sync", window_}, true,
                         nullptr);
            return;
        }
        pause(50);
    }
    game_.waitForEnd(1);
    throw std::runtime_error("no game window; exit code " + std::to_string(game_.exitCode()) +
                             " (-1: still running or killed); the game said: " + errors());
}

void GameProcess::key(const std::string& names) {
    std::vector<std::string> arguments = {"key", "--delay", "40"};
    std::istringstream words(names);
    for (std::string name; words >> name;) {
        arguments.push_back(name);
    }
    xdotool(arguments);
}

void GameProcess::hold(const std::string& name, double seconds) {
    xdotool({"keydown", name, "sleep", std::to_string(seconds), "keyup", name});
}

void GameProcess::click(int x, int y) {
    xdotool({"mousemove", "--window", window_, std::to_string(x), std::to_string(y), "click", "1"});
}

void GameProcess::close() {
    requestWindowClose(window_);
}

Screenshot GameProcess::shot() const {
    return Screenshot::fromPpm(outputOfTool(
        {"import", "-silent", "-window", window_, "-depth", "8", "ppm:-"}, false, nullptr));
}

Screenshot GameProcess::screenShot() {
    return Screenshot::fromPpm(outputOfTool(
        {"import", "-silent", "-window", "root", "-depth", "8", "ppm:-"}, false, nullptr));
}

Screenshot GameProcess::waitFor(const std::function<bool(const Screenshot&)>& done,
                                double seconds) {
    const auto deadline = after(seconds);
    Screenshot last = shot();
    while (!done(last) && Clock::now() < deadline) {
        pause(50);
        last = shot();
    }
    return last;
}

Screenshot GameProcess::expectEventually(const std::function<bool(const Screenshot&)>& done,
                                         const std::string& what, double seconds) {
    Screenshot last = waitFor(done, seconds);
    EXPECT_TRUE(done(last)) << what << " did not show within " << seconds << " s";
    return last;
}

int GameProcess::waitForExit(double seconds) {
    return game_.waitForEnd(seconds) ? game_.exitCode() : -1;
}

std::string GameProcess::errors() const {
    return readWholeFile(workDir_ + "/.stderr");
}

std::string GameProcess::openGlLibrariesMapped() const {
    const std::string mapped = readWholeFile("/proc/" + std::to_string(game_.pid()) + "/maps");
    if (mapped.empty()) {
        return "(the game's maps could not be read)\n";  // never an empty answer by accident
    }
    std::istringstream maps(mapped);
    std::string found;
    for (std::string line; std::getline(maps, line);) {
        const std::string path = line.substr(std::min(line.find('/'), line.size()));
        const std::string name = path.substr(path.rfind('/') + 1);
        for (const char* library : {"libGL", "libEGL", "libOpenGL", "libgallium", "libLLVM"}) {
            if (name.rfind(library, 0) == 0 && found.find(path + '\n') == std::string::npos) {
                found += path + '\n';
            }
        }
    }
    return found;
}
