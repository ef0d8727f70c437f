#include "runtime/form/control.h"

#include "runtime/error.h"
#include "runtime/form/form.h"
#include "runtime/messages.h"

namespace runtime {

Control::Control(Form& form, const ControlDescription& description, std::unique_ptr<Widget> widget, Rect made_at)
    : form_(&form), description_(&description), widget_(std::move(widget)) {
    shown_.box = made_at;
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
    written_ = true;
    fit_.reset();
    // Written even when it is the same text, so that screen readers
    // announce every answer, the same one again included.
    shown_.drawn.reset();
    form_->lay_out(*this, true);
}

void Control::set_font_size(float points) {
    require(points > 0.0f && points < 2048.0f, "FontSize");
    font_.points = points;
    fit_.reset();
    form_->lay_out(*this, true);
}

}  // namespace runtime
