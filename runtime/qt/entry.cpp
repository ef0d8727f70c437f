#include "runtime/start.h"

// The program reads no command line; the runtime owns the process's start.
int main() { return runtime::program_main(); }
