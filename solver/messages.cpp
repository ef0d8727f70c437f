#include "solver/messages.h"

#include "runtime/text/quote.h"

namespace solver::messages {
namespace {

using runtime::NumberFault;

// The second and later verdicts say why the text is not a number where
// the user may not see it.
std::string_view verdict(NumberFault fault) {
    switch (fault) {
        case NumberFault::zero_denominator:
            return "son emas, chunki nolga bo'lish mumkin emas";
        case NumberFault::improper_fraction:
            return "son emas, chunki aralash sonning kasr qismi 0 dan katta va 1 dan kichik bo'ladi";
        case NumberFault::bad_group:
            return "son emas, chunki raqamlar uchtadan guruhlanadi";
        case NumberFault::too_large:
            return "juda katta";
        case NumberFault::too_small:
            return "juda kichik";
        default:
            return "son emas";
    }
}

}  // namespace

std::string coefficient_fault(Coefficient which, NumberFault fault, std::string_view text) {
    std::string message = which == Coefficient::b ? "b ning qiymati " : "a ning qiymati ";
    if (fault == NumberFault::empty) return message += "kiritilmagan.";
    // The typed text, in guillemets, after what is wrong with it.
    return message.append(verdict(fault))
        .append(": \xC2\xAB")
        .append(runtime::quoted_excerpt(text))
        .append("\xC2\xBB.");
}

}  // namespace solver::messages
