#pragma once

#include "runtime/project.h"

namespace window {

// One form, Form1, the start-up object, and its two handlers.
extern const runtime::ProjectDescription project;

}  // namespace window
