#pragma once

namespace runtime {

// Whether a code point draws nothing or reorders the text around it, so
// that a message must not show it as it is: general categories Cc, Cf, Zl,
// Zp, Cs and Co, and unassigned code points (Cn, noncharacters included),
// as the Unicode data the program was built with lists them.
bool is_hidden(char32_t code);

}  // namespace runtime
