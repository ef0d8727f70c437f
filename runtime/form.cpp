#include "runtime/form.h"

#include <cassert>
#include <string>

#include "runtime/messages.h"

namespace runtime {

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
    widget_->set_text(caption);
}

void Control::set_font_size(float points) {
    require(points > 0.0f && points < 2048.0f, "FontSize");
    widget_->set_font_size(points);
}

Form::Form(const FormDescription& description, std::vector<std::unique_ptr<Widget>> widgets)
    : description_(description), widgets_(std::move(widgets)) {
    assert(widgets_.size() == description.controls.size());
    controls_.reserve(widgets_.size());
    for (std::size_t i = 0; i < widgets_.size(); ++i) controls_.emplace_back(description.controls[i], *widgets_[i]);
}

Control& Form::control(std::string_view name) {
    for (Control& candidate : controls_) {
        if (candidate.description().name == name) return candidate;
    }
    throw Error(messages::internal_fault(std::string(description_.name) + "." + std::string(name)));
}

const Control* Form::input_for(Coefficient which) const {
    if (which == Coefficient::none) return nullptr;
    for (const Control& candidate : controls_) {
        if (candidate.description().holds == which) return &candidate;
    }
    return nullptr;
}

}  // namespace runtime
