// Prints the behaviour cases every face runs (tests/window_cases.h and the
// bad-input catalogue) as JSON, for the browser harness. Texts are written
// as the page holds them: UTF-16, converted by the core's own function.

#include <cstdio>
#include <string>
#include <string_view>

#include "runtime/text/utf16.h"
#include "tests/bad_input_catalogue.h"
#include "tests/window_cases.h"

namespace {

std::string json(std::u16string_view text) {
    std::string out = "\"";
    for (const char16_t unit : text) {
        if (unit >= 0x20 && unit < 0x7F && unit != '"' && unit != '\\') {
            out += static_cast<char>(unit);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(unit));
            out += escaped;
        }
    }
    return out + "\"";
}

std::string json(std::string_view utf8) { return json(runtime::to_utf16(utf8)); }

template <class Item, class Write>
std::string array(const Item& items, Write write) {
    std::string out = "[";
    for (const auto& item : items) out += (out.size() > 1 ? ",\n  " : "") + write(item);
    return out + "]";
}

std::string click(const window_cases::Click& c) {
    return "{\"a\": " + json(c.a) + ", \"b\": " + json(c.b) + ", \"answer\": " + json(c.answer) + "}";
}

// What a UTF-16 window types as a: the entry's own UTF-16 text, if it has one.
std::string typed_a(const bad_input::Entry& entry) {
    return entry.a_utf16.empty() ? json(entry.a) : json(entry.a_utf16);
}

std::string entry(const bad_input::Entry& typed) {
    const bad_input::Entry kept = bad_input::as_pasted(typed);
    return "{\"name\": " + json(typed.name) + ", \"typed_a\": " + typed_a(typed) + ", \"typed_b\": " + json(typed.b) +
           ", \"a\": " + typed_a(kept) + ", \"b\": " + json(kept.b) +
           ", \"error\": " + (kept.outcome == bad_input::Outcome::error ? "true" : "false") +
           ", \"shown\": " + json(kept.shown) + ", \"focus\": " + json(kept.focus) + "}";
}

}  // namespace

int main() {
    using namespace window_cases;
    const std::string out =
        "{\"title\": " + json(title) + ",\n\"client\": [" + std::to_string(client_width) + ", " +
        std::to_string(client_height) + "],\n\"controls\": " +
        array(controls,
              [](const Placed& p) {
                  static constexpr std::string_view kinds[] = {"button", "text_box", "label"};
                  return "{\"name\": " + json(p.name) + ", \"kind\": " + json(kinds[static_cast<int>(p.kind)]) +
                         ", \"text\": " + json(p.text) + ", \"box\": [" + std::to_string(p.left) + ", " +
                         std::to_string(p.top) + ", " + std::to_string(p.width) + ", " + std::to_string(p.height) +
                         "], \"tab_index\": " + std::to_string(p.tab_index) + "}";
              }) +
        ",\n\"tab_cycle\": " + array(tab_cycle, [](std::string_view name) { return json(name); }) +
        ",\n\"label_clicks\": " +
        array(label_clicks,
              [](const LabelClick& c) {
                  return "{\"label\": " + json(c.label) + ", \"focus\": " + json(c.focus) + "}";
              }) +
        ",\n\"held_before_paste\": " + json(held_before_paste) + ",\n\"pastes\": " +
        array(pastes,
              [](const Paste& c) {
                  return "{\"typed\": " + json(c.typed) + ", \"pasted\": " + json(c.pasted) +
                         ", \"over_typed\": " + (c.over_typed ? "true" : "false") + ", \"kept\": " + json(c.kept) + "}";
              }) +
        ",\n\"accessible_names\": " +
        array(accessible_names,
              [](const Named& named) {
                  return "{\"control\": " + json(named.control) + ", \"name\": " + json(named.name) + "}";
              }) +
        ",\n\"load_font_sizes\": " +
        array(load_font_sizes,
              [](const FontSize& size) {
                  return "{\"label\": " + json(size.label) + ", \"points\": " + std::to_string(size.points) + "}";
              }) +
        ",\n\"clicks\": " + array(clicks, click) + ",\n\"bad_inputs\": " +
        array(bad_inputs,
              [](const BadInput& bad) {
                  return "{\"a\": " + json(bad.a) + ", \"b\": " + json(bad.b) + ", \"message\": " + json(bad.message) +
                         ", \"focus\": " + json(bad.focus) + "}";
              }) +
        ",\n\"redraws\": " +
        array(redraws,
              [](const Redraw& r) {
                  return "{\"name\": " + json(r.case_name) + ", \"first\": " + click(r.first) +
                         ", \"second\": " + click(r.second) + "}";
              }) +
        ",\n\"long_answer\": " + click(long_answer) + ",\n\"longest_answers\": " + array(longest_answers, click) +
        ",\n\"catalogue\": " + array(bad_input::catalogue(), entry) +
        ",\n\"broken\": {\"title\": " + json(broken_form.caption) + ", \"message\": " + json(broken_message) + "}}\n";
    std::fputs(out.c_str(), stdout);
}
