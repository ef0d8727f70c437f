#include "solver/solver.h"

#include <utility>

#include "numbers/numbers.h"
#include "runtime/error.h"
#include "solver/messages.h"

namespace solver {
namespace {

using messages::Coefficient;
using numbers::Fault;

double coefficient(const Input& input, Coefficient which) {
    const numbers::Number read = numbers::read_number(input.text);
    if (read.fault == Fault::none) return read.value;
    throw runtime::Error(messages::coefficient_fault(which, read.fault, numbers::trim_spaces(input.text)),
                         input.source);
}

std::string quotient(double b, double a) {
    numbers::Quotient x = numbers::quotient(b, a);
    if (x.fault != Fault::none) throw runtime::Error(messages::quotient_fault(x.fault));
    return std::move(x.text);
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
    const std::string x = quotient(b, a);
    std::string answer;  // in one allocation: this is the answer to every click that has one
    answer.reserve(exactly_one.size() + x_equals.size() + x.size());
    return answer.append(exactly_one).append(x_equals).append(x);
}

}  // namespace solver
