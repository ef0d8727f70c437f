#pragma once

#include <optional>

#include "runtime/error.h"
#include "runtime/function_ref.h"

namespace runtime {

// The one place errors stop. Handlers trap no errors, and no toolkit
// callback may let one through: `call` runs here, and whatever leaves it
// comes back as the error the user reads, for the form to show while the
// program goes on.
std::optional<Error> guard(FunctionRef<void()> call) noexcept;

}  // namespace runtime
