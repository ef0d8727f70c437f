#pragma once

#include <span>
#include <string>
#include <string_view>

#include "runtime/form/toolkit.h"
#include "runtime/web/markup.h"

namespace runtime::web {

// The extent of `text` on one line in `font`, in the stored form's pixels.
Size measured(std::string_view text, Font font);

// One control as an element of the form: the one the page's own markup
// holds under its name, taken over, or else a new one (markup.h).
class Control final : public runtime::Widget {
public:
    Control(const ControlStyle& style, Rect box, std::string_view text, WindowEvents& events);
    ~Control() override;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    int handle() const { return handle_; }
    WindowEvents& events() const { return events_; }

    std::string text() const override;
    void set_caption(const Caption& caption) override;
    void set_font(Font font) override;
    void place(Rect box) override;
    void focus(bool select_all) override;
    void name_by(const runtime::Widget& label) override;
    void set_menu(std::span<const std::string_view> items) override;

private:
    void restyle();

    ControlKind kind_;
    WindowEvents& events_;
    int handle_;
    Rect box_;
    float points_ = default_points;
    int line_height_ = 0;  // labels: their caption's
    int widest_word_ = 0;  // labels: their caption's (markup.h)
};

}  // namespace runtime::web
