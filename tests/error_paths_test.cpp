#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>

#include "headless_form.h"
#include "runtime/barrier.h"
#include "runtime/error.h"
#include "window/form1.h"
#include "window/project.h"

namespace {

std::string message_for(void (*raise)()) {
    try {
        raise();
    } catch (...) {
        return runtime::current_error().what();
    }
    return "nothing raised";
}

// Whatever leaves a handler, the user reads one Uzbek message about it.
TEST(EventBoundary, NamesWhatWentWrong) {
    EXPECT_EQ(message_for([] { throw std::bad_alloc(); }), "Xotira yetmadi.");
    EXPECT_EQ(message_for([] { throw std::logic_error("x"); }), "Dasturning ichki xatosi: x");
    EXPECT_EQ(message_for([] { throw 1; }), "Dasturning ichki xatosi: ?");
}

TEST(EventBoundary, WhatRaisesNothingIsNoError) {
    EXPECT_FALSE(runtime::guard([] {}));
}

// A project need not handle every event: Form1 loads, and Command1 is
// pressed, with nothing bound to either.
TEST(EventBoundary, AnEventWithNoHandlerDoesNothing) {
    const runtime::ProjectDescription unbound{"unbound", window::form1, {}};
    HeadlessForm fake(unbound);
    fake.click("Command1");
    EXPECT_TRUE(fake.window().errors.empty());
}

TEST(FormModel, FontSizeStopsBelow2048Points) {
    HeadlessForm fake(window::project);
    runtime::Control& label = fake.form.control("Label5");
    EXPECT_THROW(label.set_font_size(2048), runtime::Error);
    label.set_font_size(2047);
    EXPECT_EQ(label.font().points, 2047.0f);
}

}  // namespace
