#pragma once

#include <optional>
#include <string_view>

// What a typed text stands for by the rules the user is told, read apart
// from the runtime's reader so that neither can vouch for the other: on
// code points, by splitting at the characters that matter rather than
// scanning, with the spaces from the Unicode data, decimals through strtod
// and fractions through long double.
namespace fuzz {

struct Reading {
    enum class Kind { empty, not_a_number, zero_denominator, improper_fraction, bad_group, number };
    // For a number: whether a double holds it, or too close to a limit to tell.
    enum class Range { inside, too_large, too_small, unsure };

    Kind kind = Kind::not_a_number;
    Range range = Range::unsure;
    std::optional<double> value;             // the nearest double, where this reading can tell it
    std::optional<long double> approximate;  // otherwise, within a relative 1e-17, where it can
};

Reading read_reference(std::string_view text);

}  // namespace fuzz
