// A private X server (Xvfb) for the end-to-end tests, on a display number no other server uses.
#pragma once

#include <memory>
#include <string>

#include "support/child_process.h"

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
    std::unique_ptr<ChildProcess> server_;
};

// The test display's key repeat on and fast while this lives, as `xset r rate 100 50` sets it: a
// key held longer than 100 ms repeats 50 times a second.
class FastKeyRepeat {
public:
    FastKeyRepeat();
    ~FastKeyRepeat();
    FastKeyRepeat(const FastKeyRepeat&) = delete;
    FastKeyRepeat& operator=(const FastKeyRepeat&) = delete;

private:
    unsigned delayMs_ = 0, intervalMs_ = 0;  // as it was before
};
