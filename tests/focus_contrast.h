#pragma once

// How far a control's focused look stands out from its unfocused one, read
// off two captures of the same region: the pixels that change by a
// contrast of at least 3:1, and how many of them a visible focus needs.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <span>

namespace focus_contrast {

struct Rgb {
    unsigned char red, green, blue;
    bool operator==(const Rgb&) const = default;
};

// Relative luminance of an sRGB colour.
inline double luminance(Rgb colour) {
    const auto linear = [](unsigned char channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) + 0.0722 * linear(colour.blue);
}

inline double contrast(Rgb one, Rgb other) {
    const double lighter = std::max(luminance(one), luminance(other));
    const double darker = std::min(luminance(one), luminance(other));
    return (lighter + 0.05) / (darker + 0.05);
}

// The pixels of one region, captured unfocused and focused, whose colour
// changes by at least 3:1.
inline std::size_t changed_by_3_to_1(std::span<const Rgb> unfocused, std::span<const Rgb> focused) {
    std::size_t changed = 0;
    for (std::size_t i = 0; i < std::min(unfocused.size(), focused.size()); ++i) {
        if (contrast(unfocused[i], focused[i]) >= 3.0) ++changed;
    }
    return changed;
}

// What a focus indicator must change at least: the area of a 2-pixel-thick
// perimeter of a `width` by `height` control.
constexpr std::size_t least_changed(int width, int height) {
    return static_cast<std::size_t>(4 * (width + height) - 16);
}

}  // namespace focus_contrast
