#pragma once

#include <memory>
#include <string>
#include <vector>

#include "runtime/form.h"

// A widget with no toolkit behind it, so handlers run with no GUI at all.
struct FakeWidget : runtime::Widget {
    explicit FakeWidget(std::string initial) : value(std::move(initial)) {}
    std::string text() const override { return value; }
    void set_text(std::string_view text) override {
        value = text;
        ++writes;
    }
    void set_font_size(float points) override { font_size = points; }

    std::string value;
    float font_size = 0;
    int writes = 0;
};

// Form1 built from its description on fake widgets.
struct FakeForm {
    explicit FakeForm(const runtime::FormDescription& description) : form(description, make(description)) {}

    FakeWidget& widget(std::string_view name) {
        for (std::size_t i = 0; i < form.description().controls.size(); ++i) {
            if (form.description().controls[i].name == name) return *widgets[i];
        }
        throw std::out_of_range(std::string(name));
    }

    std::vector<FakeWidget*> widgets;
    runtime::Form form;

private:
    std::vector<std::unique_ptr<runtime::Widget>> make(const runtime::FormDescription& description) {
        std::vector<std::unique_ptr<runtime::Widget>> made;
        for (const auto& control : description.controls) {
            auto fake = std::make_unique<FakeWidget>(std::string(control.text));
            widgets.push_back(fake.get());
            made.push_back(std::move(fake));
        }
        return made;
    }
};
