#include "runtime/start.h"

// The page starts the program once its WebAssembly is ready.
int main() { return runtime::program_main(); }
