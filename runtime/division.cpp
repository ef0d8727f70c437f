#include <cmath>

#include "runtime/messages.h"
#include "runtime/numbers.h"

namespace runtime {

double divide(double dividend, double divisor) {
    const double quotient = dividend / divisor;
    if (std::isinf(quotient)) throw Error(messages::result_too_large());
    if (quotient == 0.0 && dividend != 0.0) throw Error(messages::result_too_small());
    return quotient;
}

}  // namespace runtime
