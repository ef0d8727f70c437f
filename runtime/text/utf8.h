#pragma once

#include <cstddef>
#include <string_view>

namespace runtime {

// One step through a UTF-8 text: the code point there and its length in
// bytes, or, where the bytes are not valid UTF-8, how many of them stand
// for one character gone wrong:
// - a surrogate encoded in three bytes (ED A0..BF xx), as a lenient
//   converter writes the unpaired surrogate a UTF-16 text box may hold, is
//   one step with that surrogate as its code: the user had one unit there;
// - otherwise a lead byte with the continuation bytes that could still
//   have completed it (a sequence cut short) is one step, and any other
//   byte (a stray continuation, an overlong or out-of-range lead) is one
//   step by itself. This is Unicode's advice for replacing ill-formed text,
//   which browsers follow too.
struct Utf8Sequence {
    char32_t code = 0;
    std::size_t length = 0;
    bool valid = false;
};

Utf8Sequence decode_utf8(std::string_view text, std::size_t i);

}  // namespace runtime
