#pragma once

#include <span>
#include <string_view>

// A window declared as data. The runtime builds the real window from it;
// the program's code never creates or moves a control itself.
namespace runtime {

enum class ControlKind { push_button, text_box, label };

// Colours the user's desktop theme decides, named by their role.
enum class SystemColour { none, inactive_border };

// Positions and sizes are in twips (1/1440 inch), from the client area's
// top-left corner.
struct ControlDescription {
    std::string_view name;
    ControlKind kind;
    std::string_view text;  // a text box's text, a label's or button's caption
    int left;
    int top;
    int width;
    int height;
    int tab_index;
    bool auto_size = false;  // the control's box follows its one-line caption
    bool centred = false;    // text centred in the box
    SystemColour back_colour = SystemColour::none;
    std::string_view labelled_by;  // a text box's label, which names it for screen readers
};

struct FormDescription {
    std::string_view name;
    std::string_view caption;
    int client_width;  // twips
    int client_height;
    std::span<const ControlDescription> controls;  // as stored
};

constexpr int twips_per_inch = 1440;

// A length in units of 1/`from` inch, in units of 1/`to` inch, rounded to
// the nearest, halves away from zero, as Windows scales.
constexpr int scaled(int length, int to, int from) {
    const long long product = static_cast<long long>(length) * to;
    return static_cast<int>((product + (product < 0 ? -from : from) / 2) / from);
}

// Twips to pixels at `dpi` (15 twips a pixel at 96 dpi).
constexpr int to_pixels(int twips, int dpi) { return scaled(twips, dpi, twips_per_inch); }

}  // namespace runtime
