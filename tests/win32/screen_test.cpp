#include <algorithm>
#include <array>
#include <fstream>
#include <memory>
#include <ostream>
#include <string>
#include <tuple>
#include <type_traits>
#include <vector>

#include "form1_window.h"
#include "runtime/form/description.h"
#include "runtime/win32/owned_handles.h"
#include "tests/focus_contrast.h"
#include "tests/window_cases.h"
#include "window/form1.h"

namespace window_cases {

void PrintTo(const Redraw& redraw, std::ostream* out) { *out << redraw.case_name; }

}  // namespace window_cases

// What Form1 shows, read back from its window: one state reached two ways
// draws the same pixels, and a control with the focus stands out.
namespace {

using focus_contrast::Rgb;
using runtime::win32::GdiObjectDeleter;
using runtime::win32::Selection;
using runtime::win32::WindowDC;

struct Capture {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;  // row by row from the top
    Rgb at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

struct MemoryDCDeleter {
    void operator()(HDC dc) const noexcept { DeleteDC(dc); }
};

// `area` of the form's client area, once every paint pending is done, read
// from the form's own device context: that holds the pixels as painted,
// its children's included, which is what the screen shows (under Wine, the
// X window's very pixels). PrintWindow and WM_PRINTCLIENT would have each
// window paint afresh, which hides the very stale pixels looked for; and
// under Wine they paint the form's background alone, or nothing.
Capture capture(HWND form, RECT area) {
    RedrawWindow(form, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    Capture captured{area.right - area.left, area.bottom - area.top, {}};
    BITMAPINFO format{};
    format.bmiHeader = {sizeof format.bmiHeader, captured.width, -captured.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiObjectDeleter> copy(
        CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    const std::unique_ptr<std::remove_pointer_t<HDC>, MemoryDCDeleter> memory(CreateCompatibleDC(nullptr));
    {
        const WindowDC screen(form);
        const Selection selected(memory.get(), copy.get());
        BitBlt(memory.get(), 0, 0, captured.width, captured.height, screen.get(), area.left, area.top, SRCCOPY);
    }
    GdiFlush();
    const auto* const quads = static_cast<const RGBQUAD*>(bits);
    captured.pixels.reserve(static_cast<std::size_t>(captured.width * captured.height));
    for (int i = 0; i < captured.width * captured.height; ++i) {
        captured.pixels.push_back({quads[i].rgbRed, quads[i].rgbGreen, quads[i].rgbBlue});
    }
    return captured;
}

// Written where a check fails, for whoever looks into it (any image viewer
// reads the format).
void save(const Capture& captured, const std::string& path) {
    std::ofstream file(path, std::ios::binary);
    file << "P6 " << captured.width << ' ' << captured.height << " 255\n";
    for (const Rgb& pixel : captured.pixels) file << pixel.red << pixel.green << pixel.blue;
}

std::string test_name() {
    const testing::TestInfo& test = *testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(test.test_suite_name()) + "." + test.name();
    std::ranges::replace(name, '/', '-');
    return name;
}

// The two captures hold the same pixels within `region`, of both.
void expect_same(const Capture& one, const Capture& other, RECT region, std::string_view what) {
    int differing = 0;
    POINT first{};
    for (int y = region.top; y < region.bottom; ++y) {
        for (int x = region.left; x < region.right; ++x) {
            if (one.at(x, y) == other.at(x, y)) continue;
            if (differing++ == 0) first = {x, y};
        }
    }
    if (differing == 0) return;
    const std::string name = test_name();
    save(one, name + "-one.ppm");
    save(other, name + "-other.ppm");
    ADD_FAILURE() << what << ": " << differing << " pixels differ, the first at " << first.x << ", " << first.y
                  << " (see " << name << "-*.ppm)";
}

// What the user does between the first answer and the second, and before
// the second alone.
enum class Between { nothing, resizing, moving_to_144_dpi };
constexpr std::array<std::string_view, 3> between_names{"", "AfterResizing", "At144Dpi"};

void PrintTo(Between step, std::ostream* out) { *out << between_names[static_cast<std::size_t>(step)]; }

class RedrawsOnForm1 : public Form1Window,
                       public testing::WithParamInterface<std::tuple<window_cases::Redraw, Between>> {
protected:
    // Types a and b, and presses "Natija" with the mouse, which leaves the
    // focus on it, away from a blinking caret. A click with no answer
    // shows an error, closed with OK.
    void answer_with(const window_cases::Click& click) const {
        type_into("Text1", click.a);
        type_into("Text2", click.b);
        MessageBoxAnswerer answerer;
        click_natija();
        if (click.answer.empty()) {
            ASSERT_TRUE(pump_until([&] { return answerer.shown == 1 && GetForegroundWindow() == frame(); }));
        } else {
            ASSERT_TRUE(pump_until([&] { return answer() == click.answer; })) << answer();
            ASSERT_EQ(focused_name(), "Command1");
        }
    }

    void act(Between step) const {
        if (step == Between::resizing) {
            SetWindowPos(frame(), nullptr, 0, 0, 680, 440, SWP_NOMOVE | SWP_NOZORDER);
        } else if (step == Between::moving_to_144_dpi) {
            RECT suggested{0, 0, 800, 600};
            SendMessageW(frame(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
        }
        settle();
    }

    Capture client_area() const {
        RECT client{};
        GetClientRect(frame(), &client);
        return capture(frame(), client);
    }
};

// Compared: the answer's row, across the narrower window, where a longer
// answer before would leave stale pixels; and the stored form, whose
// captions are fitted to it once, so drawn the same in a wider window.
TEST_P(RedrawsOnForm1, AnAnswerAfterAnotherIsDrawnAsTheSameAnswerAlone) {
    const auto& [redraw, step] = GetParam();
    answer_with(redraw.first);
    act(step);
    const Capture first = client_area();
    answer_with(redraw.second);
    const Capture after = client_area();
    const RECT row_after = client_rect_of(control("Label5"));

    reopen();
    act(step);
    answer_with(redraw.second);
    const Capture alone = client_area();
    const RECT row_alone = client_rect_of(control("Label5"));

    ASSERT_EQ(row_after.top, row_alone.top);
    const int bottom = row_alone.top + std::max(row_after.bottom - row_after.top, row_alone.bottom - row_alone.top);
    expect_same(after, alone, {0, row_alone.top, std::min(after.width, alone.width), bottom}, "the answer's row");
    // Nor may the answer stay as it was drawn first, both ways alike.
    bool redrawn = false;
    for (int y = row_alone.top; y < bottom && !redrawn; ++y) {
        for (int x = 0; x < std::min({first.width, after.width, alone.width}) && !redrawn; ++x) {
            redrawn = !(first.at(x, y) == after.at(x, y));
        }
    }
    EXPECT_TRUE(redrawn) << "the first answer is still drawn";
    const int dpi = step == Between::moving_to_144_dpi ? 144 : 96;
    const RECT stored{0, 0, runtime::to_pixels(window::form1.client_width, dpi),
                      runtime::to_pixels(window::form1.client_height, dpi)};
    expect_same(after, alone, stored, "the stored client area");
}

std::string name_of(const testing::TestParamInfo<RedrawsOnForm1::ParamType>& tested) {
    const auto& [redraw, step] = tested.param;
    return std::string(redraw.case_name) + std::string(between_names[static_cast<std::size_t>(step)]);
}

INSTANTIATE_TEST_SUITE_P(Shared, RedrawsOnForm1,
                         testing::Combine(testing::ValuesIn(window_cases::redraws),
                                          testing::Values(Between::nothing, Between::resizing,
                                                          Between::moving_to_144_dpi)),
                         name_of);

class FocusOnForm1 : public Form1Window, public testing::WithParamInterface<std::string_view> {};

// Each control that takes the focus, border and all, looks plainly other
// with it: here given by the program, no key pressed, where Windows hides
// a button's dotted rectangle. The caret, which blinks, is hidden.
TEST_P(FocusOnForm1, StandsOutFromItsUnfocusedLookByThreeToOne) {
    const auto& cycle = window_cases::tab_cycle;
    const auto at = static_cast<std::size_t>(std::ranges::find(cycle, GetParam()) - cycle.begin());
    const std::string_view next = cycle[(at + 1) % cycle.size()];
    const HWND focused = control(GetParam());
    const RECT box = client_rect_of(focused);
    SetFocus(control(next));
    settle();
    const Capture without = capture(frame(), box);
    SetFocus(focused);
    settle();
    HideCaret(focused);
    const Capture with = capture(frame(), box);
    ShowCaret(focused);

    const std::size_t changed = focus_contrast::changed_by_3_to_1(without.pixels, with.pixels);
    EXPECT_GE(changed, focus_contrast::least_changed(with.width, with.height));
    if (HasFailure()) {
        save(without, test_name() + "-without.ppm");
        save(with, test_name() + "-with.ppm");
    }
}

INSTANTIATE_TEST_SUITE_P(Shared, FocusOnForm1, testing::ValuesIn(window_cases::tab_cycle),
                         [](const testing::TestParamInfo<std::string_view>& tested) {
                             return std::string(tested.param);
                         });

}  // namespace
