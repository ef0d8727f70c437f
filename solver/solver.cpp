#include "solver/solver.h"

#include "runtime/error.h"
#include "runtime/numbers/numbers.h"
#include "solver/messages.h"

namespace solver {
namespace {

using messages::Coefficient;
using runtime::NumberFault;

double coefficient(const Input& input, Coefficient which) {
    const runtime::Number read = runtime::read_number(input.text);
    const std::string_view typed = runtime::trim_spaces(input.text);
    switch (read.fault) {
        case NumberFault::none:
            return read.value;
        case NumberFault::empty:
            throw runtime::Error(messages::empty_value(which), input.source);
        case NumberFault::not_a_number:
            throw runtime::Error(messages::not_a_number(which, typed), input.source);
        case NumberFault::zero_denominator:
            throw runtime::Error(messages::zero_denominator(which, typed), input.source);
        case NumberFault::improper_fraction:
            throw runtime::Error(messages::improper_fraction(which, typed), input.source);
        case NumberFault::bad_group:
            throw runtime::Error(messages::bad_group(which, typed), input.source);
        case NumberFault::too_large:
            throw runtime::Error(messages::too_large(which, typed), input.source);
        case NumberFault::too_small:
            break;
    }
    throw runtime::Error(messages::too_small(which, typed), input.source);
}

std::string quotient(double b, double a) {
    const runtime::Number divided = runtime::divide(b, a);
    if (divided.fault == NumberFault::too_large) throw runtime::Error(std::string(messages::result_too_large));
    if (divided.fault != NumberFault::none) throw runtime::Error(std::string(messages::result_too_small));
    return runtime::quotient_text(b, a);
}

}  // namespace

std::string answer(const Input& a_input, const Input& b_input) {
    const double a = coefficient(a_input, Coefficient::a);
    const double b = coefficient(b_input, Coefficient::b);

    // Both comparisons are made every time, as the rule is stated: a test
    // on a joined with a test on b. -0 counts as zero.
    const bool a_is_zero = a == 0.0;
    if (a_is_zero & (b == 0.0)) return std::string(infinitely_many);
    if (a_is_zero & (b != 0.0)) return std::string(none);
    return std::string(exactly_one) + std::string(x_equals) + quotient(b, a);
}

}  // namespace solver
