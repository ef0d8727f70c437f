#include <cmath>

#include "runtime/numbers.h"

namespace runtime {

Number divide(double dividend, double divisor) {
    const double quotient = dividend / divisor;
    if (std::isinf(quotient)) return {0, NumberFault::too_large};
    if (quotient == 0.0 && dividend != 0.0) return {0, NumberFault::too_small};
    return {quotient, NumberFault::none};
}

}  // namespace runtime
