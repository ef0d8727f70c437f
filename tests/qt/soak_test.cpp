#include <QPixmapCache>
#include <fstream>
#include <iostream>
#include <limits>
#include <stdexcept>
#include <string>

#include "form1_window.h"
#include "tests/window_cases.h"

namespace {

constexpr int clicks = 10'000;
constexpr int warm_up_clicks = 100;
constexpr long allowed_growth_kib = 1024;

long resident_kib() {
    std::ifstream status("/proc/self/status");
    std::string field;
    long kib = 0;
    while (status >> field) {
        if (field == "VmRSS:" && status >> kib) return kib;
        status.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
    }
    throw std::runtime_error("no VmRSS in /proc/self/status");
}

// Good and bad input in turn on one window: every answer and every error
// stays right, and once the first hundred clicks have warmed Qt's caches,
// memory stays put.
TEST_F(Form1Window, TenThousandClicksKeepAnswersRightAndMemoryFlat) {
    // Set, not typed: each key typed into a QLineEdit adds a step to its undo
    // history, which Qt never trims. That memory grows with the user's edits
    // (some 2 MiB had this soak typed its texts), not with the clicks.
    const auto enter = [this](std::string_view a, std::string_view b) {
        control<QLineEdit>("Text1").setText(to_qstring(a));
        control<QLineEdit>("Text2").setText(to_qstring(b));
    };
    // Qt keeps up to 10 MiB of pixmaps it may draw again (Qt 6.8 fills it
    // with each message box's); capped here, memory is the program's own.
    QPixmapCache::setCacheLimit(512);
    MessageBoxCloser closer;
    const auto& good = window_cases::clicks;
    const auto& bad = window_cases::bad_inputs;
    long warm_kib = 0;
    for (int click = 0; click < clicks; ++click) {
        const auto round = static_cast<std::size_t>(click / 2);
        const QString shown_before = answer().text();
        if (click % 2 == 0) {
            const auto& input = good[round % good.size()];
            enter(input.a, input.b);
            click_natija();
            ASSERT_EQ(closer.shown, click / 2) << "click " << click;
            ASSERT_EQ(answer().text(), to_qstring(input.answer)) << "click " << click;
        } else {
            const auto& input = bad[round % bad.size()];
            enter(input.a, input.b);
            click_natija();
            ASSERT_EQ(closer.shown, click / 2 + 1) << "click " << click;
            ASSERT_EQ(closer.text, to_qstring(input.message)) << "click " << click;
            ASSERT_EQ(answer().text(), shown_before) << "click " << click;
        }
        if (click + 1 == warm_up_clicks) warm_kib = resident_kib();
    }
    const long end_kib = resident_kib();
    std::cout << "VmRSS after " << warm_up_clicks << " clicks: " << warm_kib << " KiB; after " << clicks << ": "
              << end_kib << " KiB\n";
    EXPECT_LE(end_kib - warm_kib, allowed_growth_kib);
    EXPECT_TRUE(window->isVisible());
}

}  // namespace
