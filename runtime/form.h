#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/form_description.h"

namespace runtime {

// The backend's side of one control: the toolkit widget behind it.
class Widget {
public:
    virtual ~Widget() = default;
    virtual std::string text() const = 0;
    virtual void set_text(std::string_view text) = 0;
    virtual void set_font_size(float points) = 0;
};

// One control as the handlers see it. Each property is checked against the
// control's kind; a wrong access raises an error instead of misbehaving.
class Control {
public:
    Control(const ControlDescription& description, Widget& widget) : description_(&description), widget_(&widget) {}

    const ControlDescription& description() const { return *description_; }
    std::string text() const;                    // text boxes
    void set_caption(std::string_view caption);  // labels and buttons
    void set_font_size(float points);            // labels and buttons

private:
    void require(bool allowed, std::string_view property) const;

    const ControlDescription* description_;
    Widget* widget_;
};

// A live form: its description and one widget per described control.
class Form {
public:
    Form(const FormDescription& description, std::vector<std::unique_ptr<Widget>> widgets);

    const FormDescription& description() const { return description_; }
    Control& control(std::string_view name);

    // The text box holding `which`, or null; where focus returns after an error.
    const Control* input_for(Coefficient which) const;

private:
    const FormDescription& description_;
    std::vector<std::unique_ptr<Widget>> widgets_;
    std::vector<Control> controls_;
};

}  // namespace runtime
