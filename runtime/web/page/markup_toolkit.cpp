// The form's markup, made at build time. The program itself runs on this
// toolkit as it would on the page's: the runtime builds its form from the
// description and lays it out, and the toolkit prints what the page's own
// markup and stylesheet must hold for the form to show before the program
// runs, as a CMake script (page.cmake reads it). The program, once live,
// takes these elements over and lays the form out again with the
// device's own font.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "runtime/form/toolkit.h"
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
Size measured(std::string_view text, float points) {
    const double em = points * 96.0 / 72.0;
    long units = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0) == 0x80) continue;  // the rest of a UTF-8 sequence
        units += byte >= 0x20 && byte < 0x7F ? advances[byte - 0x20] : advances['0' - 0x20];
    }
    return {static_cast<int>(std::ceil(static_cast<double>(units) * em / units_per_em)),
            static_cast<int>(std::lround(em * ascent / units_per_em) + std::lround(em * descent / units_per_em))};
}

struct Element final : Widget {
    Element(const ControlStyle& made_as, Rect at, std::string_view initial)
        : style(made_as), value(initial), lines{{0, initial.size()}}, box(at) {}

    std::string text() const override { return value; }
    void set_text(std::string_view shown) override { value = shown; }
    void set_lines(std::vector<Line> drawn) override { lines = std::move(drawn); }
    void set_font(Font set) override { font = set; }
    void place(Rect at) override { box = at; }
    void focus(bool /*select_all*/) override { focused = true; }
    void name_by(const Widget& label) override { named_by = &static_cast<const Element&>(label); }
    void set_menu(std::vector<MenuItem> /*items*/) override {}

    float points() const { return font.points.value_or(default_points); }

    ControlStyle style;
    std::string value;
    std::vector<Line> lines;
    Rect box;
    Font font;
    bool focused = false;
    const Element* named_by = nullptr;
};

// A CMake bracket argument holds any text but its own closing bracket.
std::string bracketed(const std::string& text) {
    std::string equals = "=";
    while (text.find("]" + equals + "]") != std::string::npos) equals += "=";
    return "[" + equals + "[" + text + "]" + equals + "]";
}

class Page final : public Window {
public:
    explicit Page(std::string_view caption) : caption_(caption) {}

    std::unique_ptr<Widget> make(const ControlStyle& style, Rect pixels, std::string_view text) override {
        auto made = std::make_unique<Element>(style, pixels, text);
        made_.push_back(made.get());
        return made;
    }
    int dpi() const override { return 96; }
    Size measure(std::string_view text, Font font) const override {
        return measured(text, font.points.value_or(default_points));
    }
    // The layout as the stored form is wide: nothing widens it here.
    Placement placement() const override {
        return {{0, 0, client_.width, client_.height}, {0, 0, client_.width, client_.height}, false};
    }
    void set_client_size(Size client) override { client_ = client; }
    void set_minimum_client_size(Size /*minimum*/) override {}
    void shift_left(int /*pixels*/) override {}
    void show() override {}
    void show_error(std::string_view message, std::function<void()> /*closed*/) override {
        failures_ += std::string(message) + "\n";
    }
    void copy(std::string_view /*text*/) override {}

    const std::string& failures() const { return failures_; }

    // Each label that names a box stands just before it, as the page puts
    // it; the focus starts where the form puts it; a button waits for the
    // program.
    std::string script() const {
        std::vector<const Element*> order(made_.begin(), made_.end());
        for (const Element* box : made_) {
            if (box->named_by == nullptr) continue;
            std::erase(order, box->named_by);
            order.insert(std::find(order.begin(), order.end(), box), box->named_by);
        }
        std::string markup = "\n";
        std::string style = "#form{" + form_style(client_) + "}\n";
        for (const Element* element : order) {
            std::string attributes;
            for (const Element* box : made_) {
                if (box->named_by == element) attributes += " for=\"" + escaped(box->style.name) + "\"";
            }
            if (element->focused) attributes += " autofocus";
            if (element->style.kind == ControlKind::push_button) attributes += " disabled";
            markup += control_markup(element->style, element->value, element->lines, attributes) + "\n";
            const int widest = element->style.kind == ControlKind::label
                                   ? widest_word(element->value, [this](std::string_view text,
                                                                        Font font) { return measure(text, font); })
                                   : 0;
            style += "#" + std::string(element->style.name) + "{" +
                     control_style(element->box, element->points(), measured("", element->points()).height, widest) +
                     "}\n";
        }
        return "set(TENGLAMA_TITLE " + bracketed(escaped(caption_)) + ")\nset(TENGLAMA_FORM_WIDTH " +
               std::to_string(client_.width) + ")\nset(TENGLAMA_FORM " + bracketed(markup) +
               ")\nset(TENGLAMA_FORM_STYLE " + bracketed(style) + ")\n";
    }

private:
    std::string caption_;
    std::vector<Element*> made_;  // in the order made
    Size client_;
    std::string failures_;
};

class MarkupToolkit final : public Toolkit {
public:
    std::unique_ptr<Window> make_window(std::string_view caption, WindowEvents& /*events*/) override {
        auto made = std::make_unique<Page>(caption);
        page_ = made.get();
        return made;
    }
    void show_error(std::string_view title, std::string_view message) override {
        std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(title.size()), title.data(),
                     static_cast<int>(message.size()), message.data());
    }
    // The form is built and loaded: its markup, unless it raised an error.
    int run() override {
        if (!page_->failures().empty()) {
            std::fputs(page_->failures().c_str(), stderr);
            return 1;
        }
        std::fputs(page_->script().c_str(), stdout);
        std::fflush(stdout);
        return 0;
    }
    void quit() override {}

private:
    Page* page_ = nullptr;
};

}  // namespace
}  // namespace runtime::web

std::unique_ptr<runtime::Toolkit> runtime::open_toolkit(std::string_view /*program_name*/) {
    return std::make_unique<web::MarkupToolkit>();
}
