#include <algorithm>
#include <array>
#include <vector>

#include "form1_window.h"
#include "tests/bad_input_catalogue.h"
#include "tests/window_cases.h"

namespace bad_input {
// A failure names its row.
inline void PrintTo(const Entry& entry, std::ostream* out) { *out << entry.name; }
}  // namespace bad_input

namespace {

using bad_input::Entry;
using bad_input::Outcome;

// The rows whose text Qt's boxes or this face's conversions could treat
// otherwise: NUL, tabs and other control characters, line breaks and
// separators, a byte order mark, characters beyond the first 65,536 and
// lone surrogates, boxes filled to their capacity and past it. The whole
// catalogue runs on the core.
std::vector<Entry> crossing_qt() {
    constexpr std::array names{
        "only_spaces_and_tab_b", "nul_inside", "control_characters", "c1_control",     "newline_after",
        "invisible_characters",  "emoji",      "unpaired_surrogate", "longest_number", "longest_spaces_then_1"};
    std::vector<Entry> rows;
    for (Entry& entry : bad_input::catalogue()) {
        if (std::find(names.begin(), names.end(), entry.name) != names.end()) rows.push_back(std::move(entry));
    }
    // Qt's own UTF-16 decoding drops a byte order mark at the start of a text.
    rows.push_back(bad_input::detail::bad_a("leading_byte_order_mark",
                                            "\xEF\xBB\xBF"
                                            "2",
                                            "son emas", bad_input::detail::replacement + "2"));
    return rows;
}

// What a Qt window types as a: the UTF-16 text where the entry has one.
QString text_a(const Entry& entry) {
    if (entry.a_utf16.empty()) return to_qstring(entry.a);
    return runtime::qt::qstring(entry.a_utf16);
}

class CatalogueOnForm1 : public Form1Window, public testing::WithParamInterface<Entry> {
protected:
    // A QLineEdit types no control character, QTest's keys carry Latin-1
    // only, and thousands of keys are slow: short plain text is typed,
    // everything else pasted, NULs and control characters included.
    void put_into(std::string_view name, const QString& text) const {
        const bool typeable = text.size() <= 64 && std::all_of(text.begin(), text.end(), [](QChar c) {
                                  return c.unicode() >= ' ' && c.unicode() <= '~';
                              });
        if (typeable) {
            type_into(name, text.toStdString());
        } else {
            paste_into(name, text);
        }
    }
};

// Over a good answer: the new answer replaces it, or the error is shown and
// afterwards the answer, both boxes and the window are all as they were,
// with the user in the box to fix.
TEST_P(CatalogueOnForm1, GivesTheRightAnswerOrOneUzbekErrorAndKeepsEverything) {
    const Entry entry = bad_input::as_pasted(GetParam());
    auto& text1 = control<QLineEdit>("Text1");
    auto& text2 = control<QLineEdit>("Text2");
    type_into("Text1", "2");
    type_into("Text2", "5");
    click_natija();
    ASSERT_EQ(answer().text(), to_qstring(window_cases::answer_for_2_and_5));

    put_into("Text1", text_a(GetParam()));
    put_into("Text2", to_qstring(entry.b));
    const QString a = text_a(entry);
    ASSERT_EQ(text1.text(), a);
    ASSERT_EQ(text2.text(), to_qstring(entry.b));

    MessageBoxCloser closer;
    click_natija();

    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(text1.text(), a);
    EXPECT_EQ(text2.text(), to_qstring(entry.b));
    if (entry.outcome == Outcome::answer) {
        EXPECT_EQ(closer.shown, 0) << closer.text.toStdString();
        EXPECT_EQ(answer().text(), to_qstring(entry.shown));
        return;
    }
    ASSERT_EQ(closer.shown, 1);
    EXPECT_EQ(closer.text, to_qstring(entry.shown));
    EXPECT_EQ(answer().text(), to_qstring(window_cases::answer_for_2_and_5));

    // Offscreen, nothing hands activation back once the box is gone.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    // An error about neither box leaves the focus where the click put it.
    EXPECT_EQ(focused_name(), to_qstring(entry.focus.empty() ? "Command1" : entry.focus));
    if (auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget())) {
        EXPECT_EQ(box->selectedText(), box->text());
    }
}

INSTANTIATE_TEST_SUITE_P(Catalogue, CatalogueOnForm1, testing::ValuesIn(crossing_qt()),
                         [](const testing::TestParamInfo<Entry>& entry) { return entry.param.name; });

}  // namespace
