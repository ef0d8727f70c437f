#include "form1_window.h"

#include <malloc.h>
#include <psapi.h>

#include <chrono>
#include <iostream>

#include "tests/window_cases.h"

namespace {

constexpr int clicks = 10'000;
constexpr int warm_up_clicks = 100;
// What the program allocates lives on the C runtime's heap. It may settle
// in steps as caches fill (Wine 10 adds 12 KiB in three steps, Wine 8
// nothing) but never grows with the clicks: one block kept on every error
// click would be 5,000 blocks of at least 16 bytes. The process's resident
// memory also holds Wine's own libraries and caches: Wine 10 grows it by
// about 2 MiB over these clicks, steadily, while the heap above has long
// settled; Wine 8 stays flat. So it gets a coarse bound that still catches
// a leak of a few hundred bytes a click.
constexpr std::size_t allowed_heap_growth = 64 * 1024;
constexpr SIZE_T allowed_resident_growth = 4 * 1024 * 1024;

struct Footprint {
    std::size_t heap = 0;
    SIZE_T resident = 0;
    int gdi = 0;
    int user = 0;
};

// The bytes in use on the C runtime's heap, block by block.
std::size_t heap_in_use() {
    std::size_t used = 0;
    _HEAPINFO block{};
    while (_heapwalk(&block) == _HEAPOK) {
        if (block._useflag == _USEDENTRY) used += block._size;
    }
    return used;
}

Footprint footprint() {
    PROCESS_MEMORY_COUNTERS memory{};
    K32GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    return {heap_in_use(), memory.WorkingSetSize, gdi_objects(), user_objects()};
}

std::ostream& operator<<(std::ostream& out, const Footprint& f) {
    return out << f.heap << " bytes on the heap, " << f.resident / 1024 << " KiB resident, " << f.gdi
               << " GDI objects, " << f.user << " user objects";
}

// Good and bad input in turn on one window: every answer and every error
// stays right, and once the first hundred clicks have warmed the caches,
// neither memory nor objects grow. The button is clicked through its own
// BM_CLICK, which runs the click at once: synthetic mouse input through the
// window manager now and then loses a click to a late re-activation after
// the message box, which is Wine and X at work, not the program. The input
// suite clicks with the real mouse.
TEST_F(Form1Window, TenThousandClicksKeepAnswersRightAndMemoryAndObjectsFlat) {
    const auto& good = window_cases::clicks;
    const auto& bad = window_cases::bad_inputs;
    const auto started = std::chrono::steady_clock::now();
    MessageBoxAnswerer answerer;
    Footprint warm;
    for (int click = 0; click < clicks; ++click) {
        const auto round = static_cast<std::size_t>(click / 2);
        const std::string shown_before = answer();
        if (click % 2 == 0) {
            const auto& input = good[round % good.size()];
            submit(input.a, input.b);
            ASSERT_EQ(answer(), input.answer) << "click " << click;
            ASSERT_EQ(answerer.shown, click / 2) << "click " << click;
        } else {
            const auto& input = bad[round % bad.size()];
            submit(input.a, input.b);
            ASSERT_EQ(answerer.shown, click / 2 + 1) << "click " << click;
            ASSERT_EQ(answerer.text, input.message) << "click " << click;
            ASSERT_EQ(answer(), shown_before) << "click " << click;
        }
        if (click + 1 == warm_up_clicks) {
            settle();
            warm = footprint();
        }
    }
    settle();
    const Footprint end = footprint();
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::cout << "After " << warm_up_clicks << " clicks: " << warm << "\nAfter " << clicks << " clicks: " << end << "\n"
              << clicks << " clicks in " << seconds << " s\n";
    EXPECT_LE(end.heap, warm.heap + allowed_heap_growth);
    EXPECT_LE(end.resident, warm.resident + allowed_resident_growth);
    EXPECT_LE(end.gdi, warm.gdi);
    EXPECT_LE(end.user, warm.user);
    EXPECT_TRUE(IsWindowVisible(frame()));
}

}  // namespace
