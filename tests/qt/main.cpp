#include <gtest/gtest.h>

#include "form1_window.h"

namespace {
runtime::Toolkit* suite_toolkit = nullptr;
}

runtime::Toolkit& toolkit() { return *suite_toolkit; }

// One toolkit, and so one application, for the whole suite; each test
// builds its own window on it.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    const std::unique_ptr<runtime::Toolkit> opened = runtime::open_toolkit("tenglama");
    suite_toolkit = opened.get();
    return RUN_ALL_TESTS();
}
