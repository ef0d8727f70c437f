#include "runtime/start.h"
#include "window/project.h"

// The backend's platform entry point (main or wWinMain) calls this: the
// program hands its project to the runtime, which runs it until Form1 closes.
int runtime::program_main() { return runtime::start(window::project); }
