// The real game, started under the test X server and driven with xdotool like a player would.
#include "e2e/game_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <thread>

#include "e2e/window_close.h"
#include "e2e/x_display.h"

namespace {

using Clock = std::chrono::steady_clock;

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

GameProcess::GameProcess(const std::string& workDir, const std::string& sdlLibraryDir)
    : workDir_(workDir) {
    pid_ = fork();
    if (pid_ == 0) {
        if (chdir(workDir.c_str()) != 0) {
            _exit(127);
        }
        const int out = open(".stdout", O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = open(".stderr", O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(out, STDOUT_FILENO);
        dup2(err, STDERR_FILENO);
        // The unit tests' dummy display must not leak into a run on the real X server.
        unsetenv("SDL_VIDEODRIVER");
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        // Runs against another build of SDL 1.2 (sdl12-compat) when the test asks for it.
        if (!sdlLibraryDir.empty()) {
            setenv("LD_LIBRARY_PATH", sdlLibraryDir.c_str(), 1);
        }
        execl(PLIMSDL_BINARY, PLIMSDL_BINARY, static_cast<char*>(nullptr));
        _exit(127);
    }
}

GameProcess::~GameProcess() {
    if (pid_ > 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
}

bool GameProcess::waitForWindow(double seconds) {
    const auto deadline = after(seconds);
    while (Clock::now() < deadline) {
        std::istringstream found(
            runCommand("xdotool search --onlyvisible --name '^PlimSDL$' 2>/dev/null"));
        if (found >> window_) {
            runCommand("timeout 5 xdotool windowfocus --sync " + window_ + " 2>/dev/null");
            return true;
        }
        pause(50);
    }
    return false;
}

void GameProcess::key(const std::string& names) {
    runCommand("xdotool key --delay 40 " + names);
    pause(80);  // a few passes of the game's loop
}

void GameProcess::click(int x, int y) {
    runCommand("xdotool mousemove --window " + window_ + " " + std::to_string(x) + " " +
               std::to_string(y) + " click 1");
    pause(80);
}

void GameProcess::close() {
    requestWindowClose(window_);
    pause(80);
}

Screenshot GameProcess::shot() const {
    return Screenshot::fromPpm(runCommand("import -silent -window " + window_ + " -depth 8 ppm:-"));
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

int GameProcess::waitForExit(double seconds) {
    const auto deadline = after(seconds);
    int status = 0;
    while (Clock::now() < deadline) {
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        pause(20);
    }
    return -1;
}

std::string GameProcess::errors() const {
    std::ifstream in(workDir_ + "/.stderr", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
