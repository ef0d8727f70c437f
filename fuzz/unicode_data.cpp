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

// Per code point: drawn as itself (not of a hidden category), and a space
// separator.
struct Categories {
    std::vector<bool> shown = std::vector<bool>(code_points, false);
    std::vector<bool> space = std::vector<bool>(code_points, false);
};

Categories read_categories() {
    std::ifstream data(TENGLAMA_UNICODE_DATA);
    if (!data) {
        std::fprintf(stderr, "cannot read %s\n", TENGLAMA_UNICODE_DATA);
        std::abort();
    }
    const std::set<std::string> hidden_categories{"Cc", "Cf", "Zl", "Zp", "Cs", "Co"};
    Categories categories;
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
        const std::string category_text = line.substr(category, 2);
        for (char32_t c = first; c <= code; ++c) {
            categories.shown[c] = hidden_categories.count(category_text) == 0;
            categories.space[c] = category_text == "Zs";
        }
    }
    return categories;
}

const Categories& from_unicode_data() {
    static const Categories read = read_categories();
    return read;
}

}  // namespace

bool hidden_by_unicode_data(char32_t code) { return code >= code_points || !from_unicode_data().shown[code]; }

bool space_by_unicode_data(char32_t code) { return code < code_points && from_unicode_data().space[code]; }

}  // namespace fuzz
