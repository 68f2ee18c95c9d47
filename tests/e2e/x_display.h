// A private X server (Xvfb) for the end-to-end tests, on a display number no other server uses.
#pragma once

#include <memory>
#include <string>

#include "support/child_process.h"

class XDisplay {
public:
    // Starts Xvfb with a screen of `size` ("WxH") and points DISPLAY at it; throws when no server
    // comes up.
    explicit XDisplay(const std::string& size = "1024x768");
    // Stops the server.
    ~XDisplay();
    XDisplay(const XDisplay&) = delete;
    XDisplay& operator=(const XDisplay&) = delete;

    const std::string& name() const { return name_; }

private:
    std::string name_;
    std::unique_ptr<ChildProcess> server_;
};
