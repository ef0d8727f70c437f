#pragma once

#include "runtime/project.h"

namespace runtime {

// Builds the start-up form from its description, runs its Load handler,
// shows it and runs the event loop until it closes. Each backend defines it.
int start(const ProjectDescription& project);

// The program's own entry: defined by the program, called by the backend's
// platform entry point (main on Linux, wWinMain on Windows).
int program_main();

}  // namespace runtime
