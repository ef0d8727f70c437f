#pragma once

// What the Unicode data says about a code point, read from UnicodeData.txt
// at run time in a way of its own, apart from the table the build makes
// from the same file, so that neither can vouch for the other.
namespace fuzz {

// Whether a quote must hide the code point: general category Cc, Cf, Zl,
// Zp, Cs or Co, or not listed at all (Cn, noncharacters included).
bool hidden_by_unicode_data(char32_t code);

// Whether the code point is a space separator (general category Zs).
bool space_by_unicode_data(char32_t code);

}  // namespace fuzz
