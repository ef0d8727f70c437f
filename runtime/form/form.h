#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/error.h"
#include "runtime/form/toolkit.h"
#include "runtime/project.h"

namespace runtime {

class Form;

// One control as the handlers see it. Each property is checked against the
// control's kind; a wrong access raises an error instead of misbehaving.
class Control {
public:
    Control(Form& form, const ControlDescription& description, std::unique_ptr<Widget> widget);

    const ControlDescription& description() const { return *description_; }
    std::string text() const;                    // text boxes
    void set_caption(std::string_view caption);  // labels and buttons
    void set_font_size(float points);

    const std::string& caption() const { return caption_; }
    Font font() const { return font_; }
    Widget& widget() const { return *widget_; }

private:
    friend class Form;
    void require(bool allowed, std::string_view property) const;

    // What the toolkit shows now, so that only changes reach it.
    struct Shown {
        std::optional<Rect> box;
        std::optional<Font> font;
        std::optional<std::string> text;
    };

    Form* form_;
    const ControlDescription* description_;
    std::unique_ptr<Widget> widget_;
    std::string caption_;
    Font font_;
    Shown shown_;
};

// The start-up form, live: the toolkit's window built from the form's
// description, and the behaviour every toolkit shares. Controls go where
// the description puts them, in pixels; they are made in tab order; each
// box is named by its label; a caption too big for its box is set smaller;
// a self-sizing label follows its caption and widens the window rather
// than be cut; an error from a handler is shown, then the user is sent
// back to the control it names.
class Form final : private WindowEvents {
public:
    // Builds the project's start-up form on `toolkit` and runs its Load handler.
    Form(const ProjectDescription& project, Toolkit& toolkit);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    ~Form() = default;

    // Shows the window with the focus in the first control that takes it.
    void show();

    const FormDescription& description() const { return project_.startup_form; }
    Control& control(std::string_view name);
    Window& window() const { return *window_; }

private:
    friend class Control;

    void clicked(const Widget& button) override;
    void close_requested() override;
    void dpi_changed() override;

    Control* find(std::string_view name);
    int pixels(int twips) const;
    Rect stored_box(const ControlDescription& control) const;
    Size stored_client() const;
    void lay_out(Control& control);
    void show_in(Control& control, Rect box, Font font, std::optional<std::string> text);
    void widen_to_show(Rect box);
    void run(Event event, std::string_view object);
    void report(const Error& error);

    const ProjectDescription& project_;
    Toolkit& toolkit_;
    std::unique_ptr<Window> window_;
    int dpi_;
    Size client_;
    std::vector<Control> controls_;  // in tab order
};

}  // namespace runtime
