#include "runtime/number_range.h"

#include <cmath>
#include <limits>

namespace runtime {

Number in_range(double value, bool stands_for_nonzero) {
    if (std::isinf(value)) return {0, NumberFault::too_large};
    if (stands_for_nonzero && std::abs(value) < std::numeric_limits<double>::min()) return {0, NumberFault::too_small};
    return {value, NumberFault::none};
}

}  // namespace runtime
