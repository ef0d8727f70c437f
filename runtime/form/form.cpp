#include "runtime/form/form.h"

#include <algorithm>
#include <array>

#include "runtime/barrier.h"
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

// Every caption can be copied whole from its menu.
constexpr std::array<std::string_view, 1> label_menu{messages::copy};

// The zoom's steps, in per cent of the stored size: a step in or out of
// the form at a time, for a classroom's projector.
constexpr std::array<int, 7> zoom_steps{100, 125, 150, 175, 200, 250, 300};

// A caption on one line, as a button or a self-sizing label draws it.
FittedCaption one_line(std::string_view caption, Font font, int height) {
    return {font, {{0, caption.size()}}, height};
}

}  // namespace

Form::Form(const ProjectDescription& project, Toolkit& toolkit)
    : project_(project),
      toolkit_(toolkit),
      window_(toolkit.make_window(project.startup_form.caption, *this)),
      dpi_(window_->dpi()),
      client_(stored_client()),
      minimum_(client_) {
    window_->set_client_size(client_);
    window_->set_minimum_client_size(minimum_);
    const auto ordered = in_tab_order(description().controls);
    controls_.reserve(ordered.size());
    // Each is made where it is stored: only a box that differs is placed
    // again.
    for (const ControlDescription* described : ordered) {
        const Rect box = stored_box(*described);
        controls_.emplace_back(*this, *described, window_->make(style_of(*described), box, described->text), box);
    }
    for (Control& made : controls_) {
        const ControlDescription& described = made.description();
        if (!described.labelled_by.empty()) made.widget_->name_by(*control(described.labelled_by).widget_);
        if (described.kind == ControlKind::label) made.widget_->set_menu(label_menu);
    }
    run(Event::load, description().name);
    // Laid out once, with the fonts Load set: no caption is fitted, nor
    // any font made, for a size the window never shows.
    laid_out_ = true;
    for (Control& made : controls_) lay_out(made, true);
}

void Form::show() {
    window_->show();
    const auto first = std::find_if(controls_.begin(), controls_.end(), [](const Control& control) {
        return control.description().kind != ControlKind::label;
    });
    if (first != controls_.end()) first->widget_->focus(false);
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
                                    [&widget](const Control& c) { return c.widget_.get() == &widget; });
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
            if (named.description().labelled_by == described.name) named.widget_->focus(false);
        }
    });
}

// Enter presses the button that has the focus, though none is the form's
// default button: in a box it does nothing.
void Form::enter_pressed(const Widget& focused) noexcept {
    guarded([this, &focused] {
        const Control* found = find(focused);
        if (found != nullptr && found->description().kind == ControlKind::push_button) {
            run(Event::click, found->description().name);
        }
    });
}

void Form::menu_chosen(const Widget& control, std::size_t item) noexcept {
    guarded([this, &control, item] {
        const Control* found = find(control);
        if (found != nullptr && found->description().kind == ControlKind::label && item < label_menu.size()) {
            window_->copy(found->caption());
        }
    });
}

void Form::close_requested() noexcept {
    guarded([this] { toolkit_.quit(); });
}

// The user's size stands: nothing moves. Only the answer label follows
// it, set smaller where the system's size leaves its line too little room.
// The form's own sizing comes back here too, as what it already knows.
void Form::resized(const Placement& placed) noexcept {
    guarded([this, &placed] {
        const bool resized = placed.client.size() != client_;
        const bool changed = resized || placed.sized_by_system != sized_by_system_;
        restoring_ = (restoring_ || sized_by_system_) && !placed.sized_by_system;
        client_ = placed.client.size();
        sized_by_system_ = placed.sized_by_system;
        if (!changed) return;
        sized_while_zoomed_ = sized_while_zoomed_ || resized;
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

// The user's size and the least size follow the new density, the zoom
// with them, and everything is laid out again.
void Form::dpi_changed(int dpi) noexcept {
    guarded([this, dpi] {
        if (dpi == dpi_) return;
        const int was = density();
        unzoomed_ = {scaled(unzoomed_.width, dpi, dpi_), scaled(unzoomed_.height, dpi, dpi_)};
        dpi_ = dpi;
        rescale(was, std::nullopt);
    });
}

// The whole form a step larger or smaller: the same as a denser screen,
// from the size the user left the window at. A step that would not let
// the stored form fit the screen is not taken. Back at the stored size, the
// window is as it was before zooming, unless the user sized it meanwhile.
void Form::zoom_requested(Zoom zoom) noexcept {
    guarded([this, zoom] {
        const std::size_t step = zoom == Zoom::reset ? 0
                                 : zoom == Zoom::in  ? std::min(zoom_ + 1, zoom_steps.size() - 1)
                                                     : (zoom_ == 0 ? 0 : zoom_ - 1);
        if (step == zoom_) return;
        const Placement placed = window_->placement();
        const int then = scaled(dpi_, zoom_steps[step], 100);
        const Size stored{to_pixels(description().client_width, then), to_pixels(description().client_height, then)};
        if (stored.width > placed.room.width || stored.height > placed.room.height) return;
        if (zoom_ == 0) {
            unzoomed_ = client_;
            sized_while_zoomed_ = false;
        }
        const int was = density();
        zoom_ = step;
        rescale(was, step == 0 && !sized_while_zoomed_ ? std::optional(unzoomed_) : std::nullopt);
        if (!sized_by_system_) {
            keep_on_screen(
                {{placed.client.left, placed.client.top, client_.width, client_.height}, placed.room, false});
        }
    });
}

// Everything again at the density the form now has, from density `was`:
// the least size and the window's own (`client`, if given, else scaled),
// no larger than the screen allows, then places, sizes and fonts.
void Form::rescale(int was, std::optional<Size> client) {
    const int now = density();
    const Size stored = stored_client();
    const Size stored_was{to_pixels(description().client_width, was), to_pixels(description().client_height, was)};
    const Rect room = window_->placement().room;
    // The stored size stays exactly the stored size; any other scales,
    // never below it, nor above the screen's room.
    const auto follow = [&](int length, int stored_then, int stored_now, int most) {
        if (length == stored_then) return stored_now;
        return std::max(stored_now, std::min(scaled(length, now, was), std::max(stored_now, most)));
    };
    const Size minimum{follow(minimum_.width, stored_was.width, stored.width, room.width),
                       follow(minimum_.height, stored_was.height, stored.height, room.height)};
    Size size = client_;
    if (!sized_by_system_) {
        size = client.value_or(Size{follow(client_.width, stored_was.width, minimum.width, room.width),
                                    follow(client_.height, stored_was.height, minimum.height, room.height)});
        size = {std::max(minimum.width, size.width), std::max(minimum.height, size.height)};
    }
    size_window(size, minimum);
    for (Control& each : controls_) {
        each.shown_ = {};
        each.fit_.reset();
        lay_out(each, true);
    }
}

// The least size lowered first and raised last, so that neither ever
// clamps the other: what the toolkit reports meanwhile is what the form set.
void Form::size_window(Size client, Size minimum) {
    const Size lower{std::min(minimum.width, minimum_.width), std::min(minimum.height, minimum_.height)};
    if (lower != minimum_) window_->set_minimum_client_size(lower);
    minimum_ = minimum;
    if (client != client_) {
        client_ = client;
        window_->set_client_size(client_);
    }
    if (minimum_ != lower) window_->set_minimum_client_size(minimum_);
}

void Form::error_closed() noexcept {
    guarded([this] {
        if (!error_open_) return;
        close_error();
        show_errors();
    });
}

void Form::guarded(FunctionRef<void()> call) noexcept {
    if (const std::optional<Error> error = guard(call)) report(*error);
}

// The density the form is laid out at: the window's, zoomed.
int Form::density() const { return scaled(dpi_, zoom_steps[zoom_], 100); }

// A control's font as drawn: at the zoom.
Font Form::drawn(Font font) const { return {font.points, static_cast<float>(zoom_steps[zoom_]) / 100.0f}; }

int Form::pixels(int twips) const { return to_pixels(twips, density()); }

Rect Form::stored_box(const ControlDescription& control) const {
    return {pixels(control.left), pixels(control.top), pixels(control.width), pixels(control.height)};
}

Size Form::stored_client() const { return {pixels(description().client_width), pixels(description().client_height)}; }

void Form::lay_out(Control& control, bool may_widen) {
    if (!laid_out_) return;
    const ControlDescription& described = control.description();
    const Font font = drawn(control.font());
    if (described.kind == ControlKind::text_box) {
        show_in(control, stored_box(described), font, nullptr);  // its text is the user's
    } else if (described.kind == ControlKind::push_button) {
        const FittedCaption line = one_line(control.caption(), font, window_->measure(control.caption(), font).height);
        show_in(control, stored_box(described), font, &line);
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
        control.fit_ = fit_caption(control.caption(), drawn(control.font()), visible, measure);
    }
    show_in(control, box, control.fit_->font, &*control.fit_);
}

// The label's box is its caption's one line, from its stored top-left. A
// line that would pass the window's edge widens the window, its left
// margin mirrored on the right, as far as the screen allows; where that is
// not enough, or the system sizes the window, the line is set smaller.
void Form::lay_out_self_sizing(Control& control, bool may_widen) {
    Rect box = stored_box(control.description());
    const std::string& caption = control.caption();
    Font font = drawn(control.font());
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
    const FittedCaption one = one_line(caption, font, line.height);
    show_in(control, box, font, &one);
}

// Only what changed reaches the toolkit. A caption goes with how it is
// drawn, in one call, whenever either changes.
void Form::show_in(Control& control, Rect box, Font font, const FittedCaption* drawn) {
    Control::Shown& shown = control.shown_;
    Widget& widget = *control.widget_;
    if (shown.font != font) {
        widget.set_font(font);
        shown.font = font;
    }
    if (drawn != nullptr && shown.drawn != *drawn) {
        widget.set_caption({control.caption(), drawn->lines, drawn->line_height, control.written_});
        shown.drawn = *drawn;
        control.written_ = false;
    }
    if (shown.box != box) {
        widget.place(box);
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
    const bool widens = width > client_.width && !sized_by_system_;
    size_window({widens ? width : client_.width, client_.height}, {std::max(width, minimum_.width), minimum_.height});
    if (widens) keep_on_screen({{placed.client.left, placed.client.top, width, client_.height}, placed.room, false});
}

// A window whose right or bottom edge would leave the screen's work area
// moves left or up, as far as its left or top edge allows.
void Form::keep_on_screen(const Placement& placed) {
    const auto back = [](int over, int room) { return over > 0 ? std::max(0, std::min(over, room)) : 0; };
    const int left = back(placed.client.right() - placed.room.right(), placed.client.left - placed.room.left);
    const int up = back(placed.client.bottom() - placed.room.bottom(), placed.client.top - placed.room.top);
    if (left > 0 || up > 0) window_->shift(left, up);
}

void Form::run(Event event, std::string_view object) {
    const Handler handler = handler_for(project_, object, event);
    if (handler != nullptr) guarded([this, handler] { handler(*this); });
}

// Errors are shown one at a time, each in turn.
void Form::report(const Error& error) noexcept {
    try {
        errors_.push_back(error);
        show_errors();
    } catch (...) {
        // Not even the error could be shown: the next one starts afresh.
        errors_.clear();
        error_open_ = false;
    }
}

// The first error waiting, in a box; where the toolkit waits for the user
// to close it, the next one after it.
void Form::show_errors() {
    while (!errors_.empty() && !error_open_) {
        error_open_ = true;
        if (!window_->show_error(errors_.front().what())) return;  // error_closed() comes later
        close_error();
    }
}

// The user has read the first error, and lands where it can be put right:
// in the box it is about, its text selected for retyping. An error about
// no control leaves the focus where it was.
void Form::close_error() {
    error_open_ = false;
    const Error closed = errors_.front();
    errors_.pop_front();
    const Control* sent_back = find(closed.control());
    if (sent_back != nullptr && sent_back->description().kind != ControlKind::label) {
        sent_back->widget_->focus(sent_back->description().kind == ControlKind::text_box);
    }
}

}  // namespace runtime
