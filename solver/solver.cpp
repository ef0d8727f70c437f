#include "solver/solver.h"

#include "runtime/numbers.h"

namespace solver {

std::string answer(std::string_view a_text, std::string_view b_text) {
    using runtime::Coefficient;
    const double a = runtime::to_number(a_text, Coefficient::a);
    const double b = runtime::to_number(b_text, Coefficient::b);

    // Both comparisons are made every time, as the rule is stated: a test
    // on a joined with a test on b. -0 counts as zero.
    const bool a_is_zero = a == 0.0;
    if (a_is_zero & (b == 0.0)) return std::string(infinitely_many);
    if (a_is_zero & (b != 0.0)) return std::string(none);
    return std::string(exactly_one) + std::string(x_equals) + runtime::to_text(runtime::divide(b, a));
}

}  // namespace solver
