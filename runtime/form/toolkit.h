#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "runtime/form/description.h"

// The seam between the runtime and a toolkit, both ways, carrying data
// only. A backend supplies these primitives and reports what happened to
// its window, with what it knows of it; every behaviour built on them (the
// form from its description, tab order, naming boxes, the error flow,
// caption fitting, widening, what a box keeps of a paste, which key presses
// a button, start-up failures) lives once, in the core.
namespace runtime {

// In the toolkit's pixels: device pixels on Windows, logical pixels where
// the toolkit scales by itself.
struct Size {
    int width = 0;
    int height = 0;
    bool operator==(const Size&) const = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
    Size size() const { return {width, height}; }
    bool operator==(const Rect&) const = default;
};

// The toolkit's default face, at its default size or at `points`, drawn
// `scale` times as large: the form's zoom.
struct Font {
    std::optional<float> points;
    float scale = 1;
    bool operator==(const Font&) const = default;
};

// One drawn line of a caption: bytes [begin, end) of its text. The spaces
// between two lines are not drawn.
struct Line {
    std::size_t begin = 0;
    std::size_t end = 0;
    bool operator==(const Line&) const = default;
};

// A label's or a button's caption and how it is drawn: each line in turn,
// `line_height` pixels below the last, from the top of the box. The text is
// the control's text exactly: what screen readers, automation and copying
// read. The lines always lie within it.
struct Caption {
    std::string_view text;
    std::span<const Line> lines;
    int line_height = 0;
    // Newly written by the program: screen readers are told, even where it
    // is the text they last read (the same answer again). A caption only
    // laid out anew (another density, a zoom step) is not news.
    bool written = false;
};

// How a new control must look and behave, decided by the core.
struct ControlStyle {
    ControlKind kind;
    std::string_view name;  // the toolkit may use it to tell controls apart (object name, element id)
    bool centred = false;   // each line of text centred in the box
    SystemColour back_colour = SystemColour::none;
    int max_length = 0;  // text boxes: the most UTF-16 units a box holds
    // Labels that size to their caption, the form's output: screen readers
    // speak each new caption, where the toolkit leaves that to the control.
    bool announce_changes = false;
};

// Where a window stands on its screen, as the toolkit knows it now.
struct Placement {
    Rect client;                   // the client area, in screen pixels; at 0, 0 where the toolkit has no positions
    Rect room;                     // the most of the screen's work area the client area can take, its frame aside
    bool sized_by_system = false;  // maximised or full screen: its size is not the program's
    bool operator==(const Placement&) const = default;
};

// What the user asked of the form's zoom: a step larger, a step smaller, or
// back to its stored size.
enum class Zoom { in, out, reset };

class Widget;

// What happened to a window, from the toolkit's event loop, with what the
// toolkit knows of it. Each is a way into the core and passes its one
// barrier: nothing the core raises reaches the toolkit.
class WindowEvents {
public:
    // A control was clicked: a button with the mouse or with the key that
    // presses it (Space), a label with the mouse.
    virtual void clicked(const Widget& control) noexcept = 0;
    // Enter was pressed while `focused` had the focus.
    virtual void enter_pressed(const Widget& focused) noexcept = 0;
    // Item `item` of the control's context menu (set_menu) was chosen.
    virtual void menu_chosen(const Widget& control, std::size_t item) noexcept = 0;
    // The user asked to close the window.
    virtual void close_requested() noexcept = 0;
    // The client area changed size or state, whoever changed it: the user's
    // drag, maximising, full screen, restoring, the window manager, or the
    // core itself. `placed` is where it stands now.
    virtual void resized(const Placement& placed) noexcept = 0;
    // The window moved to a screen of `dpi` pixels per inch; its client area
    // is still the size it was.
    virtual void dpi_changed(int dpi) noexcept = 0;
    // The error box that show_error could not wait for has been closed.
    virtual void error_closed() noexcept = 0;
    // The user asked to zoom the form (keys or wheel), wherever the focus is.
    virtual void zoom_requested(Zoom zoom) noexcept = 0;

protected:
    ~WindowEvents() = default;
};

// One control, made by a window.
class Widget {
public:
    virtual ~Widget() = default;
    Widget() = default;
    Widget(const Widget&) = delete;
    Widget& operator=(const Widget&) = delete;

    // Text boxes: the text, UTF-8, exactly as held.
    virtual std::string text() const = 0;
    // Labels and buttons: the caption, exactly, and how it is drawn.
    virtual void set_caption(const Caption& caption) = 0;
    virtual void set_font(Font font) = 0;
    virtual void place(Rect pixels) = 0;
    // Gives the control the keyboard focus, now or when its window is next
    // active, with all its text selected if asked.
    virtual void focus(bool select_all) = 0;
    // Screen readers read this control by the text of `label`.
    virtual void name_by(const Widget& label) = 0;
    // The control's context menu; a choice is reported as menu_chosen.
    virtual void set_menu(std::span<const std::string_view> items) = 0;
};

// One top-level window with a client area that holds the controls.
class Window {
public:
    virtual ~Window() = default;
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Controls are made in the order the user moves between them with Tab.
    // `text` is a box's text, or a caption until set_caption comes.
    virtual std::unique_ptr<Widget> make(const ControlStyle& style, Rect pixels, std::string_view text) = 0;
    virtual int dpi() const = 0;  // pixels per inch of this window's pixels, as it is made
    // The extent of `text` on one line in `font`; its height is the line's.
    virtual Size measure(std::string_view text, Font font) const = 0;
    virtual Placement placement() const = 0;
    // The client area's size, its top-left corner staying where it is.
    virtual void set_client_size(Size client) = 0;
    // The least client area the user can drag the window to.
    virtual void set_minimum_client_size(Size minimum) = 0;
    // Moves the whole window `left` pixels to the left and `up` pixels up.
    virtual void shift(int left, int up) = 0;
    virtual void show() = 0;
    // A modal error message over the window, titled with its caption.
    // Returns true once the user has closed it, where the toolkit can wait
    // for that (desktops); false where it cannot (a web page), which
    // reports error_closed() instead.
    [[nodiscard]] virtual bool show_error(std::string_view message) = 0;
    virtual void copy(std::string_view text) = 0;  // to the clipboard, on behalf of this window
};

// The toolkit itself: its windows and event loop.
class Toolkit {
public:
    virtual ~Toolkit() = default;
    Toolkit() = default;
    Toolkit(const Toolkit&) = delete;
    Toolkit& operator=(const Toolkit&) = delete;

    // Raises runtime::Error, in the user's language, when it cannot.
    virtual std::unique_ptr<Window> make_window(std::string_view caption, WindowEvents& events) = 0;
    // A modal error message with no window to belong to.
    virtual void show_error(std::string_view title, std::string_view message) = 0;
    // The event loop, until quit(). Where the host owns the loop (a web
    // page), it returns at once.
    virtual int run() = 0;
    virtual void quit() = 0;
    // The host owns the event loop: once run() has returned, the host calls
    // into the form until the page closes, so the form and the toolkit
    // must live on.
    virtual bool host_runs_loop() const { return false; }
};

// No window can be shown at all (no display, or none the toolkit can
// open); its message is one line, for standard error.
class NoDisplay : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Each backend defines it. Raises NoDisplay when no window can be shown.
std::unique_ptr<Toolkit> open_toolkit(std::string_view program_name);

}  // namespace runtime
