#include "runtime/start.h"

namespace runtime {

int start(const ProjectDescription&) { return 1; }  // placeholder until the Qt window lands

}  // namespace runtime
