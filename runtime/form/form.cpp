#include "runtime/form/form.h"

#include <algorithm>

#include "runtime/barrier.h"
#include "runtime/form/caption_fit.h"
#include "runtime/form/text_box_rule.h"
#include "runtime/messages.h"

namespace runtime {
namespace {

// Every toolkit moves the focus with Tab in the order its controls were
// made, so they are made in tab order. Labels hold tab indexes too; they
// never take the focus.
std::vector<const ControlDescription*> in_tab_order(std::span<const ControlDescription> controls) {
    // Insertion, stable as the description's order breaks ties: a form has
    // a handful of controls, and std::stable_sort would bring 3 KB of merge
    // code to the web page for them.
    std::vector<const ControlDescription*> ordered;
    for (const ControlDescription& control : controls) {
        auto at = ordered.end();
        while (at != ordered.begin() && (*(at - 1))->tab_index > control.tab_index) --at;
        ordered.insert(at, &control);
    }
    // The pointers are into the caller's description, which outlives the form.
    // cppcheck-suppress returnDanglingLifetime
    return ordered;
}

ControlStyle style_of(const ControlDescription& control) {
    return {control.kind,
            control.name,
            control.centred,
            control.back_colour,
            control.kind == ControlKind::text_box ? text_box_capacity : 0,
            control.kind == ControlKind::label && control.auto_size};
}

// A length in pixels at one density, at another, rounded to the nearest pixel.
int rescaled(int pixels, int from_dpi, int to_dpi) {
    const long long scaled = static_cast<long long>(pixels) * to_dpi;
    return static_cast<int>((scaled + from_dpi / 2) / from_dpi);
}

// The form sets the window's size itself for as long as it lives; what the
// toolkit reports meanwhile is its own doing.
class Resizing {
public:
    explicit Resizing(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
    ~Resizing() { flag_ = was_; }
    Resizing(const Resizing&) = delete;
    Resizing& operator=(const Resizing&) = delete;

private:
    bool& flag_;
    bool was_;
};

}  // namespace

Form::Form(const ProjectDescription& project, Toolkit& toolkit)
    : project_(project),
      toolkit_(toolkit),
      window_(toolkit.make_window(project.startup_form.caption, *this)),
      dpi_(window_->dpi()),
      client_(stored_client()),
      minimum_(client_) {
    {
        const Resizing resizing(resizing_);
        window_->set_minimum_client_size(minimum_);
        window_->set_client_size(client_);
    }
    const auto ordered = in_tab_order(description().controls);
    controls_.reserve(ordered.size());
    for (const ControlDescription* described : ordered) {
        controls_.emplace_back(*this, *described,
                               window_->make(style_of(*described), stored_box(*described), described->text));
    }
    for (Control& made : controls_) {
        lay_out(made, true);
        const ControlDescription& described = made.description();
        if (!described.labelled_by.empty()) made.widget().name_by(control(described.labelled_by).widget());
        if (described.kind == ControlKind::label) {
            made.widget().set_menu({{std::string(messages::copy),
                                     [this, &made] { guarded([this, &made] { window_->copy(made.caption()); }); }}});
        }
    }
    run(Event::load, description().name);
}

void Form::show() {
    window_->show();
    const auto first = std::find_if(controls_.begin(), controls_.end(), [](const Control& control) {
        return control.description().kind != ControlKind::label;
    });
    if (first != controls_.end()) first->widget().focus(false);
}

Control& Form::control(std::string_view name) {
    Control* const found = find(name);
    if (found == nullptr) {
        throw Error(messages::internal_fault(std::string(description().name) + "." + std::string(name)));
    }
    return *found;
}

Control* Form::find(std::string_view name) {
    const auto found = std::find_if(controls_.begin(), controls_.end(),
                                    [name](const Control& c) { return c.description().name == name; });
    return found == controls_.end() ? nullptr : &*found;
}

Control* Form::find(const Widget& widget) {
    const auto found = std::find_if(controls_.begin(), controls_.end(),
                                    [&widget](const Control& c) { return &c.widget() == &widget; });
    return found == controls_.end() ? nullptr : &*found;
}

// A button runs its Click handler. A label that names a box hands the
// focus to the box, as a larger target for it; other labels do nothing.
void Form::clicked(const Widget& control) noexcept {
    guarded([this, &control] {
        const Control* found = find(control);
        if (found == nullptr) return;
        const ControlDescription& described = found->description();
        if (described.kind == ControlKind::push_button) {
            run(Event::click, described.name);
            return;
        }
        for (const Control& named : controls_) {
            if (named.description().labelled_by == described.name) named.widget().focus(false);
        }
    });
}

void Form::close_requested() noexcept {
    guarded([this] { toolkit_.quit(); });
}

// The user's size stands: nothing moves. Only the answer label follows
// it, set smaller where the system's size leaves its line too little room.
void Form::resized() noexcept {
    guarded([this] {
        const Placement placed = window_->placement();
        const bool resized = placed.client.size() != client_;
        const bool changed = resized || placed.sized_by_system != sized_by_system_;
        restoring_ = (restoring_ || sized_by_system_) && !placed.sized_by_system;
        client_ = placed.client.size();
        sized_by_system_ = placed.sized_by_system;
        if (!changed || resizing_) return;
        // Restored, at least as wide as the answers needed: still on the
        // screen. Some toolkits tell the new state before the new size.
        if (restoring_ && resized) {
            restoring_ = false;
            keep_on_screen(placed);
        }
        for (Control& each : controls_) {
            if (each.description().auto_size) lay_out(each, false);
        }
    });
}

// Everything again at the new density: the user's size and the least size
// scaled, places, sizes and fonts.
void Form::dpi_changed() noexcept {
    guarded([this] {
        const int was = dpi_;
        dpi_ = window_->dpi();
        if (dpi_ == was) return;
        const Size stored = stored_client();
        minimum_ = {std::max(stored.width, rescaled(minimum_.width, was, dpi_)),
                    std::max(stored.height, rescaled(minimum_.height, was, dpi_))};
        {
            const Resizing resizing(resizing_);
            window_->set_minimum_client_size(minimum_);
            if (!sized_by_system_) {
                client_ = {std::max(minimum_.width, rescaled(client_.width, was, dpi_)),
                           std::max(minimum_.height, rescaled(client_.height, was, dpi_))};
                window_->set_client_size(client_);
            }
        }
        for (Control& each : controls_) {
            each.shown_ = {};
            each.fit_.reset();
            lay_out(each, true);
        }
    });
}

void Form::guarded(FunctionRef<void()> call) noexcept {
    if (const std::optional<Error> error = guard(call)) report(*error);
}

int Form::pixels(int twips) const { return to_pixels(twips, dpi_); }

Rect Form::stored_box(const ControlDescription& control) const {
    return {pixels(control.left), pixels(control.top), pixels(control.width), pixels(control.height)};
}

Size Form::stored_client() const { return {pixels(description().client_width), pixels(description().client_height)}; }

void Form::lay_out(Control& control, bool may_widen) {
    const ControlDescription& described = control.description();
    if (described.kind == ControlKind::text_box) {
        show_in(control, stored_box(described), control.font(), std::nullopt, std::nullopt);  // its text is the user's
    } else if (described.kind == ControlKind::push_button) {
        show_in(control, stored_box(described), control.font(), control.caption(), std::nullopt);
    } else if (described.auto_size) {
        lay_out_self_sizing(control, may_widen);
    } else {
        lay_out_caption(control);
    }
}

// Only the part of the box inside the stored form can be seen; the caption
// is fitted to that, once at a density. A window made wider, by the user
// or by an answer, shows the same captions: nothing in it moves or grows.
void Form::lay_out_caption(Control& control) {
    const Rect box = stored_box(control.description());
    const Size stored = stored_client();
    if (!control.fit_) {
        const Size visible{std::min(box.width, stored.width - box.left), std::min(box.height, stored.height - box.top)};
        const auto measure = [this](std::string_view text, Font font) { return window_->measure(text, font); };
        control.fit_ = fit_caption(control.caption(), control.font(), visible, measure);
    }
    show_in(control, box, control.fit_->font, control.caption(), control.fit_->lines);
}

// The label's box is its caption's one line, from its stored top-left. A
// line that would pass the window's edge widens the window, its left
// margin mirrored on the right, as far as the screen allows; where that is
// not enough, or the system sizes the window, the line is set smaller.
void Form::lay_out_self_sizing(Control& control, bool may_widen) {
    Rect box = stored_box(control.description());
    const std::string& caption = control.caption();
    Font font = control.font();
    Size line = window_->measure(caption, font);
    const int margin = box.left;
    if (may_widen) widen_for(box.left + line.width + margin);
    if (const int room = client_.width - box.left - margin; line.width > room && room > 0) {
        const auto measure = [this](std::string_view text, Font size) { return window_->measure(text, size); };
        font = fit_caption(caption, font, {room, line.height}, measure).font;
        line = window_->measure(caption, font);
    }
    box.width = line.width;
    box.height = line.height;
    show_in(control, box, font, caption, std::vector<Line>{{0, caption.size()}});
}

void Form::show_in(Control& control, Rect box, Font font, std::optional<std::string> text,
                   std::optional<std::vector<Line>> lines) {
    Control::Shown& shown = control.shown_;
    if (shown.font != font) {
        control.widget().set_font(font);
        shown.font = font;
    }
    if (text && shown.text != text) {
        control.widget().set_text(*text);
        shown.text = std::move(text);
    }
    if (lines && shown.lines != lines) {
        control.widget().set_lines(*lines);
        shown.lines = std::move(lines);
    }
    if (shown.box != box) {
        control.widget().place(box);
        shown.box = box;
    }
}

// Widening grows the window from the width it has, keeps its height, and
// moves it left where its right edge would leave the screen's work area.
// The user cannot then drag it narrower than the answer needs; it never
// narrows on its own. A maximised or full-screen window is left as it is.
void Form::widen_for(int needed) {
    const Placement placed = window_->placement();
    const int width = std::min(needed, std::max(placed.room.width, client_.width));
    if (width > minimum_.width) {
        minimum_.width = width;
        const Resizing resizing(resizing_);
        window_->set_minimum_client_size(minimum_);
    }
    if (width <= client_.width || sized_by_system_) return;
    {
        const Resizing resizing(resizing_);
        client_.width = width;
        window_->set_client_size(client_);
        keep_on_screen({{placed.client.left, placed.client.top, width, client_.height}, placed.room, false});
    }
}

// A window whose right edge would leave the screen's work area moves left,
// as far as its left edge allows.
void Form::keep_on_screen(const Placement& placed) {
    if (const int overflow = placed.client.right() - placed.room.right(); overflow > 0) {
        window_->shift_left(std::min(overflow, placed.client.left - placed.room.left));
    }
}

void Form::run(Event event, std::string_view object) {
    const Handler handler = handler_for(project_, object, event);
    if (handler != nullptr) guarded([this, handler] { handler(*this); });
}

// Errors are shown one at a time, each in turn.
void Form::report(const Error& error) noexcept {
    try {
        errors_.push_back(error);
        if (errors_.size() == 1) show_next_error();
    } catch (...) {
        // Not even the error could be shown: the next one starts afresh.
        errors_.clear();
    }
}

// The user reads the error, then lands where it can be put right: in the
// box it is about, its text selected for retyping. An error about no
// control leaves the focus where it was.
void Form::show_next_error() {
    window_->show_error(errors_.front().what(), [this] {
        guarded([this] {
            const Error closed = errors_.front();
            errors_.pop_front();
            const Control* sent_back = find(closed.control());
            if (sent_back != nullptr && sent_back->description().kind != ControlKind::label) {
                sent_back->widget().focus(sent_back->description().kind == ControlKind::text_box);
            }
            if (!errors_.empty()) show_next_error();
        });
    });
}

}  // namespace runtime
