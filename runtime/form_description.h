#pragma once

#include <span>
#include <string_view>

#include "runtime/error.h"

// A window declared as data. Backends build the real window from it; the
// program's code never creates or moves a control itself.
namespace runtime {

enum class ControlKind { push_button, text_box, label };

// Colours the user's desktop theme decides, named by their role.
enum class SystemColour { none, inactive_border };

enum class StartUpPosition { windows_default };  // the windowing system places the window

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
    // For a text box: the label that names it for screen readers, and the
    // coefficient it holds, so an error about that value returns here.
    std::string_view labelled_by = {};
    Coefficient holds = Coefficient::none;
};

struct FormDescription {
    std::string_view name;
    std::string_view caption;
    int client_width;  // twips
    int client_height;
    StartUpPosition start_up_position;
    std::span<const ControlDescription> controls;  // in creation order
};

constexpr int twips_per_inch = 1440;

// Twips to pixels at the given dots per inch (15 twips a pixel at 96).
constexpr int to_pixels(int twips, int dpi) { return twips * dpi / twips_per_inch; }

}  // namespace runtime
