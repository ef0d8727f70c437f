#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include <oleacc.h>

#include "form1_window.h"
#include "runtime/win32/dpi.h"
#include "runtime/win32/wide_text.h"
#include "tests/window_cases.h"
#include "window/form1.h"

namespace {

using runtime::win32::to_utf8;
using window_cases::Kind;

const wchar_t* class_for(Kind kind) {
    switch (kind) {
        case Kind::button:
            return L"Button";
        case Kind::text_box:
            return L"Edit";
        case Kind::label:
            break;
    }
    return L"Static";
}

LOGFONTW font_of(HWND control) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font;
}

// The columns of a control's client area, [first, last), that hold any
// pixel other than `back`, within its top-left `area`: what was drawn.
std::pair<int, int> inked_columns(HWND control, SIZE area, COLORREF back) {
    const HDC dc = GetDC(control);
    int first = area.cx, last = 0;
    for (int x = 0; x < area.cx; ++x) {
        for (int y = 0; y < area.cy; ++y) {
            if (GetPixel(dc, x, y) == back) continue;
            first = std::min(first, x);
            last = x + 1;
            break;
        }
    }
    ReleaseDC(control, dc);
    return {first, last};
}

// Whether the last column or row of a label's `visible` part, where the
// label shows (not beneath a box), holds anything but `back`: a cut glyph.
bool inked_at_the_edges(HWND label, SIZE visible, COLORREF back) {
    const HRGN shown = CreateRectRgn(0, 0, visible.cx, visible.cy);
    GetWindowRgn(label, shown);  // leaves the whole box where the label has no region
    const HDC dc = GetDC(label);
    bool inked = false;
    const auto look = [&](int x, int y) { inked = inked || (PtInRegion(shown, x, y) && GetPixel(dc, x, y) != back); };
    for (int y = 0; y < visible.cy; ++y) look(visible.cx - 1, y);
    for (int x = 0; x < visible.cx; ++x) look(x, visible.cy - 1);
    ReleaseDC(label, dc);
    DeleteObject(shown);
    return inked;
}

// The name screen readers give a control, through MSAA.
std::string accessible_name(HWND control) {
    IAccessible* accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void**>(&accessible)))) {
        return "?";
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    std::string text = accessible->get_accName(self, &name) == S_OK ? to_utf8(name) : "";
    SysFreeString(name);
    accessible->Release();
    return text;
}

TEST_F(Form1Window, StartsWithTheStoredTitleClientSizeAndControls) {
    ASSERT_EQ(runtime::win32::window_dpi(frame()), 96) << "the expected pixels are for 96 dpi";
    EXPECT_EQ(runtime::win32::monitor_dpi(frame()), 96) << "as Windows 8.1 and 10 before 1607 read it";
    EXPECT_EQ(text_of(frame()), window_cases::title);
    EXPECT_NE(GetClassLongPtrW(frame(), GCLP_HICON), 0u) << "no icon in the resources";
    RECT client{};
    GetClientRect(frame(), &client);
    EXPECT_EQ(client.right, window_cases::client_width);
    EXPECT_EQ(client.bottom, window_cases::client_height);

    for (const auto& expected : window_cases::controls) {
        SCOPED_TRACE(std::string(expected.name));
        const HWND window = control(expected.name);
        wchar_t class_name[32]{};
        GetClassNameW(window, class_name, 32);
        EXPECT_EQ(_wcsicmp(class_name, class_for(expected.kind)), 0);
        EXPECT_EQ(text_of(window), expected.text);  // a wrapped caption too: its lines are only drawn
        const RECT rect = client_rect_of(window);
        EXPECT_EQ(rect.left, expected.left);
        EXPECT_EQ(rect.top, expected.top);
        if (expected.name != "Label5") {  // its size follows its caption
            EXPECT_EQ(size_of(rect), (SIZE{expected.width, expected.height}));
        }
    }
}

// Every control starts in the user's message font; Load sets five sizes.
// A caption too big for its box at its size (Label1 and Label2 at 15
// points) is drawn smaller, and whole: its text lies inside the part of
// its box that the window shows.
TEST_F(Form1Window, LoadSetsFiveFontSizesAndEveryCaptionShowsWhole) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    RECT client{};
    GetClientRect(frame(), &client);
    for (const auto& placed : window_cases::controls) {
        SCOPED_TRACE(std::string(placed.name));
        const auto set = std::ranges::find(window_cases::load_font_sizes, placed.name, &window_cases::FontSize::label);
        const LONG height = set == window_cases::load_font_sizes.end()
                                ? metrics.lfMessageFont.lfHeight
                                : -std::lround(set->points * 96 / 72);  // points at 96 dpi
        const HWND window = control(placed.name);
        const LOGFONTW font = font_of(window);
        EXPECT_STREQ(font.lfFaceName, metrics.lfMessageFont.lfFaceName);
        if (placed.kind != Kind::label) {
            EXPECT_EQ(font.lfHeight, height);
            continue;
        }
        EXPECT_LE(-font.lfHeight, -height);
        if (placed.name == "Label5") continue;  // sized to its caption, below
        // Drawn whole: the last column and row of the part in view hold no ink.
        const RECT box = client_rect_of(window);
        const SIZE visible{std::min(box.right, client.right) - box.left, std::min(box.bottom, client.bottom) - box.top};
        const COLORREF back = GetSysColor(placed.name == "Label1" ? COLOR_INACTIVEBORDER : COLOR_BTNFACE);
        EXPECT_FALSE(inked_at_the_edges(window, visible, back));
    }
    EXPECT_EQ(size_of(client_rect_of(control("Label5"))), one_line(control("Label5")));
    EXPECT_GT(size_of(client_rect_of(control("Label5"))).cy, 13);  // the stored 29 x 13 gave way
}

// Dialog navigation follows the window order: the boxes and the button by
// tab index, each box just after the label that names it for screen readers,
// which read the caption exactly. Label3 and Label4 overlap their boxes by a
// pixel; the box stays whole, its left border as its right.
TEST_F(Form1Window, WindowOrderFollowsTabIndexesWithEachLabelBeforeItsBox) {
    std::vector<window_cases::Placed> by_tab_index(window_cases::controls.begin(), window_cases::controls.end());
    std::ranges::sort(by_tab_index, {}, &window_cases::Placed::tab_index);
    std::vector<HWND> expected, order;
    for (const auto& placed : by_tab_index) {
        if (placed.kind != Kind::label) expected.push_back(control(placed.name));
    }
    for (HWND child = GetWindow(frame(), GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetWindowLongPtrW(child, GWL_STYLE) & WS_TABSTOP) order.push_back(child);
    }
    EXPECT_EQ(order, expected);
    for (const auto& described : window::form1.controls) {
        if (described.labelled_by.empty()) continue;
        const HWND box = control(described.name);
        const auto caption =
            std::ranges::find(window_cases::controls, described.labelled_by, &window_cases::Placed::name);
        EXPECT_EQ(accessible_name(box), caption->text) << described.name;
        // Above the box in the window order, the label still draws beneath it.
        const SIZE size = size_of(client_rect_of(box));
        const HDC dc = GetWindowDC(box);
        EXPECT_EQ(GetPixel(dc, 0, size.cy / 2), GetPixel(dc, size.cx - 1, size.cy / 2)) << described.name;
        ReleaseDC(box, dc);
    }
}

// A label is cut where a box or button lies over it, and only there: from
// the start and at each zoom step, where every control moves. A label
// that nothing covers has no region at all.
TEST_F(Form1Window, LabelsAreCutOnlyWhereABoxLiesOverThemAtEveryZoom) {
    struct Step {
        const char* name;
        WORD key;  // pressed with Ctrl
    };
    for (const Step zoom : {Step{"start", 0}, Step{"125 %", VK_ADD}, Step{"150 %", VK_ADD}, Step{"100 %", '0'}}) {
        if (zoom.key != 0) press_with_control(zoom.key);
        settle();
        for (const auto& label : window_cases::controls) {
            if (label.kind != Kind::label) continue;
            SCOPED_TRACE(std::string(label.name) + " at " + zoom.name);
            const HWND window = control(label.name);
            const RECT box = client_rect_of(window);
            const HRGN shown = CreateRectRgn(0, 0, 0, 0);
            const bool has_region = GetWindowRgn(window, shown) != ERROR;
            bool covered = false;
            for (const auto& other : window_cases::controls) {
                RECT overlap{};
                const RECT other_box = client_rect_of(control(other.name));
                if (other.kind == Kind::label || !IntersectRect(&overlap, &box, &other_box)) continue;
                covered = true;
                // The overlap is cut, the label's own pixel just left of it is not.
                const POINT cut{overlap.left - box.left, overlap.top - box.top};
                EXPECT_FALSE(PtInRegion(shown, cut.x, cut.y)) << other.name;
                EXPECT_TRUE(cut.x == 0 || PtInRegion(shown, cut.x - 1, cut.y)) << other.name;
            }
            EXPECT_EQ(has_region, covered);
            DeleteObject(shown);
        }
    }
}

// Label2's lines stand as far from its right edge as from its left (its
// caption fills the box: a shorter one shows it); Label3's start at its left.
TEST_F(Form1Window, Label2IsCentredAndLabel1HasTheInactiveBorderColour) {
    form->control("Label2").set_caption("ax=b");
    settle();
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const SIZE label2 = size_of(client_rect_of(control("Label2")));
    const auto [first, last] = inked_columns(control("Label2"), label2, face);
    EXPECT_LE(std::abs(first - (label2.cx - last)), 1) << first << " and " << label2.cx - last;
    EXPECT_LE(inked_columns(control("Label3"), size_of(client_rect_of(control("Label3"))), face).first, 1);
    const HWND label1 = control("Label1");
    const SIZE size = size_of(client_rect_of(label1));
    const HDC dc = GetDC(label1);
    const COLORREF below_the_text = GetPixel(dc, size.cx / 2, size.cy - 2);
    ReleaseDC(label1, dc);
    EXPECT_EQ(below_the_text, GetSysColor(COLOR_INACTIVEBORDER));
    EXPECT_NE(GetSysColor(COLOR_INACTIVEBORDER), GetSysColor(COLOR_BTNFACE)) << "the check above proves nothing";
}

struct Resize {
    SIZE size;
    bool by_window_manager;  // else by the program
};

// The window can grow, but not shrink below its stored size, where it
// would hide its own controls, whoever asks: the program, or under Wine the
// window manager, which Wine tells no least size. Nothing moves either way.
TEST_F(Form1Window, ResizingTheWindowMovesNothingAndHidesNothing) {
    std::vector<RECT> before;
    for (const auto& placed : window_cases::controls) before.push_back(client_rect_of(control(placed.name)));
    const std::string x_window =
        std::to_string(reinterpret_cast<UINT_PTR>(GetPropA(frame(), "__wine_x11_whole_window")));
    for (const Resize resize : {Resize{{200, 150}, false}, Resize{{900, 700}, false}, Resize{{200, 150}, true}}) {
        const auto [cx, cy] = resize.size;
        SCOPED_TRACE(std::to_string(cx) + (resize.by_window_manager ? " by the window manager" : ""));
        if (resize.by_window_manager) {
            if (x_window == "0") GTEST_SKIP() << "no X window: not under Wine's X11 driver";
            run_on_host("xdotool windowsize " + x_window + " " + std::to_string(cx) + " " + std::to_string(cy));
        } else {
            SetWindowPos(frame(), nullptr, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER);
        }
        settle();
        RECT client{};
        GetClientRect(frame(), &client);
        EXPECT_GE(client.right, window_cases::client_width);
        EXPECT_GE(client.bottom, window_cases::client_height);
        if (x_window != "0") {
            // What the screen shows: Wine's X window, as the host sees it
            // once the window manager has answered.
            const std::string expected =
                "Geometry: " + std::to_string(client.right) + "x" + std::to_string(client.bottom);
            std::string shown;
            for (int tries = 0; tries < 20 && shown.find(expected) == std::string::npos; ++tries) {
                settle();
                shown = run_on_host("xdotool getwindowgeometry " + x_window);
            }
            EXPECT_NE(shown.find(expected), std::string::npos) << shown;
        }
        for (std::size_t i = 0; i < before.size(); ++i) {
            const RECT now = client_rect_of(control(window_cases::controls[i].name));
            EXPECT_TRUE(EqualRect(&before[i], &now)) << window_cases::controls[i].name;
        }
    }
}

// Moved to a 144 dpi monitor, the form scales its layout and its fonts.
TEST_F(Form1Window, FollowsTheMonitorsDpi) {
    RECT suggested{0, 0, 800, 600};
    SendMessageW(frame(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    const RECT text1 = client_rect_of(control("Text1"));
    EXPECT_EQ(text1.left, 336);
    EXPECT_EQ(text1.top, 132);
    EXPECT_EQ(size_of(text1), (SIZE{170, 38}));  // 1695 x 375 twips, rounded to the nearest pixel
    EXPECT_EQ(font_of(control("Label5")).lfHeight, -30);
    // The stored size scaled, 761 x 471 (give or take a frame that Wine
    // keeps at 96 dpi), not the size Windows suggested.
    RECT client{};
    GetClientRect(frame(), &client);
    EXPECT_LT(client.right, suggested.right);
    EXPECT_EQ(size_of(client_rect_of(control("Label5"))), one_line(control("Label5")));
}

}  // namespace
