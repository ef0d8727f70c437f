#pragma once

#include "runtime/numbers.h"

namespace runtime {

// A double read or computed from non-zero numbers (stands_for_nonzero) as
// the program may use it. Infinity is too large. Zero, or a subnormal,
// whose few significant bits cannot carry the 15 digits shown, is too
// small. Compared with the smallest normal double rather than trusting how
// a C library reports underflow, which differs between platforms.
Number in_range(double value, bool stands_for_nonzero);

}  // namespace runtime
