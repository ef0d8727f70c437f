#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "runtime/form/toolkit.h"

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

    std::string text() const override;
    void set_text(std::string_view text) override;
    void set_lines(std::vector<Line> lines) override;
    void set_font(Font font) override;
    void place(Rect box) override;
    void focus(bool select_all) override;
    void name_by(const runtime::Widget& label) override;
    void set_menu(std::vector<MenuItem> items) override;

    // From the page: what may raise passes the core's barrier.
    void clicked() { events_.clicked(*this); }
    void menu_chosen(int index);
    int kept_of_insertion(std::u16string_view inserted, int held, int replaced) const noexcept;

private:
    void draw_lines();
    void restyle();

    ControlKind kind_;
    WindowEvents& events_;
    int handle_;
    std::vector<MenuItem> menu_;
    std::string caption_;  // labels: their text, drawn as lines_
    std::vector<Line> lines_;
    int widest_word_ = 0;  // labels: their caption's (markup.h)
    Rect box_;
    float points_;
    int line_height_;
};

}  // namespace runtime::web
