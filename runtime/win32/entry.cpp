#include <windows.h>

#include "runtime/start.h"

// The program reads no command line; the runtime owns the process's start.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return runtime::program_main(); }
