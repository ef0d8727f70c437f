#include "runtime/web/markup.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <utility>

namespace runtime::web {
namespace {

// Lengths go unitless, in the stored form's pixels: the stylesheet turns
// them into lengths at its own scale.
std::string declarations(std::initializer_list<std::pair<const char*, int>> values) {
    std::string out;
    for (const auto& [name, value] : values) {
        out += name;
        out += ':';
        out += std::to_string(value);
        out += ';';
    }
    return out;
}

void append_escaped(std::string& out, char c) {
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

// `text` escaped, each of its words in a span.
void append_words(std::string& out, std::string_view text) {
    bool in_word = false;
    for (const char c : text) {
        if ((c != ' ') != in_word) {
            in_word = !in_word;
            out += in_word ? "<span>" : "</span>";
        }
        append_escaped(out, c);
    }
    if (in_word) out += "</span>";
}

}  // namespace

std::string escaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) append_escaped(out, c);
    return out;
}

std::string lines_markup(std::string_view text, std::span<const Line> lines) {
    std::string out;
    std::size_t at = 0;
    for (const Line& line : lines) {
        append_words(out, text.substr(at, line.begin - at));
        out += "<span>";
        append_words(out, text.substr(line.begin, line.end - line.begin));
        out += "</span>";
        at = line.end;
    }
    append_words(out, text.substr(at));
    return out;
}

int widest_word(std::string_view text, Measure measure) {
    int widest = 0;
    std::size_t begin = 0;
    for (std::size_t at = 0; at <= text.size(); ++at) {
        if (at < text.size() && text[at] != ' ') continue;
        if (at > begin) widest = std::max(widest, measure(text.substr(begin, at - begin), Font{75.0f}).width);
        begin = at + 1;
    }
    return widest;
}

// A box gets the full keyboard, as a phone's decimal pad has no minus sign
// or 'e', and keeps no history of what was typed. A label names nothing
// until it names a box. Appended piece by piece: the page waits for every
// byte of the code that writes it.
std::string control_markup(const ControlStyle& style, std::string_view text, std::span<const Line> lines,
                           std::string_view attributes) {
    static constexpr std::array<const char*, 3> opened{"<button type=\"button\"", "<input type=\"text\"", "<label"};
    static constexpr std::array<const char*, 4> classes{"", " class=\"centred\"", " class=\"inactive-border\"",
                                                        " class=\"centred inactive-border\""};
    std::string out = opened[static_cast<std::size_t>(style.kind)];
    out += " id=\"";
    out += escaped(style.name);
    out += '"';
    switch (style.kind) {
        case ControlKind::push_button:
            out += attributes;
            out += '>';
            out += escaped(text);
            out += "</button>";
            break;
        case ControlKind::text_box:
            out +=
                " inputmode=\"text\" autocomplete=\"off\" autocapitalize=\"off\" autocorrect=\"off\""
                " spellcheck=\"false\" maxlength=\"";
            out += std::to_string(style.max_length);
            out += "\" value=\"";
            out += escaped(text);
            out += '"';
            out += attributes;
            out += '>';
            break;
        case ControlKind::label:
            out += classes[(style.centred ? 1U : 0U) + (style.back_colour == SystemColour::inactive_border ? 2U : 0U)];
            if (style.announce_changes) out += " aria-live=\"polite\"";
            out += attributes;
            out += '>';
            out += lines_markup(text, lines);
            out += "</label>";
    }
    return out;
}

std::string control_style(Rect box, float points, int line_height, int widest_word) {
    std::string out = declarations({{"--left", box.left},
                                    {"--top", box.top},
                                    {"--width", box.width},
                                    {"--height", box.height},
                                    {"--size", static_cast<int>(std::lround(points * 10.0f))}});
    if (line_height > 0) out += declarations({{"--line", line_height}});
    return out + declarations({{"--word", widest_word}});
}

std::string form_style(Size client) {
    return declarations({{"--form-width", client.width}, {"--form-height", client.height}});
}

}  // namespace runtime::web
