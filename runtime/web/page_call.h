#pragma once

#include <exception>

#include "runtime/error.h"
#include "runtime/web/dom.h"
#include "runtime/web/text.h"

namespace runtime::web {

// Every call from the page into the core passes here: an error that
// escapes is shown in the error box, never lost in the browser's console.
template <class Call>
void from_page(Call&& call) noexcept {
    try {
        call();
    } catch (...) {
        try {
            const Utf16 message(current_error().what());
            web_show_error(nullptr, 0, message.data(), message.size(), nullptr);
        } catch (...) {
            std::terminate();  // not even the message fits in memory
        }
    }
}

}  // namespace runtime::web
