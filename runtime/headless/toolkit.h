#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/form/toolkit.h"

// A toolkit with no screen behind it: each control and the window keep
// what the core asked of them, and text is measured by a rule given. The
// core's tests run the whole form on it; the web page's own markup is
// printed from the form built on it.
namespace runtime::headless {

// The extent of `text` on one line at `points` and `dpi`.
using Metrics = Size (*)(std::string_view text, float points, int dpi);

class Widget final : public runtime::Widget {
public:
    Widget(const ControlStyle& made_as, Rect at, std::string_view initial);

    std::string text() const override { return value; }
    void set_caption(const Caption& caption) override;
    void set_font(Font set) override { font = set; }
    void place(Rect at) override {
        box = at;
        ++places;
    }
    void focus(bool select_all) override;
    void name_by(const runtime::Widget& label) override { named_by = &static_cast<const Widget&>(label); }
    void set_menu(std::span<const std::string_view> items) override { menu.assign(items.begin(), items.end()); }

    ControlStyle style;
    Rect box;
    std::string value;  // a box's text, or the caption as last set
    std::vector<Line> lines;
    int line_height = 0;
    Font font;
    int places = 0;    // how often placed once made
    int captions = 0;  // how often a caption was set
    int written = 0;   // of them, how often written by the program
    int focused = 0;   // how often the focus was given
    bool selected_all = false;
    const Widget* named_by = nullptr;
    std::vector<std::string_view> menu;
};

class Window final : public runtime::Window {
public:
    Window(std::string_view title, WindowEvents& to, Metrics measures);

    std::unique_ptr<runtime::Widget> make(const ControlStyle& style, Rect pixels, std::string_view text) override;
    int dpi() const override { return dots_per_inch; }
    Size measure(std::string_view text, Font font) const override;
    Placement placement() const override { return {{left, top, client.width, client.height}, room, maximised}; }
    // Set at once, and reported as a toolkit does.
    void set_client_size(Size size) override;
    void set_minimum_client_size(Size smallest) override { minimum = smallest; }
    void shift(int leftwards, int upwards) override {
        left -= leftwards;
        top -= upwards;
    }
    void show() override { shown = true; }
    bool show_error(std::string_view message) override;
    void copy(std::string_view text) override { clipboard = text; }

    Widget& widget(std::string_view name) const;

    // The size of text that sets none.
    static constexpr float default_points = 8;
    std::string caption;
    WindowEvents& events;
    Metrics metrics;
    std::vector<Widget*> made;  // in the order made
    int dots_per_inch = 96;
    int left = 100;  // of the client area on the screen
    int top = 40;
    Rect room{0, 0, 1900, 1000};
    bool maximised = false;
    Size client;
    Size minimum;
    bool shown = false;
    std::vector<std::string> errors;  // every message shown, in turn
    bool waits_for_errors = true;     // a desktop's box; else a page's, closed later
    std::string clipboard;
};

class Toolkit : public runtime::Toolkit {
public:
    explicit Toolkit(Metrics metrics) : metrics_(metrics) {}

    std::unique_ptr<runtime::Window> make_window(std::string_view caption, WindowEvents& events) override;
    void show_error(std::string_view title, std::string_view message) override;
    int run() override { return 0; }
    void quit() override { ++quits; }

    Window* window = nullptr;  // the last made
    std::vector<std::string> errors;
    int quits = 0;

private:
    Metrics metrics_;
};

}  // namespace runtime::headless
