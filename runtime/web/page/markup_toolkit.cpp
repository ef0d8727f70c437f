// The form's markup, made at build time. The program itself runs on the
// runtime's headless toolkit, measuring text as the page's font does: the
// runtime builds its form from the description and lays it out, and the
// toolkit prints what the page's own markup and stylesheet must hold for
// the form to show before the program runs, as a CMake script (page.cmake
// reads it). The program, once live, takes these elements over and lays
// the form out again with the device's own font.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "runtime/headless/toolkit.h"
#include "runtime/web/markup.h"

namespace runtime::web {
namespace {

// DejaVu Sans, the face Debian's browsers show for the page's font: the
// advance widths of U+0020 to U+007E, its ascent and descent, in 1/2048 em.
// Any other character is measured as a digit.
constexpr std::array<int, 95> advances{
    651,  821,  942,  1716, 1303, 1946, 1597, 563,  799,  799,  1024, 1716, 651,  739,  651,  690,  1303, 1303, 1303,
    1303, 1303, 1303, 1303, 1303, 1303, 1303, 690,  690,  1716, 1716, 1716, 1087, 2048, 1401, 1405, 1430, 1577, 1294,
    1178, 1587, 1540, 604,  604,  1343, 1141, 1767, 1532, 1612, 1235, 1612, 1423, 1300, 1251, 1499, 1401, 2025, 1403,
    1251, 1403, 799,  690,  799,  1716, 1024, 1024, 1255, 1300, 1126, 1300, 1260, 721,  1300, 1298, 569,  569,  1186,
    569,  1995, 1298, 1253, 1300, 1300, 842,  1067, 803,  1298, 1212, 1675, 1212, 1212, 1075, 1303, 690,  1303, 1716,
};
constexpr double units_per_em = 2048;
constexpr double ascent = 1901;
constexpr double descent = 483;

// As a canvas measures it, kerning off: the advances summed, rounded up;
// the line, ascent and descent each rounded.
Size dejavu_sans(std::string_view text, float points, int dpi) {
    const double em = points * dpi / 72.0;
    long units = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0) == 0x80) continue;  // the rest of a UTF-8 sequence
        units += byte >= 0x20 && byte < 0x7F ? advances[byte - 0x20] : advances['0' - 0x20];
    }
    return {static_cast<int>(std::ceil(static_cast<double>(units) * em / units_per_em)),
            static_cast<int>(std::lround(em * ascent / units_per_em) + std::lround(em * descent / units_per_em))};
}

// A CMake bracket argument holds any text but its own closing bracket.
std::string bracketed(const std::string& text) {
    std::string equals = "=";
    while (text.find("]" + equals + "]") != std::string::npos) equals += "=";
    return "[" + equals + "[" + text + "]" + equals + "]";
}

// Each label that names a box stands just before it, as the page puts it;
// the focus starts where the form puts it; a button waits for the program.
std::string script(const headless::Window& page) {
    std::vector<const headless::Widget*> order(page.made.begin(), page.made.end());
    for (const headless::Widget* box : page.made) {
        if (box->named_by == nullptr) continue;
        std::erase(order, box->named_by);
        order.insert(std::find(order.begin(), order.end(), box), box->named_by);
    }
    std::string markup = "\n";
    std::string style = "#form{" + form_style(page.client) + "}\n";
    for (const headless::Widget* element : order) {
        std::string attributes;
        for (const headless::Widget* box : page.made) {
            if (box->named_by == element) attributes += " for=\"" + escaped(box->style.name) + "\"";
        }
        if (element->focused > 0) attributes += " autofocus";
        const bool label = element->style.kind == ControlKind::label;
        if (element->style.kind == ControlKind::push_button) attributes += " disabled";
        markup += control_markup(element->style, element->value, element->lines, attributes) + "\n";
        const auto measure = [&page](std::string_view text, Font font) { return page.measure(text, font); };
        style += "#" + std::string(element->style.name) + "{" +
                 control_style(element->box, drawn_points(element->font), label ? element->line_height : 0,
                               label ? widest_word(element->value, measure) : 0) +
                 "}\n";
    }
    return "set(TENGLAMA_TITLE " + bracketed(escaped(page.caption)) + ")\nset(TENGLAMA_FORM_WIDTH " +
           std::to_string(page.client.width) + ")\nset(TENGLAMA_FORM " + bracketed(markup) +
           ")\nset(TENGLAMA_FORM_STYLE " + bracketed(style) + ")\n";
}

void print_error(std::string_view message) {
    std::fprintf(stderr, "%.*s\n", static_cast<int>(message.size()), message.data());
}

class MarkupToolkit final : public headless::Toolkit {
public:
    MarkupToolkit() : Toolkit(dejavu_sans) {}

    void show_error(std::string_view title, std::string_view message) override {
        print_error(std::string(title) + ": " + std::string(message));
    }
    // The form is built and loaded: its markup, unless it raised an error.
    int run() override {
        if (!window->errors.empty()) {
            for (const std::string& error : window->errors) print_error(error);
            return 1;
        }
        std::fputs(script(*window).c_str(), stdout);
        std::fflush(stdout);
        return 0;
    }
};

}  // namespace
}  // namespace runtime::web

std::unique_ptr<runtime::Toolkit> runtime::open_toolkit(std::string_view /*program_name*/) {
    return std::make_unique<web::MarkupToolkit>();
}
