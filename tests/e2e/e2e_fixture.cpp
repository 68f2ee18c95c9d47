// Test fixture for the end-to-end runs.
#include "e2e/e2e_fixture.h"

#include <cstdlib>

void EndToEndTest::keep(const Screenshot& shot, const std::string& name) const {
    const char* dir = std::getenv("PLIMSDL_E2E_SHOTS");
    if (dir == nullptr || !HasFailure()) {
        return;
    }
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    shot.savePng(std::string(dir) + "/" + test->name() + "-" + name + ".png");
}

void EndToEndTest::document(const Screenshot& shot, const std::string& name) {
    if (const char* dir = std::getenv("PLIMSDL_E2E_DOCS")) {
        shot.savePng(std::string(dir) + "/" + name + ".png");
    }
}
