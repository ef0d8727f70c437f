#include "window/form1.h"

#include <array>

namespace window {
namespace {

using runtime::ControlDescription;
using runtime::ControlKind;
using runtime::SystemColour;

// clang-format off
constexpr auto no_colour = SystemColour::none;
constexpr std::array<ControlDescription, 8> controls{{
    // name      kind                      text                                                      left   top width height tab  auto   centred back colour                    labelled_by
    {"Command1", ControlKind::push_button, "Natija",                                                 2040, 3840, 1935, 495,  6, false, false, no_colour,                          ""},
    {"Text2",    ControlKind::text_box,    "",                                                       3360, 2040, 1695, 375,  5, false, false, no_colour,                          "Label4"},
    {"Text1",    ControlKind::text_box,    "",                                                       3360, 1320, 1695, 375,  4, false, false, no_colour,                          "Label3"},
    {"Label5",   ControlKind::label,       "Javob",                                                   360, 2760,  435, 195,  7, true,  false, no_colour,                          ""},
    {"Label4",   ControlKind::label,       "b- ning qiymati",                                        2160, 2040, 1215, 495,  3, false, false, no_colour,                          ""},
    {"Label3",   ControlKind::label,       "a - ning qiymati",                                       2160, 1320, 1215, 495,  2, false, false, no_colour,                          ""},
    {"Label2",   ControlKind::label,       "Tenglamaning ko'rinishi  ax=b, yechimi x=b/a",           1200,  600, 5895, 495,  1, false, true,  no_colour,                          ""},
    {"Label1",   ControlKind::label,       "Birinchi darajali bir noma'lumli tenglamalarni yechish",  720,  120, 7440, 435,  0, false, false, SystemColour::inactive_border, ""},
}};
// clang-format on

}  // namespace

const runtime::FormDescription form1{
    .name = "Form1",
    .caption = " ax=b ko'rinishdagi tenglamalarni yechish",
    .client_width = 7605,
    .client_height = 4710,
    .controls = controls,
};

}  // namespace window
