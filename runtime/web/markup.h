#pragma once

#include <span>
#include <string>
#include <string_view>

#include "runtime/form/caption_fit.h"
#include "runtime/form/toolkit.h"

// The page's markup and style for what the core decides, written here only:
// the page's own markup, made at build time (page/markup_toolkit.cpp), and
// the live page, which takes those elements over, say the same.
namespace runtime::web {

// What browsers give form controls: the default font's size.
inline constexpr float default_points = 10.0f;

// The size `font` is drawn at, in points: the page's default or its own,
// times its scale.
inline float drawn_points(Font font) { return font.points.value_or(default_points) * font.scale; }

// `text` as markup: every character that markup gives a meaning to is
// escaped, so a text is always shown as text.
std::string escaped(std::string_view text);

// A label's content: each of the core's lines in a span of its own, which
// the stylesheet sets on a line of its own where the form is as stored;
// each word (run of non-spaces) in a span within, which it never breaks,
// so that a label that wraps in a column wraps only at its spaces. The
// spaces stay as text between the spans, so the label's text is its
// caption exactly.
std::string lines_markup(std::string_view text, std::span<const Line> lines);

// The width of the widest word of `text` in a 100-pixel font (75 points),
// by `measure`: in hundredths of an em, as the stylesheet reads it.
int widest_word(std::string_view text, Measure measure);

// The element for a control: a <button>, an <input> or a <label>, its id
// the control's name. `text` is a box's text, a button's caption or a
// label's, drawn as `lines`; `attributes`, markup, are added to its own.
std::string control_markup(const ControlStyle& style, std::string_view text, std::span<const Line> lines,
                           std::string_view attributes = {});

// The control's place and type as the stylesheet reads them, in CSS
// declarations: its box and a label's line height (none where it is zero:
// a box or a button centres its one line itself) in the stored form's
// pixels, which the stylesheet scales with the browser's text size; its
// font's size in tenths of a point; and a label's widest word
// (widest_word), which a column narrower than that sets smaller.
std::string control_style(Rect box, float points, int line_height, int widest_word);

// The form's size, likewise.
std::string form_style(Size client);

}  // namespace runtime::web
