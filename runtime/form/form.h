#pragma once

#include <deque>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "runtime/error.h"
#include "runtime/form/control.h"
#include "runtime/form/toolkit.h"
#include "runtime/function_ref.h"
#include "runtime/project.h"

namespace runtime {

// The start-up form, live: the toolkit's window built from the form's
// description, and the behaviour every toolkit shares. Controls go where
// the description puts them, in pixels; they are made in tab order; each
// box is named by its label; a caption too big for its box is set smaller;
// a self-sizing label follows its caption and widens the window rather
// than be cut; an error from a handler or an event is shown, then the user
// is sent back to the control it names. The window's size is the user's:
// the form follows what the toolkit reports of it.
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

private:
    friend class Control;

    void clicked(const Widget& control) noexcept override;
    void enter_pressed(const Widget& focused) noexcept override;
    void menu_chosen(const Widget& control, std::size_t item) noexcept override;
    void close_requested() noexcept override;
    void resized(const Placement& placed) noexcept override;
    void dpi_changed(int dpi) noexcept override;
    void error_closed() noexcept override;
    void zoom_requested(Zoom zoom) noexcept override;

    // The one barrier: `call` runs behind it, and what it raises is shown.
    void guarded(FunctionRef<void()> call) noexcept;
    Control* find(std::string_view name);
    Control* find(const Widget& widget);
    int density() const;
    Font drawn(Font font) const;
    int pixels(int twips) const;
    Rect stored_box(const ControlDescription& control) const;
    Size stored_client() const;
    void lay_out(Control& control, bool may_widen);
    void lay_out_caption(Control& control);
    void lay_out_self_sizing(Control& control, bool may_widen);
    void show_in(Control& control, Rect box, Font font, const FittedCaption* drawn);
    void rescale(int was, std::optional<Size> client);
    void size_window(Size client, Size minimum);
    void widen_for(int needed);
    void keep_on_screen(const Placement& placed);
    void run(Event event, std::string_view object);
    void report(const Error& error) noexcept;
    void show_errors();
    void close_error();

    const ProjectDescription& project_;
    Toolkit& toolkit_;
    std::unique_ptr<Window> window_;
    int dpi_;
    std::size_t zoom_ = 0;          // the step, from the stored size up
    Size client_;                   // as the toolkit last reported it, or as last set
    Size minimum_;                  // the stored size, grown to what answers needed
    bool sized_by_system_ = false;  // maximised or full screen
    bool restoring_ = false;        // from that, until the restored size is known
    Size unzoomed_;                 // the client area before the zoom left its stored size
    bool sized_while_zoomed_ = false;
    bool laid_out_ = false;          // from the end of Load on
    std::vector<Control> controls_;  // in tab order
    // Errors waiting for the user, the one shown first: one box at a time.
    std::deque<Error> errors_;
    bool error_open_ = false;  // the first one's box is open
};

}  // namespace runtime
