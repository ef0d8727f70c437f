#pragma once

// A toolkit with no GUI behind it. It records what the core asks of it, so
// the form and all its behaviour run, and are checked, with no display.

#include <cmath>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "runtime/form/form.h"
#include "runtime/form/toolkit.h"

struct FakeWidget : runtime::Widget {
    explicit FakeWidget(const runtime::ControlStyle& made_as, runtime::Rect at, std::string_view initial)
        : style(made_as), name(made_as.name), box(at), value(initial) {}

    std::string text() const override { return value; }
    void set_text(std::string_view text) override {
        value = text;
        ++writes;
    }
    void set_lines(std::vector<runtime::Line> drawn) override { lines = std::move(drawn); }
    void set_font(runtime::Font made) override { font = made; }
    void place(runtime::Rect at) override { box = at; }
    void focus(bool select_all) override {
        ++focused;
        selected_all = select_all;
    }
    void name_by(const runtime::Widget& label) override { named_by = &label; }
    void set_menu(std::vector<runtime::MenuItem> items) override { menu = std::move(items); }

    runtime::ControlStyle style;
    std::string name;
    runtime::Rect box;
    std::string value;
    std::vector<runtime::Line> lines;
    runtime::Font font;
    int writes = 0;
    int focused = 0;
    bool selected_all = false;
    const runtime::Widget* named_by = nullptr;
    std::vector<runtime::MenuItem> menu;
};

struct FakeWindow : runtime::Window {
    FakeWindow(std::string_view title, runtime::WindowEvents& to) : caption(title), events(to) {}

    std::unique_ptr<runtime::Widget> make(const runtime::ControlStyle& style, runtime::Rect pixels,
                                          std::string_view text) override {
        auto fake = std::make_unique<FakeWidget>(style, pixels, text);
        made.push_back(fake.get());
        return fake;
    }
    int dpi() const override { return dots_per_inch; }
    // Every character is half an em wide; a line is 1.25 em high.
    runtime::Size measure(std::string_view text, runtime::Font font) const override {
        const double em = static_cast<double>(font.points.value_or(default_points)) * dots_per_inch / 72.0;
        std::size_t characters = 0;
        for (char c : text) characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        return {static_cast<int>(std::ceil(static_cast<double>(characters) * em / 2)),
                static_cast<int>(std::ceil(em * 1.25))};
    }
    runtime::Placement placement() const override { return {{left, 40, client.width, client.height}, room, maximised}; }
    void set_client_size(runtime::Size size) override {
        client = size;
        events.resized();
    }
    void set_minimum_client_size(runtime::Size smallest) override { minimum = smallest; }
    void shift_left(int pixels) override { left -= pixels; }
    void show() override { shown = true; }
    void show_error(std::string_view message, std::function<void()> closed) override {
        errors.emplace_back(message);
        if (answers_errors) {
            closed();
        } else {
            waiting.push_back(std::move(closed));
        }
    }
    void copy(std::string_view text) override { clipboard = text; }

    // As the user or the window manager would.
    void user_resizes(runtime::Size size, bool system = false) {
        client = size;
        maximised = system;
        events.resized();
    }

    FakeWidget& widget(std::string_view name) const {
        for (FakeWidget* each : made) {
            if (each->name == name) return *each;
        }
        throw std::out_of_range(std::string(name));
    }

    static constexpr float default_points = 8;
    std::string caption;
    runtime::WindowEvents& events;
    std::vector<FakeWidget*> made;  // in the order made
    int dots_per_inch = 96;
    int left = 100;  // of the client area on the screen
    runtime::Rect room{0, 0, 1900, 1000};
    bool maximised = false;
    runtime::Size client, minimum;
    bool shown = false;
    std::vector<std::string> errors;
    bool answers_errors = true;  // at once, as a desktop's box; else later, as a page's
    std::vector<std::function<void()>> waiting;
    std::string clipboard;
};

struct FakeToolkit : runtime::Toolkit {
    std::unique_ptr<runtime::Window> make_window(std::string_view caption, runtime::WindowEvents& events) override {
        if (!window_fault.empty()) throw runtime::Error(window_fault);
        auto made = std::make_unique<FakeWindow>(caption, events);
        window = made.get();
        return made;
    }
    void show_error(std::string_view title, std::string_view message) override {
        errors.push_back(std::string(title) + ": " + std::string(message));
    }
    int run() override { return 0; }
    void quit() override { ++quits; }

    FakeWindow* window = nullptr;
    std::string window_fault;  // why make_window fails, if it should
    std::vector<std::string> errors;
    int quits = 0;
};

// A project's start-up form built on the fake toolkit and shown.
struct FakeForm {
    explicit FakeForm(const runtime::ProjectDescription& project) : form(project, toolkit) { form.show(); }

    FakeWindow& window() const { return *toolkit.window; }
    FakeWidget& widget(std::string_view name) const { return window().widget(name); }
    // As the toolkit reports a press of the button.
    void click(std::string_view name) const { window().events.clicked(widget(name)); }

    FakeToolkit toolkit;
    runtime::Form form;
};
