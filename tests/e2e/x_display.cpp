// A private X server (Xvfb) for the end-to-end tests, started on a free display number.
#include "e2e/x_display.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <thread>

namespace {

constexpr int kFirstDisplay = 91;
constexpr int kLastDisplay = 199;

bool exists(const std::string& path) {
    return access(path.c_str(), F_OK) == 0;
}

}  // namespace

std::string runCommand(const std::string& command, int* status) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        throw std::runtime_error("cannot run " + command);
    }
    std::array<char, 4096> chunk;
    size_t got;
    while ((got = fread(chunk.data(), 1, chunk.size(), pipe)) > 0) {
        output.append(chunk.data(), got);
    }
    const int result = pclose(pipe);
    if (status != nullptr) {
        *status = WIFEXITED(result) ? WEXITSTATUS(result) : -1;
    }
    return output;
}

XDisplay::XDisplay() {
    for (int number = kFirstDisplay; number <= kLastDisplay; ++number) {
        const std::string lock = "/tmp/.X" + std::to_string(number) + "-lock";
        const std::string socket = "/tmp/.X11-unix/X" + std::to_string(number);
        if (exists(lock) || exists(socket)) {
            continue;
        }
        name_ = ":" + std::to_string(number);
        server_ = fork();
        if (server_ == 0) {
            freopen("/dev/null", "w", stderr);
            execlp("Xvfb", "Xvfb", name_.c_str(), "-screen", "0", "1024x768x24", "-nolisten", "tcp",
                   "-noreset", static_cast<char*>(nullptr));
            _exit(127);
        }
        setenv("DISPLAY", name_.c_str(), 1);
        for (int wait = 0; wait < 100; ++wait) {
            int status = -1;
            runCommand("xdotool getdisplaygeometry 2>/dev/null", &status);
            if (status == 0) {
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        kill(server_, SIGTERM);
        waitpid(server_, nullptr, 0);
    }
    throw std::runtime_error("no X server could be started");
}

XDisplay::~XDisplay() {
    if (server_ > 0) {
        kill(server_, SIGTERM);
        waitpid(server_, nullptr, 0);
    }
}
