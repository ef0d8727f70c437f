#pragma once

#include <string_view>
#include <vector>

#include "runtime/form/toolkit.h"

namespace runtime::web {

// One control as an element of the form: a <button>, an <input> or a
// <label>, absolutely placed, in the order made (the Tab order).
class Control final : public runtime::Widget {
public:
    Control(const ControlStyle& style, Rect box, std::string_view text, WindowEvents& events);
    ~Control() override;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    int handle() const { return handle_; }

    std::string text() const override;
    void set_text(std::string_view text) override;
    void set_font(Font font) override;
    void place(Rect box) override;
    void focus(bool select_all) override;
    void name_by(const runtime::Widget& label) override;
    void set_menu(std::vector<MenuItem> items) override;

    // From the page.
    void clicked() { events_.clicked(*this); }
    void menu_chosen(int index) const { menu_.at(static_cast<std::size_t>(index)).chosen(); }
    bool inserted(std::u16string_view before, std::u16string_view after, int caret) const;

private:
    WindowEvents& events_;
    int handle_;
    std::vector<MenuItem> menu_;
};

}  // namespace runtime::web
