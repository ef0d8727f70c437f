#pragma once

#include <span>
#include <string_view>

#include "runtime/form/description.h"

namespace runtime {

class Form;

enum class Event { load, click };

using Handler = void (*)(Form& form);

// One handler bound to one (object, event) pair; every other event keeps
// the toolkit's default behaviour.
struct EventBinding {
    std::string_view object;  // the form's or a control's name
    Event event;
    Handler handler;
};

// Everything the runtime needs to run the program: its name (that of its
// executable, menu entry and icon), its start-up form and the handlers.
// The program has one form and one thread.
struct ProjectDescription {
    std::string_view name;
    const FormDescription& startup_form;
    std::span<const EventBinding> events;
};

// The handler bound to (object, event), or null.
constexpr Handler handler_for(const ProjectDescription& project, std::string_view object, Event event) {
    for (const EventBinding& binding : project.events) {
        if (binding.object == object && binding.event == event) return binding.handler;
    }
    return nullptr;
}

}  // namespace runtime
