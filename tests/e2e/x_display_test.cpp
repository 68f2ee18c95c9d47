// The private X server: a missing Xvfb is reported as such, not as a display that never came up.
#include "e2e/x_display.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>
#include <string>

#include "support/work_dir.h"

TEST(XDisplayStart, MissingXvfbIsReportedAsSuch) {
    const std::string path = std::getenv("PATH");
    const WorkDir nothingToRun;
    setenv("PATH", nothingToRun.root().c_str(), 1);
    try {
        const XDisplay display;
        ADD_FAILURE() << "an X server came up on " << display.name() << " without Xvfb";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "Xvfb cannot be run");
    }
    setenv("PATH", path.c_str(), 1);
}
