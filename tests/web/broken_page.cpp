#include "runtime/start.h"
#include "tests/window_cases.h"

// The page's program with a project whose form cannot be built.
int runtime::program_main() { return runtime::start(window_cases::broken_project); }
