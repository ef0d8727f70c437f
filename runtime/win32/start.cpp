#include "runtime/start.h"

namespace runtime {

int start(const ProjectDescription&) { return 1; }  // placeholder until the Win32 window lands

}  // namespace runtime
