#include <algorithm>
#include <cmath>
#include <vector>

#include "form1_window.h"
#include "runtime/win32/dpi.h"
#include "tests/window_cases.h"
#include "window/form1.h"

namespace {

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

TEST_F(Form1Window, StartsWithTheStoredTitleClientSizeAndControls) {
    ASSERT_EQ(runtime::win32::window_dpi(frame()), 96) << "the expected pixels are for 96 dpi";
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
        std::string shown = text_of(window);  // a label's line breaks stand for spaces
        std::ranges::replace(shown, '\n', ' ');
        EXPECT_EQ(shown, expected.text);
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
        const RECT box = client_rect_of(window);
        RECT visible{};
        IntersectRect(&visible, &box, &client);
        RECT text{0, 0, box.right - box.left, 0};
        const std::wstring shown = wide_text_of(window);
        const HDC dc = GetDC(window);
        const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)));
        DrawTextW(dc, shown.c_str(), static_cast<int>(shown.size()), &text, DT_CALCRECT | DT_NOPREFIX);
        SelectObject(dc, previous);
        ReleaseDC(window, dc);
        EXPECT_LE(text.right, visible.right - visible.left) << text_of(window);
        EXPECT_LE(text.bottom, visible.bottom - visible.top) << text_of(window);
    }
    EXPECT_EQ(size_of(client_rect_of(control("Label5"))), one_line(control("Label5")));
    EXPECT_GT(size_of(client_rect_of(control("Label5"))).cy, 13);  // the stored 29 x 13 gave way
}

// Dialog navigation follows the window order: the boxes and the button by
// tab index, each box just after the label that names it for screen readers.
// Label3 and Label4 overlap their boxes by a pixel; the box stays whole.
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
        const HWND box = control(described.name), label = control(described.labelled_by);
        EXPECT_EQ(GetWindow(box, GW_HWNDPREV), label) << described.name;
        // Above the box in the window order, the label still draws beneath it.
        const RECT box_rect = client_rect_of(box), label_rect = client_rect_of(label);
        const HRGN visible = CreateRectRgn(0, 0, 0, 0);
        GetWindowRgn(label, visible);
        EXPECT_FALSE(PtInRegion(visible, box_rect.left - label_rect.left, box_rect.top - label_rect.top));
        EXPECT_TRUE(PtInRegion(visible, 0, 0));
        DeleteObject(visible);
    }
}

TEST_F(Form1Window, Label2IsCentredAndLabel1HasTheInactiveBorderColour) {
    EXPECT_EQ(GetWindowLongPtrW(control("Label2"), GWL_STYLE) & SS_TYPEMASK, SS_CENTER);
    const HWND label1 = control("Label1");
    const SIZE size = size_of(client_rect_of(label1));
    const HDC dc = GetDC(label1);
    const COLORREF below_the_text = GetPixel(dc, size.cx / 2, size.cy - 2);
    ReleaseDC(label1, dc);
    EXPECT_EQ(below_the_text, GetSysColor(COLOR_INACTIVEBORDER));
    EXPECT_NE(GetSysColor(COLOR_INACTIVEBORDER), GetSysColor(COLOR_BTNFACE)) << "the check above proves nothing";
}

// The window can grow, but not shrink below its stored size, where it
// would hide its own controls; nothing moves either way.
TEST_F(Form1Window, ResizingTheWindowMovesNothingAndHidesNothing) {
    std::vector<RECT> before;
    for (const auto& placed : window_cases::controls) before.push_back(client_rect_of(control(placed.name)));
    for (const SIZE size : {SIZE{200, 150}, SIZE{900, 700}}) {
        SetWindowPos(frame(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
        settle();
        RECT client{};
        GetClientRect(frame(), &client);
        EXPECT_GE(client.right, window_cases::client_width);
        EXPECT_GE(client.bottom, window_cases::client_height);
        for (std::size_t i = 0; i < before.size(); ++i) {
            const RECT now = client_rect_of(control(window_cases::controls[i].name));
            EXPECT_TRUE(EqualRect(&before[i], &now)) << window_cases::controls[i].name << " at " << size.cx;
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
    EXPECT_EQ(size_of(client_rect_of(control("Label5"))), one_line(control("Label5")));
}

}  // namespace
