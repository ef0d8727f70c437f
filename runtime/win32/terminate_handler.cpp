#include <cstdlib>
#include <exception>

// The C++ library's default terminate handler writes the exception's type,
// demangled, to the standard error stream, which a GUI program does not
// have; its demangler is a sixth of the program. Defining the handler here
// keeps the library's, and the demangler, out of the static link. Nothing
// should ever reach it, as every event handler's errors are caught; if
// something did, the user sees the same abnormal end either way.
void __gnu_cxx::__verbose_terminate_handler() { std::abort(); }
