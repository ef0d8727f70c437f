#include <algorithm>
#include <array>

#include "form1_window.h"
#include "runtime/form/description.h"
#include "window/form1.h"

// The zoom keys and wheel as the user presses and turns them, wherever the
// focus is: the form steps, as the window shows, and the box keeps its
// text, selection and undo. How each step lays the form out is the core's.
namespace {

// A key with Ctrl (and Shift or Alt), or a turn of the wheel with Ctrl,
// and the zoom the form is at afterwards, in per cent.
struct ZoomInput {
    const char* what;
    WORD key;
    WORD also;
    int wheel;
    int percent;
};

// clang-format off
constexpr std::array<ZoomInput, 12> inputs{{
    {"Ctrl+=",                       VK_OEM_PLUS,  0,        0,    125},
    {"Ctrl+plus",                    VK_OEM_PLUS,  VK_SHIFT, 0,    150},
    {"Ctrl+keypad plus",             VK_ADD,       0,        0,    175},
    {"Ctrl+minus",                   VK_OEM_MINUS, 0,        0,    150},
    {"Ctrl+Alt+0, AltGr+0 on many layouts", '0',   VK_MENU,  0,    150},
    {"Ctrl+keypad minus",            VK_SUBTRACT,  0,        0,    125},
    {"Ctrl+0",                       '0',          0,        0,    100},
    {"Ctrl+wheel forward",           0,            0,        120,  125},
    {"Ctrl+wheel, half a notch",     0,            0,        60,   125},
    {"Ctrl+wheel, the other half",   0,            0,        60,   150},
    {"Ctrl+wheel backward",          0,            0,        -120, 125},
    {"Ctrl+keypad 0",                VK_NUMPAD0,   0,        0,    100},
}};
// clang-format on

// What the window shows of the zoom: Command1's height, 33 pixels at 100 %,
// 41 at 125 %, 50 at 150 %, 58 at 175 %.
int command1_height(int percent) {
    const auto& command1 = *std::ranges::find(window::form1.controls, "Command1", &runtime::ControlDescription::name);
    return runtime::to_pixels(command1.height, 96 * percent / 100);
}

class ZoomOnForm1 : public Form1Window, public testing::WithParamInterface<std::string_view> {};

TEST_P(ZoomOnForm1, KeysAndWheelStepTheFormAndTypeNothing) {
    const HWND box = control("Text1");
    type_into("Text1", "12");
    SendMessageW(box, EM_SETSEL, 1, 2);
    SetFocus(control(GetParam()));
    settle();
    for (const ZoomInput& input : inputs) {
        SCOPED_TRACE(input.what);
        if (input.wheel != 0) {
            turn_wheel_with_control(input.wheel);
        } else {
            press_with_control(input.key, input.also);
        }
        EXPECT_EQ(size_of(client_rect_of(control("Command1"))).cy, command1_height(input.percent));
        EXPECT_EQ(text_of(box), "12");
        DWORD start = 0, end = 0;
        SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 1u);
        EXPECT_EQ(end, 2u);
    }
    EXPECT_EQ(focused_name(), GetParam());
    // What the box can undo is still the typing.
    SendMessageW(box, EM_UNDO, 0, 0);
    EXPECT_EQ(text_of(box), "");
}

INSTANTIATE_TEST_SUITE_P(Focus, ZoomOnForm1, testing::Values("Text1", "Command1"),
                         [](const testing::TestParamInfo<std::string_view>& tested) {
                             return std::string(tested.param);
                         });

// Zoomed, the window cannot be made smaller than the stored form at that
// zoom (WM_GETMINMAXINFO).
TEST_F(Form1Window, ZoomedTheWindowKeepsTheStoredFormsSizeAtLeast) {
    press_with_control(VK_ADD);
    press_with_control(VK_ADD);
    SetWindowPos(frame(), nullptr, 0, 0, 200, 150, SWP_NOMOVE | SWP_NOZORDER);
    settle();
    RECT client{};
    GetClientRect(frame(), &client);
    EXPECT_EQ(client.right, runtime::to_pixels(window::form1.client_width, 144));
    EXPECT_EQ(client.bottom, runtime::to_pixels(window::form1.client_height, 144));
}

}  // namespace
