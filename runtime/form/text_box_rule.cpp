#include "runtime/form/text_box_rule.h"

#include <algorithm>

#include "runtime/text/utf16.h"

namespace runtime {

std::u16string_view kept_of_insertion(std::u16string_view inserted, std::size_t held, std::size_t replaced) noexcept {
    inserted = inserted.substr(0, inserted.find_first_of(u"\r\n"));
    const std::size_t kept_before = held - std::min(replaced, held);
    const std::size_t capacity = text_box_capacity;
    const std::size_t room = capacity - std::min(kept_before, capacity);
    if (inserted.size() <= room) return inserted;
    std::size_t cut = room;
    if (cut > 0 && is_high_surrogate(inserted[cut - 1]) && is_low_surrogate(inserted[cut])) --cut;
    return inserted.substr(0, cut);
}

}  // namespace runtime
