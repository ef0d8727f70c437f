#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "runtime/form/caption_fit.h"
#include "runtime/form/description.h"
#include "runtime/form/toolkit.h"

namespace runtime {

class Form;

// One control as the handlers see it. Each property is checked against the
// control's kind; a wrong access raises an error instead of misbehaving.
class Control {
public:
    // `widget` was made at `made_at`.
    Control(Form& form, const ControlDescription& description, std::unique_ptr<Widget> widget, Rect made_at);

    const ControlDescription& description() const { return *description_; }
    std::string text() const;                    // text boxes
    void set_caption(std::string_view caption);  // labels and buttons
    void set_font_size(float points);

    const std::string& caption() const { return caption_; }
    Font font() const { return font_; }

private:
    friend class Form;
    void require(bool allowed, std::string_view property) const;

    // What the toolkit shows now, so that only changes reach it.
    struct Shown {
        std::optional<Rect> box;
        std::optional<Font> font;
        std::optional<FittedCaption> drawn;  // reset when the caption changes
    };

    Form* form_;
    const ControlDescription* description_;
    std::unique_ptr<Widget> widget_;
    std::string caption_;
    Font font_;
    Shown shown_;
    std::optional<FittedCaption> fit_;  // the caption's fit at this density, once made
    bool written_ = false;              // by a handler, and not yet shown
};

}  // namespace runtime
