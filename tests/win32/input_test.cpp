#include <vector>

#include "form1_window.h"
#include "runtime/win32/clipboard.h"
#include "runtime/win32/wide_text.h"
#include "tests/window_cases.h"

namespace {

constexpr std::string_view start_caption = "Javob";

// A click on a box's caption focuses the box.
TEST_F(Form1Window, FocusStartsInText1AndTabCyclesBothWaysAndCaptionsFocusTheirBoxes) {
    EXPECT_EQ(focused_name(), "Text1");
    const auto& cycle = window_cases::tab_cycle;
    for (std::size_t step = 1; step <= cycle.size(); ++step) {
        press(VK_TAB);
        EXPECT_EQ(focused_name(), cycle[step % cycle.size()]) << "Tab " << step;
    }
    for (std::size_t step = 1; step <= cycle.size(); ++step) {
        press(VK_TAB, true);
        EXPECT_EQ(focused_name(), cycle[(cycle.size() - step) % cycle.size()]) << "Shift+Tab " << step;
    }
    for (const auto& [caption, box] : {std::pair{"Label4", "Text2"}, std::pair{"Label3", "Text1"}}) {
        click(caption);
        EXPECT_EQ(focused_name(), box) << caption;
    }
}

// Each click replaces the last answer; Label5 keeps its place and fits the
// new text on one line, however long.
TEST_F(Form1Window, TypedInputAndAMouseClickShowEachAnswerOnOneLine) {
    std::vector<window_cases::Click> clicks(window_cases::clicks.begin(), window_cases::clicks.end());
    clicks.push_back(window_cases::long_answer);
    for (const auto& click : clicks) {
        SCOPED_TRACE(std::string(click.a) + " / " + std::string(click.b));
        type_into("Text1", click.a);
        type_into("Text2", click.b);
        click_natija();
        ASSERT_TRUE(pump_until([&] { return answer() == click.answer; })) << answer();
        const RECT label5 = client_rect_of(control("Label5"));
        EXPECT_EQ(label5.left, 24);
        EXPECT_EQ(label5.top, 184);
        EXPECT_EQ(size_of(label5), one_line(control("Label5")));
    }
}

// An answer is never cut by the window's edge, at 96 or 144 dpi: the
// window widens to show it whole, and "Nusxa olish" in Label5's menu
// copies it exactly.
TEST_F(Form1Window, LongestAnswersShowWholeAndCopyExactly) {
    for (const int dpi : {96, 144}) {
        RECT suggested{0, 0, 800, 600};
        if (dpi != 96) SendMessageW(frame(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        for (const auto& click : window_cases::longest_answers) {
            SCOPED_TRACE(std::string(click.a) + " / " + std::string(click.b) + " at " + std::to_string(dpi));
            submit(click.a, click.b);
            ASSERT_EQ(answer(), click.answer);
            RECT client{};
            GetClientRect(frame(), &client);
            EXPECT_LE(client_rect_of(control("Label5")).right, client.right);

            runtime::win32::put_on_clipboard(nullptr, L"");
            choose_first_menu_item("Label5");
            EXPECT_EQ(clipboard_text(), click.answer);
        }
    }
}

// A window the user made larger keeps its size when a long answer comes:
// the form hears of every resize.
TEST_F(Form1Window, ALongAnswerLeavesTheUsersSizeAlone) {
    SetWindowPos(frame(), nullptr, 0, 0, 900, 600, SWP_NOMOVE | SWP_NOZORDER);
    settle();
    RECT before{}, after{};
    GetClientRect(frame(), &before);
    submit(window_cases::longest_answers[0].a, window_cases::longest_answers[0].b);
    settle();
    GetClientRect(frame(), &after);
    EXPECT_TRUE(EqualRect(&before, &after)) << after.right << " x " << after.bottom;
}

struct KeyPress {
    std::string_view focus;
    WORD key;
    bool runs_solver;
};

void PrintTo(const KeyPress& press, std::ostream* out) { *out << "key " << press.key << " in " << press.focus; }

class KeysOnForm1 : public Form1Window, public testing::WithParamInterface<KeyPress> {};

// Only a focused Natija answers Enter or Space; no button is the default
// or the cancel button.
TEST_P(KeysOnForm1, OnlyTheFocusedButtonAnswersEnterAndSpace) {
    type_into("Text1", "2");
    type_into("Text2", "5");
    SetFocus(control(GetParam().focus));
    press(GetParam().key);
    if (GetParam().runs_solver) pump_until([&] { return answer() == window_cases::answer_for_2_and_5; });

    EXPECT_EQ(answer(), GetParam().runs_solver ? window_cases::answer_for_2_and_5 : start_caption);
    EXPECT_TRUE(IsWindowVisible(frame()));
    EXPECT_EQ(focused_name(), GetParam().focus);
}

INSTANTIATE_TEST_SUITE_P(Keys, KeysOnForm1,
                         testing::Values(KeyPress{"Text1", VK_RETURN, false}, KeyPress{"Text2", VK_RETURN, false},
                                         KeyPress{"Text2", VK_ESCAPE, false}, KeyPress{"Command1", VK_SPACE, true},
                                         KeyPress{"Command1", VK_RETURN, true},
                                         KeyPress{"Command1", VK_ESCAPE, false}));

// Coming back to the form puts the user back where they were typing.
TEST_F(Form1Window, ReactivationRestoresTheFocusedControl) {
    press(VK_TAB);
    ASSERT_EQ(focused_name(), "Text2");
    const HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                                       nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    EXPECT_TRUE(pump_until([&] { return GetForegroundWindow() == other; }));
    SetForegroundWindow(frame());
    EXPECT_TRUE(pump_until([&] { return GetForegroundWindow() == frame() && focused_name() == "Text2"; }))
        << focused_name();
    DestroyWindow(other);
}

HWND renamed = nullptr;
void CALLBACK on_name_change(HWINEVENTHOOK, DWORD, HWND window, LONG, LONG, DWORD, DWORD) { renamed = window; }

TEST_F(Form1Window, ANewAnswerTellsScreenReadersLabel5WasRenamed) {
    const HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr,
                                               on_name_change, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    renamed = nullptr;
    type_into("Text1", "2");
    type_into("Text2", "5");
    click_natija();
    EXPECT_TRUE(pump_until([&] { return renamed == control("Label5"); }));
    UnhookWinEvent(hook);
}

std::wstring wide(std::u16string_view units) { return {units.begin(), units.end()}; }

}  // namespace

namespace window_cases {

void PrintTo(const Paste& paste, std::ostream* out) {
    *out << "typed \"" << runtime::win32::to_utf8(wide(paste.typed)) << "\", pasted "
         << (paste.over_typed ? "over it" : "after it");
}

}  // namespace window_cases

namespace {

class PastesOnForm1 : public Form1Window, public testing::WithParamInterface<window_cases::Paste> {};

// The box held a number the user cleared before typing anew. A paste keeps
// its first line, whatever ends it (Wine's own box cuts at LF only and
// would keep "2\r3"), and Ctrl+Z takes back the paste alone, not the
// typing before it.
TEST_P(PastesOnForm1, KeepTheFirstLineAndCtrlZTakesBackThePasteAlone) {
    const window_cases::Paste& paste = GetParam();
    const HWND box = control("Text1");
    type_into("Text1", wide(window_cases::held_before_paste));
    press(VK_HOME);
    press(VK_END, true);
    press(VK_DELETE);
    type(wide(paste.typed));
    ASSERT_TRUE(pump_until([&] { return wide_text_of(box) == wide(paste.typed); })) << text_of(box);
    runtime::win32::put_on_clipboard(nullptr, wide(paste.pasted));
    if (paste.over_typed) {
        press(VK_HOME);
        press(VK_END, true);
    }
    press_with_control('V');
    EXPECT_EQ(wide_text_of(box), wide(paste.kept));
    press_with_control('Z');
    EXPECT_EQ(wide_text_of(box), wide(paste.typed));
}

INSTANTIATE_TEST_SUITE_P(Shared, PastesOnForm1, testing::ValuesIn(window_cases::pastes));

TEST_F(Form1Window, AThousandClicksLeaveGdiAndUserObjectCountsFlat) {
    const auto click_with = [&](const window_cases::Click& inputs) { submit(inputs.a, inputs.b); };
    click_with(window_cases::long_answer);
    settle();
    const int gdi_before = gdi_objects();
    const int user_before = user_objects();
    for (int i = 0; i < 500; ++i) {
        click_with(window_cases::clicks[2]);
        click_with(window_cases::long_answer);  // Label5 changes size every time
    }
    settle();
    EXPECT_EQ(answer(), window_cases::long_answer.answer);
    EXPECT_LE(gdi_objects(), gdi_before);
    EXPECT_LE(user_objects(), user_before);
}

}  // namespace
