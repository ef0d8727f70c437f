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
    std::vector<const ControlDescription*> ordered;
    for (const ControlDescription& control : controls) ordered.push_back(&control);
    std::stable_sort(ordered.begin(), ordered.end(), [](const ControlDescription* x, const ControlDescription* y) {
        return x->tab_index < y->tab_index;
    });
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

}  // namespace

Control::Control(Form& form, const ControlDescription& description, std::unique_ptr<Widget> widget)
    : form_(&form), description_(&description), widget_(std::move(widget)) {
    if (description.kind != ControlKind::text_box) caption_ = description.text;
}

void Control::require(bool allowed, std::string_view property) const {
    if (!allowed) {
        throw Error(messages::internal_fault(std::string(description_->name) + "." + std::string(property)));
    }
}

std::string Control::text() const {
    require(description_->kind == ControlKind::text_box, "Text");
    return widget_->text();
}

void Control::set_caption(std::string_view caption) {
    require(description_->kind != ControlKind::text_box, "Caption");
    caption_ = caption;
    // Written even when it is the same text, so that screen readers
    // announce every answer, the same one again included.
    shown_.text.reset();
    form_->lay_out(*this);
}

void Control::set_font_size(float points) {
    require(points > 0.0f && points < 2048.0f, "FontSize");
    font_.points = points;
    form_->lay_out(*this);
}

Form::Form(const ProjectDescription& project, Toolkit& toolkit)
    : project_(project),
      toolkit_(toolkit),
      window_(toolkit.make_window(project.startup_form.caption, *this)),
      dpi_(window_->dpi()),
      client_(stored_client()) {
    window_->set_client_size(client_, client_);
    const auto ordered = in_tab_order(description().controls);
    controls_.reserve(ordered.size());
    for (const ControlDescription* described : ordered) {
        controls_.emplace_back(*this, *described,
                               window_->make(style_of(*described), stored_box(*described), described->text));
    }
    for (Control& made : controls_) {
        lay_out(made);
        const ControlDescription& described = made.description();
        if (!described.labelled_by.empty()) made.widget().name_by(control(described.labelled_by).widget());
        if (described.kind == ControlKind::label) {
            made.widget().set_menu({{std::string(messages::copy), [this, &made] { toolkit_.copy(made.caption()); }}});
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

void Form::clicked(const Widget& button) {
    const auto found = std::find_if(controls_.begin(), controls_.end(),
                                    [&button](const Control& c) { return &c.widget() == &button; });
    if (found != controls_.end()) run(Event::click, found->description().name);
}

void Form::close_requested() { toolkit_.quit(); }

// Everything again at the new density: places, sizes and fonts.
void Form::dpi_changed() {
    dpi_ = window_->dpi();
    client_ = stored_client();
    window_->set_client_size(client_, client_);
    for (Control& each : controls_) {
        each.shown_ = {};
        lay_out(each);
    }
}

int Form::pixels(int twips) const { return to_pixels(twips, dpi_); }

Rect Form::stored_box(const ControlDescription& control) const {
    return {pixels(control.left), pixels(control.top), pixels(control.width), pixels(control.height)};
}

Size Form::stored_client() const { return {pixels(description().client_width), pixels(description().client_height)}; }

void Form::lay_out(Control& control) {
    const ControlDescription& described = control.description();
    Rect box = stored_box(described);
    if (described.kind == ControlKind::text_box) {
        show_in(control, box, control.font(), std::nullopt);  // its text is the user's
    } else if (described.auto_size) {
        const Size line = window_->measure(control.caption(), control.font());
        box.width = line.width;
        box.height = line.height;
        show_in(control, box, control.font(), control.caption());
        widen_to_show(box);
    } else if (described.kind == ControlKind::label) {
        // Only the part of the box inside the window can be seen.
        const Size visible{std::min(box.width, client_.width - box.left),
                           std::min(box.height, client_.height - box.top)};
        const Measure measure = [this](std::string_view text, Font font) { return window_->measure(text, font); };
        FittedCaption fitted = fit_caption(control.caption(), control.font(), visible, measure);
        show_in(control, box, fitted.font, std::move(fitted.text));
    } else {
        show_in(control, box, control.font(), control.caption());
    }
}

void Form::show_in(Control& control, Rect box, Font font, std::optional<std::string> text) {
    Control::Shown& shown = control.shown_;
    if (shown.font != font) {
        control.widget().set_font(font);
        shown.font = font;
    }
    if (text && shown.text != text) {
        control.widget().set_text(*text);
        shown.text = std::move(text);
    }
    if (shown.box != box) {
        control.widget().place(box);
        shown.box = box;
    }
}

// A self-sizing label that grows past the window's right edge would be cut
// there: the window widens to show it whole, with its left margin mirrored
// on the right, as far as the screen allows. It never narrows on its own,
// and nothing moves: labels cut by the old edge are cut by the new one.
void Form::widen_to_show(Rect box) {
    if (box.right() + box.left <= client_.width) return;
    const int needed = std::min(box.right() + box.left, window_->widest_client());
    if (needed <= client_.width) return;
    const int old_width = client_.width;
    client_.width = needed;
    window_->set_client_size(client_, client_);
    for (Control& each : controls_) {
        const ControlDescription& described = each.description();
        if (described.kind == ControlKind::label && !described.auto_size && stored_box(described).right() > old_width) {
            lay_out(each);
        }
    }
}

void Form::run(Event event, std::string_view object) {
    if (const std::optional<Error> error = run_handler(handler_for(project_, object, event), *this)) report(*error);
}

// The user reads the error, then lands where it can be put right: in the
// box it is about, its text selected for retyping. An error about no
// control leaves the focus where it was.
void Form::report(const Error& error) {
    window_->show_error(error.what(), [this, about = error.control()] {
        const Control* sent_back = find(about);
        if (sent_back == nullptr || sent_back->description().kind == ControlKind::label) return;
        sent_back->widget().focus(sent_back->description().kind == ControlKind::text_box);
    });
}

}  // namespace runtime
