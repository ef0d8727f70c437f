#include <algorithm>
#include <array>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "form1_window.h"
#include "runtime/win32/wide_text.h"
#include "tests/bad_input_catalogue.h"
#include "tests/window_cases.h"

namespace {

using bad_input::Entry;
using bad_input::Outcome;
using runtime::win32::to_wide;

// What a Win32 window types as a: the UTF-16 text where the entry has one.
std::wstring text_a(const Entry& entry) {
    if (entry.a_utf16.empty()) return to_wide(entry.a);
    return {entry.a_utf16.begin(), entry.a_utf16.end()};
}

// An entry as an EDIT box can hold it, with what the window must then show.
struct OnWin32 {
    Entry entry;
    std::wstring held_a, held_b;
};

// Window texts end at their first NUL, so no box can hold one: the a of
// "1", NUL, "2" arrives as 1, which is a good number.
OnWin32 as_an_edit_box_keeps_it(const Entry& entry) {
    OnWin32 kept{entry, text_a(entry), to_wide(entry.b)};
    if (const auto nul = kept.held_a.find(L'\0'); nul != std::wstring::npos) {
        kept.held_a.resize(nul);
        kept.entry.a = runtime::win32::to_utf8(kept.held_a);
        kept.entry.outcome = Outcome::answer;
        kept.entry.shown = "tenglama yagona yechimga ega   X=5";
    }
    return kept;
}

// The rows whose text this face carries in its own way, through its boxes,
// its window texts and its conversion to UTF-16: NUL, control characters,
// line breaks, surrogates, the most a box holds and one unit more. Every
// row runs on the core.
constexpr std::array<std::string_view, 9> at_the_edge{
    "nul_inside",         "control_characters",    "c1_control",
    "newline_after",      "invisible_characters",  "emoji",
    "unpaired_surrogate", "longest_leading_zeros", "longest_spaces_then_1"};

std::vector<Entry> edge_rows() {
    std::vector<Entry> rows;
    for (Entry& entry : bad_input::catalogue()) {
        if (std::ranges::find(at_the_edge, entry.name) != at_the_edge.end()) rows.push_back(std::move(entry));
    }
    // A row renamed in the catalogue must not drop out of this suite unseen.
    if (rows.size() != at_the_edge.size()) throw std::logic_error("a row at the edge is missing from the catalogue");
    return rows;
}

class CatalogueOnForm1 : public Form1Window, public testing::WithParamInterface<Entry> {
protected:
    // Short text is typed key by key, lone surrogates included. An EDIT box
    // drops typed control characters, and thousands of keys are slow: those
    // texts are pasted, as a user brings them in.
    void put_into(std::string_view name, const std::wstring& text) const {
        const bool typeable =
            text.size() <= 64 && std::ranges::all_of(text, [](wchar_t c) { return c >= L' ' && c != 0x7F; });
        if (typeable) {
            type_into(name, text);
        } else {
            paste_into(name, text);
        }
    }
};

// Over a good answer: the new answer replaces it, or the error is shown and
// afterwards the answer, both boxes and the window are all as they were,
// with the user in the box to fix and its text selected.
TEST_P(CatalogueOnForm1, GivesTheRightAnswerOrOneUzbekErrorAndKeepsEverything) {
    const OnWin32 kept = as_an_edit_box_keeps_it(bad_input::as_pasted(GetParam()));
    const Entry& entry = kept.entry;
    type_into("Text1", "2");
    type_into("Text2", "5");
    click_natija();
    ASSERT_TRUE(pump_until([&] { return answer() == window_cases::answer_for_2_and_5; })) << answer();

    put_into("Text1", text_a(GetParam()));
    put_into("Text2", to_wide(entry.b));
    ASSERT_EQ(wide_text_of(control("Text1")), kept.held_a);
    ASSERT_EQ(wide_text_of(control("Text2")), kept.held_b);

    MessageBoxAnswerer answerer;
    click_natija();
    if (entry.outcome == Outcome::error) pump_until([&] { return answerer.shown > 0; });

    EXPECT_TRUE(IsWindowVisible(frame()));
    EXPECT_EQ(wide_text_of(control("Text1")), kept.held_a);
    EXPECT_EQ(wide_text_of(control("Text2")), kept.held_b);
    if (entry.outcome == Outcome::answer) {
        EXPECT_TRUE(pump_until([&] { return answer() == entry.shown; })) << answer();
        EXPECT_EQ(answerer.shown, 0) << answerer.text;
        return;
    }
    ASSERT_EQ(answerer.shown, 1);
    EXPECT_EQ(answerer.text, entry.shown);
    EXPECT_EQ(answer(), window_cases::answer_for_2_and_5);

    // An error about neither box leaves the focus on the button clicked.
    const std::string focus = entry.focus.empty() ? "Command1" : std::string(entry.focus);
    EXPECT_TRUE(pump_until([&] { return GetForegroundWindow() == frame() && focused_name() == focus; }))
        << focused_name();
    if (!entry.focus.empty()) {
        DWORD start = 1, end = 0;
        SendMessageW(GetFocus(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 0u);
        EXPECT_EQ(end, static_cast<DWORD>(GetWindowTextLengthW(GetFocus())));
    }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, CatalogueOnForm1, testing::ValuesIn(edge_rows()),
                         [](const testing::TestParamInfo<Entry>& entry) { return entry.param.name; });

}  // namespace
