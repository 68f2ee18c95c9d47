// A private X server (Xvfb) for the end-to-end tests, on a display number no other server uses.
#include "e2e/x_display.h"

#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <stdexcept>
#include <thread>

#include "support/whole_file.h"

namespace {

constexpr auto kStartTime = std::chrono::seconds(10);

// The display number a server started with -displayfd wrote into `path`, once it takes
// clients; empty when it ended first or did not come up within the start time.
std::string displayNumber(ChildProcess& server, const std::string& path) {
    const auto deadline = std::chrono::steady_clock::now() + kStartTime;
    while (server.running() && std::chrono::steady_clock::now() < deadline) {
        const std::string written = readWholeFile(path);
        if (!written.empty() && written.back() == '\n') {
            return written.substr(0, written.size() - 1);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return "";
}

}  // namespace

// Xvfb picks a free display number itself (-displayfd): one that no other X server on this
// machine listens on, also one in a chroot whose lock files this one cannot see.
XDisplay::XDisplay(const std::string& size) {
    char path[] = "/tmp/plimsdl-display-XXXXXX";
    const int file = mkstemp(path);
    if (file < 0) {
        throw std::runtime_error("no file for the display number");
    }
    close(file);
    Launch launch;
    launch.argv = {"Xvfb",       "-displayfd", "1",   "-screen", "0",
                   size + "x24", "-nolisten",  "tcp", "-noreset"};
    launch.outPath = path;
    launch.errPath = "/dev/null";
    server_ = std::make_unique<ChildProcess>(launch);
    const std::string number = displayNumber(*server_, path);
    unlink(path);
    if (number.empty()) {
        server_->stop(SIGTERM);
        throw std::runtime_error(server_->exitCode() == 127 ? "Xvfb cannot be run"
                                                            : "no X server could be started");
    }
    name_ = ":" + number;
    setenv("DISPLAY", name_.c_str(), 1);
}

XDisplay::~XDisplay() {
    // SIGTERM lets the server remove its lock file and socket.
    if (server_ != nullptr) {
        server_->stop(SIGTERM);
    }
}
