#pragma once

#include <string_view>

#include "runtime/project.h"

namespace runtime {

class Toolkit;

// Opens the toolkit, then runs the project on it. Where no toolkit opens
// (no display, or none it can use), it says why in one line on standard
// error and returns 1.
int start(const ProjectDescription& project);

// Builds the start-up form, runs its Load handler, shows it and runs the
// event loop until the form closes. If the form cannot be built, a message
// box says why and it returns 1.
int run(const ProjectDescription& project, Toolkit& toolkit);

// Start-up failed with no window to show it in: one line on standard error.
void report_without_window(std::string_view message) noexcept;

// The program's own entry: defined by the program, called by the backend's
// platform entry point (main on Linux, wWinMain on Windows).
int program_main();

}  // namespace runtime
