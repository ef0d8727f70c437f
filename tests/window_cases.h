#pragma once

// What every backend's window must show and do, written once and checked
// against each real window (Qt offscreen, Win32 under Wine).

#include <array>
#include <string_view>

#include "runtime/project.h"

namespace window_cases {

inline constexpr std::string_view title = " ax=b ko'rinishdagi tenglamalarni yechish";
inline constexpr int client_width = 507;  // pixels at 96 dpi
inline constexpr int client_height = 314;

enum class Kind { button, text_box, label };

struct Placed {
    std::string_view name;
    Kind kind;
    std::string_view text;
    int left, top, width, height;  // pixels at 96 dpi; Label5's size follows its caption
    int tab_index;
};

inline constexpr std::array<Placed, 8> controls{{
    {"Command1", Kind::button, "Natija", 136, 256, 129, 33, 6},
    {"Text2", Kind::text_box, "", 224, 136, 113, 25, 5},
    {"Text1", Kind::text_box, "", 224, 88, 113, 25, 4},
    {"Label5", Kind::label, "Javob", 24, 184, 29, 13, 7},
    {"Label4", Kind::label, "b- ning qiymati", 144, 136, 81, 33, 3},
    {"Label3", Kind::label, "a - ning qiymati", 144, 88, 81, 33, 2},
    {"Label2", Kind::label, "Tenglamaning ko'rinishi  ax=b, yechimi x=b/a", 80, 40, 393, 33, 1},
    {"Label1", Kind::label, "Birinchi darajali bir noma'lumli tenglamalarni yechish", 48, 8, 496, 29, 0},
}};

inline constexpr std::array<std::string_view, 3> tab_cycle{"Text1", "Text2", "Command1"};

// Clicks on the labels in turn, from the focus in Text1, and where the
// focus is after each: a caption hands it to the box it names.
struct LabelClick {
    std::string_view label, focus;
};
inline constexpr std::array<LabelClick, 5> label_clicks{
    {{"Label4", "Text2"}, {"Label1", "Text2"}, {"Label3", "Text1"}, {"Label2", "Text1"}, {"Label5", "Text1"}}};

// What screen readers and automation read each control that takes the
// focus by: a box by its label's caption, exactly, however it is drawn.
struct Named {
    std::string_view control, name;
};
inline constexpr std::array<Named, 3> accessible_names{
    {{"Text1", "a - ning qiymati"}, {"Text2", "b- ning qiymati"}, {"Command1", "Natija"}}};

struct FontSize {
    std::string_view label;
    float points;
};
inline constexpr std::array<FontSize, 5> load_font_sizes{
    {{"Label5", 15}, {"Label1", 15}, {"Label2", 15}, {"Label3", 10}, {"Label4", 10}}};

struct Click {
    std::string_view a, b, answer;
};
// The answer the faces' own tests put on screen first, for a = 2, b = 5.
inline constexpr std::string_view answer_for_2_and_5 = "tenglama yagona yechimga ega   X=2,5";
inline constexpr std::array<Click, 4> clicks{{
    {"0", "0", "tenglama cheksiz ko'p yechimga ega"},
    {"0", "7", "tenglama yechimga ega emas"},
    {"2", "5", answer_for_2_and_5},
    {"-3", "6", "tenglama yagona yechimga ega   X=-2"},
}};

// Typed into a box after a good answer is on screen; the answer must stay.
struct BadInput {
    std::string_view a, b, message;
    std::string_view focus;  // the box the user is sent back to
};
inline constexpr std::array<BadInput, 4> bad_inputs{{
    {"", "5", "a ning qiymati kiritilmagan.", "Text1"},
    {"2", "abc",
     "b ning qiymati son emas: \xC2\xAB"
     "abc\xC2\xBB.",
     "Text2"},
    {"1e999", "5",
     "a ning qiymati juda katta: \xC2\xAB"
     "1e999\xC2\xBB.",
     "Text1"},
    {"1e-300", "1e300", "Natija juda katta.", "Command1"},
}};

// A paste into a box that held "999" before the user cleared it and typed
// `typed`: at the end of the typed text, or over all of it where
// `over_typed`. The box keeps the first line of what was pasted, whatever
// ends it; Ctrl+Z then takes back the paste alone, and the box holds
// `typed` again.
struct Paste {
    std::u16string_view typed, pasted;
    bool over_typed;
    std::u16string_view kept;
};
inline constexpr std::u16string_view held_before_paste = u"999";
inline constexpr std::array<Paste, 6> pastes{{
    {u"12", u"34\r\n56", false, u"1234"},
    {u"12", u"34\n56", false, u"1234"},
    {u"7", u"2\n3\n", true, u"2"},
    {u"7", u"2\r3", true, u"2"},
    {u"-1", u",5e3", false, u"-1,5e3"},
    {u"", u"5\r\n6", false, u"5"},
}};

// One answer shown after another must be drawn exactly as the same answer
// shown alone: two ways to one state, the same pixels. An empty `answer`
// is a click that shows an error instead.
struct Redraw {
    std::string_view case_name;
    Click first, second;
};
inline constexpr std::array<Redraw, 7> redraws{{
    {"SameLength", {"2", "5", answer_for_2_and_5}, {"2", "1", "tenglama yagona yechimga ega   X=0,5"}},
    {"SameLengthNarrower",
     {"1e-10", "1e10", "tenglama yagona yechimga ega   X=1E+20"},
     {"1 000", "5", "tenglama yagona yechimga ega   X=0,005"}},
    {"ShorterAfterLonger",
     {"6", "2e-6", "tenglama yagona yechimga ega   X=3,33333333333333E-07"},
     {"1", "5", "tenglama yagona yechimga ega   X=5"}},
    {"M3AfterM1", {"0", "0", "tenglama cheksiz ko'p yechimga ega"}, {"2", "5", answer_for_2_and_5}},
    {"M2AfterM1", {"0", "0", "tenglama cheksiz ko'p yechimga ega"}, {"0", "7", "tenglama yechimga ega emas"}},
    {"M1AfterM3", {"2", "5", answer_for_2_and_5}, {"0", "0", "tenglama cheksiz ko'p yechimga ega"}},
    {"AfterAnError", {"2", "abc", ""}, {"2", "5", answer_for_2_and_5}},
}};

// A long answer: Label5 must widen on one line, from its stored left.
inline constexpr Click long_answer{"3", "1", "tenglama yagona yechimga ega   X=0,333333333333333"};

// Answers longer than the stored window is wide: the window widens to
// show each one whole, exponent and all.
inline constexpr std::array<Click, 3> longest_answers{{
    {"6", "2e-6", "tenglama yagona yechimga ega   X=3,33333333333333E-07"},
    {"3", "1e-20", "tenglama yagona yechimga ega   X=3,33333333333333E-21"},
    {"3", "-1e20", "tenglama yagona yechimga ega   X=-3,33333333333333E+19"},
}};

// A project whose form cannot be built: a box named by a label it lacks.
inline constexpr std::array<runtime::ControlDescription, 1> broken_controls{{
    {"Text1", runtime::ControlKind::text_box, "", 0, 0, 1500, 375, 0, false, false, runtime::SystemColour::none,
     "Label9"},
}};
inline constexpr runtime::FormDescription broken_form{"Form1", "Broken", 3000, 1500, broken_controls};
inline const runtime::ProjectDescription broken_project{"broken", broken_form, {}};
inline constexpr std::string_view broken_message = "Dasturning ichki xatosi: Form1.Label9";

}  // namespace window_cases
