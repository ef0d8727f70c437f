#include "runtime/number_range.h"
#include "runtime/numbers.h"

namespace runtime {

Number divide(double dividend, double divisor) { return in_range(dividend / divisor, dividend != 0.0); }

}  // namespace runtime
