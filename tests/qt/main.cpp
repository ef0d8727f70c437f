#include <gtest/gtest.h>

#include "form1_window.h"

namespace {
std::unique_ptr<runtime::Toolkit> suite_toolkit;
}

runtime::Toolkit& toolkit() { return *suite_toolkit; }

// One toolkit, and so one application, for the whole suite; each test
// builds its own window on it.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    suite_toolkit = runtime::open_toolkit("tenglama");
    const int failed = RUN_ALL_TESTS();
    suite_toolkit.reset();
    return failed;
}
