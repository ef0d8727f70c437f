#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/answer_invariants.h"

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    fuzz::check_every_code_point();
    return 0;
}

// The bytes before the first newline are a, the rest is b, so seeds stay
// readable ("2\n5") while both boxes can still hold any byte but a's newline.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t split = bytes.find('\n');
    if (split == std::string_view::npos) {
        fuzz::check_answer(bytes, {});
    } else {
        fuzz::check_answer(bytes.substr(0, split), bytes.substr(split + 1));
    }
    return 0;
}
