// A private X server (Xvfb) for the end-to-end tests, started on a free display number.
#include "e2e/x_display.h"

#include <X11/Xlib.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <stdexcept>
#include <thread>

namespace {

constexpr int kFirstDisplay = 91;
constexpr int kLastDisplay = 199;
constexpr auto kStartTime = std::chrono::seconds(10);

bool exists(const std::string& path) {
    return access(path.c_str(), F_OK) == 0;
}

bool acceptsClients(const std::string& name) {
    Display* display = XOpenDisplay(name.c_str());
    if (display == nullptr) {
        return false;
    }
    XCloseDisplay(display);
    return true;
}

// Waits until `server` takes clients on display `name`; false after the start time, and at once
// when the server has ended (another one took the number first, or Xvfb is missing).
bool comesUp(ChildProcess& server, const std::string& name) {
    const auto deadline = std::chrono::steady_clock::now() + kStartTime;
    while (server.running() && std::chrono::steady_clock::now() < deadline) {
        if (acceptsClients(name)) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

}  // namespace

XDisplay::XDisplay() {
    for (int number = kFirstDisplay; number <= kLastDisplay; ++number) {
        const std::string lock = "/tmp/.X" + std::to_string(number) + "-lock";
        const std::string socket = "/tmp/.X11-unix/X" + std::to_string(number);
        if (exists(lock) || exists(socket)) {
            continue;
        }
        name_ = ":" + std::to_string(number);
        Launch launch;
        launch.argv = {"Xvfb",        name_,       "-screen", "0",
                       "1024x768x24", "-nolisten", "tcp",     "-noreset"};
        launch.errPath = "/dev/null";
        server_ = std::make_unique<ChildProcess>(launch);
        if (comesUp(*server_, name_)) {
            setenv("DISPLAY", name_.c_str(), 1);
            return;
        }
        server_->stop(SIGTERM);
        if (server_->exitCode() == 127) {
            throw std::runtime_error("Xvfb cannot be run");
        }
    }
    throw std::runtime_error("no X server could be started");
}

XDisplay::~XDisplay() {
    // SIGTERM lets the server remove its lock file and socket.
    if (server_ != nullptr) {
        server_->stop(SIGTERM);
    }
}
