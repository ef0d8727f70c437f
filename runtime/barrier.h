#pragma once

#include <optional>

#include "runtime/error.h"
#include "runtime/project.h"

namespace runtime {

// Runs one handler. Handlers trap no errors; whatever leaves one is caught
// here and returned, for the form to show while the program goes on.
std::optional<Error> run_handler(Handler handler, Form& form) noexcept;

}  // namespace runtime
