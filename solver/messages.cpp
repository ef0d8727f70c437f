#include "solver/messages.h"

#include "runtime/messages.h"
#include "runtime/text/quote.h"

namespace solver::messages {
namespace {

using numbers::Fault;

// The second and later verdicts say why the text is not a number where
// the user may not see it.
std::string_view verdict(Fault fault) {
    switch (fault) {
        case Fault::zero_denominator:
            return "son emas, chunki nolga bo'lish mumkin emas";
        case Fault::improper_fraction:
            return "son emas, chunki aralash sonning kasr qismi 0 dan katta va 1 dan kichik bo'ladi";
        case Fault::bad_group:
            return "son emas, chunki raqamlar uchtadan guruhlanadi";
        case Fault::too_large:
            return "juda katta";
        case Fault::too_small:
            return "juda kichik";
        default:
            return "son emas";
    }
}

}  // namespace

std::string coefficient_fault(Coefficient which, Fault fault, std::string_view text) {
    std::string message = which == Coefficient::b ? "b ning qiymati " : "a ning qiymati ";
    if (fault == Fault::empty) return message += "kiritilmagan.";
    // The typed text, in guillemets, after what is wrong with it.
    return message.append(verdict(fault))
        .append(": \xC2\xAB")
        .append(runtime::quoted_excerpt(text))
        .append("\xC2\xBB.");
}

std::string quotient_fault(Fault fault) {
    if (fault == Fault::too_large) return std::string(result_too_large);
    if (fault == Fault::too_small) return std::string(result_too_small);
    // Operands that no reading gives: the program's fault, not the user's.
    return runtime::messages::internal_fault("to_text: not a finite normal number");
}

}  // namespace solver::messages
