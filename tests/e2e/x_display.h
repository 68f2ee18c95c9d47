// A private X server (Xvfb) for the end-to-end tests, started on a free display number.
#pragma once

#include <sys/types.h>

#include <string>

class XDisplay {
public:
    // Starts Xvfb and points DISPLAY at it; throws when no server comes up.
    XDisplay();
    // Stops the server.
    ~XDisplay();
    XDisplay(const XDisplay&) = delete;
    XDisplay& operator=(const XDisplay&) = delete;

    const std::string& name() const { return name_; }

private:
    std::string name_;
    pid_t server_ = -1;
};

// Runs a shell command with the test's DISPLAY; returns its standard output and sets `status`
// to its exit status.
std::string runCommand(const std::string& command, int* status = nullptr);
