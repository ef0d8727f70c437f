#include "solver/messages.h"

#include "runtime/text/quote.h"

namespace solver::messages {
namespace {

std::string subject(Coefficient which) { return which == Coefficient::b ? "b ning qiymati" : "a ning qiymati"; }

// The typed text, in guillemets, after what is wrong with it.
std::string with_text(Coefficient which, std::string_view verdict, std::string_view text) {
    return subject(which) + " " + std::string(verdict) + ": \xC2\xAB" + runtime::quoted_excerpt(text) + "\xC2\xBB.";
}

}  // namespace

std::string empty_value(Coefficient which) { return subject(which) + " kiritilmagan."; }
std::string not_a_number(Coefficient which, std::string_view text) { return with_text(which, "son emas", text); }
// Not a number, and why, where the user may not see it.
std::string zero_denominator(Coefficient which, std::string_view text) {
    return with_text(which, "son emas, chunki nolga bo'lish mumkin emas", text);
}
std::string improper_fraction(Coefficient which, std::string_view text) {
    return with_text(which, "son emas, chunki aralash sonning kasr qismi 0 dan katta va 1 dan kichik bo'ladi", text);
}
std::string bad_group(Coefficient which, std::string_view text) {
    return with_text(which, "son emas, chunki raqamlar uchtadan guruhlanadi", text);
}
std::string too_large(Coefficient which, std::string_view text) { return with_text(which, "juda katta", text); }
std::string too_small(Coefficient which, std::string_view text) { return with_text(which, "juda kichik", text); }

}  // namespace solver::messages
