#include "runtime/form/caption_fit.h"

#include <algorithm>
#include <cmath>

namespace runtime {
namespace {

// Shrinking stops here: smaller type is no longer worth reading.
constexpr float smallest_points = 6.0f;
constexpr float points_step = 0.5f;

struct Lines {
    std::vector<Line> lines;
    int line_height = 0;
    bool fit = true;
};

// Greedy line breaking: each line takes as many words as fit its width, a
// word wider than that stands alone. The spaces at a break belong to no
// line; those between words on one line stay as typed. Each text is
// measured once: measuring is the costly part of starting a window.
Lines break_lines(std::string_view caption, Font font, Size box, Measure measure) {
    const Size whole = measure(caption, font);
    Lines lines{{{0, caption.size()}}, whole.height, whole.height <= box.height};
    if (whole.width <= box.width) return lines;
    if (2 * whole.height > box.height) return {lines.lines, whole.height, false};  // no room for a second line

    lines.lines.clear();
    const auto width_of = [&](std::size_t begin, std::size_t end) {
        if (begin == 0 && end == caption.size()) return whole.width;
        return measure(caption.substr(begin, end - begin), font).width;
    };
    std::optional<Line> line;
    int line_width = -1;  // where measured already
    const auto end_line = [&] {
        lines.fit = lines.fit && (line_width >= 0 ? line_width : width_of(line->begin, line->end)) <= box.width;
        lines.lines.push_back(*line);
    };
    std::size_t at = caption.find_first_not_of(' ');
    while (at != std::string_view::npos) {
        const std::size_t word_end = std::min(caption.find(' ', at), caption.size());
        if (!line) {
            line = Line{at, word_end};
        } else if (const int width = width_of(line->begin, word_end); width <= box.width) {
            line->end = word_end;
            line_width = width;
        } else {
            end_line();
            line = Line{at, word_end};
            line_width = -1;
        }
        at = caption.find_first_not_of(' ', word_end);
    }
    if (line) end_line();
    lines.fit = lines.fit && static_cast<int>(lines.lines.size()) * whole.height <= box.height;
    return lines;
}

}  // namespace

FittedCaption fit_caption(std::string_view caption, Font font, Size box, Measure measure) {
    // The first measure is of the whole caption: kept for the search below.
    int whole_width = 0;
    const auto remembering = [&](std::string_view text, Font size) {
        const Size measured = measure(text, size);
        if (whole_width == 0) whole_width = measured.width;
        return measured;
    };
    Lines lines = break_lines(caption, font, box, remembering);
    if (lines.fit || !font.points || *font.points - points_step < smallest_points)
        return {font, std::move(lines.lines), lines.line_height};

    // Text widens about in proportion to its size: the search starts where
    // the caption would just fit on one line, and steps from there to the
    // largest size that fits, so that few sizes are ever made and measured.
    const float set = *font.points;
    const float one_line = set * static_cast<float>(box.width) / static_cast<float>(std::max(whole_width, 1));
    float points = std::clamp(std::floor(one_line / points_step) * points_step, smallest_points, set - points_step);
    lines = break_lines(caption, Font{points, font.scale}, box, measure);
    if (lines.fit) {
        while (points + points_step < set) {
            Lines larger = break_lines(caption, Font{points + points_step, font.scale}, box, measure);
            if (!larger.fit) break;
            points += points_step;
            lines = std::move(larger);
        }
    } else {
        while (!lines.fit && points - points_step >= smallest_points) {
            points -= points_step;
            lines = break_lines(caption, Font{points, font.scale}, box, measure);
        }
    }
    return {Font{points, font.scale}, std::move(lines.lines), lines.line_height};
}

}  // namespace runtime
