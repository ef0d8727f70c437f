#include "fuzz/unicode_data.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace fuzz {
namespace {

constexpr char32_t code_points = 0x110000;

std::vector<bool> read_shown() {
    std::ifstream data(TENGLAMA_UNICODE_DATA);
    if (!data) {
        std::fprintf(stderr, "cannot read %s\n", TENGLAMA_UNICODE_DATA);
        std::abort();
    }
    const std::set<std::string> hidden_categories{"Cc", "Cf", "Zl", "Zp", "Cs", "Co"};
    std::vector<bool> shown(code_points, false);
    char32_t block_start = 0;
    // code;name;category;... with a block of characters given by its
    // "<..., First>" and "<..., Last>" lines.
    for (std::string line; std::getline(data, line);) {
        const std::size_t name = line.find(';') + 1;
        const std::size_t category = line.find(';', name) + 1;
        const auto code = static_cast<char32_t>(std::stoul(line.substr(0, name - 1), nullptr, 16));
        const std::string name_text = line.substr(name, category - 1 - name);
        if (name_text.ends_with(", First>")) {
            block_start = code;
            continue;
        }
        const char32_t first = name_text.ends_with(", Last>") ? block_start : code;
        const bool is_shown = hidden_categories.count(line.substr(category, 2)) == 0;
        for (char32_t c = first; c <= code; ++c) shown[c] = is_shown;
    }
    return shown;
}

}  // namespace

bool hidden_by_unicode_data(char32_t code) {
    static const std::vector<bool> shown = read_shown();
    return code >= code_points || !shown[code];
}

}  // namespace fuzz
