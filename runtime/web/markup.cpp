#include "runtime/web/markup.h"

#include <algorithm>
#include <cmath>

namespace runtime::web {
namespace {

std::string pixels(int value) { return std::to_string(value) + "px"; }

// To a tenth of a point, as the stylesheet needs it.
std::string points_text(float points) {
    const long tenths = std::lround(points * 10.0f);
    return std::to_string(tenths / 10) + (tenths % 10 != 0 ? "." + std::to_string(tenths % 10) : "");
}

}  // namespace

std::string escaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

// Lines the core has not yet drawn for a new text may pass its end; they
// are cut to it.
std::string lines_markup(std::string_view text, const std::vector<Line>& lines) {
    std::string out;
    std::size_t at = 0;
    for (const Line& line : lines) {
        const std::size_t begin = std::clamp(line.begin, at, text.size());
        const std::size_t end = std::clamp(line.end, begin, text.size());
        out += escaped(text.substr(at, begin - at));
        out += "<span>" + escaped(text.substr(begin, end - begin)) + "</span>";
        at = end;
    }
    return out += escaped(text.substr(at));
}

// A box gets the full keyboard, as a phone's decimal pad has no minus sign
// or 'e', and keeps no history of what was typed. A label names nothing
// until it names a box.
std::string control_markup(const ControlStyle& style, std::string_view text, const std::vector<Line>& lines,
                           std::string_view attributes) {
    const std::string id = " id=\"" + escaped(style.name) + "\"";
    switch (style.kind) {
        case ControlKind::push_button:
            return "<button type=\"button\"" + id + std::string(attributes) + ">" + escaped(text) + "</button>";
        case ControlKind::text_box:
            return "<input type=\"text\"" + id +
                   " inputmode=\"text\" autocomplete=\"off\" autocapitalize=\"off\" autocorrect=\"off\""
                   " spellcheck=\"false\" maxlength=\"" +
                   std::to_string(style.max_length) + "\" value=\"" + escaped(text) + "\"" + std::string(attributes) +
                   ">";
        case ControlKind::label:
            break;
    }
    std::string classes = style.centred ? "centred" : "";
    if (style.back_colour == SystemColour::inactive_border)
        classes += classes.empty() ? "inactive-border" : " inactive-border";
    return "<label" + id + (classes.empty() ? "" : " class=\"" + classes + "\"") +
           (style.announce_changes ? " aria-live=\"polite\"" : "") + std::string(attributes) + ">" +
           lines_markup(text, lines) + "</label>";
}

std::string control_style(Rect box, float points, int line_height) {
    return "--left:" + pixels(box.left) + ";--top:" + pixels(box.top) + ";--width:" + pixels(box.width) +
           ";--height:" + pixels(box.height) + ";--points:" + points_text(points) + ";--line:" + pixels(line_height);
}

std::string form_style(Size client) {
    return "--form-width:" + pixels(client.width) + ";--form-height:" + pixels(client.height);
}

}  // namespace runtime::web
