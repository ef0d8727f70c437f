#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/form/description.h"

// The seam between the runtime and a toolkit. A backend supplies these
// primitives and nothing more; every behaviour built on them (the form from
// its description, tab order, naming boxes, the error flow, caption fitting,
// what a box keeps of a paste, start-up failures) lives once, in the core.
namespace runtime {

// In the toolkit's pixels: device pixels on Windows, logical pixels where
// the toolkit scales by itself.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int right() const { return left + width; }
    bool operator==(const Rect&) const = default;
};

struct Size {
    int width = 0;
    int height = 0;
    bool operator==(const Size&) const = default;
};

// The toolkit's default face, at its default size or at `points`.
struct Font {
    std::optional<float> points;
    bool operator==(const Font&) const = default;
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

// One item of a control's context menu.
struct MenuItem {
    std::string text;
    std::function<void()> chosen;
};

class Widget;

// What a window tells the core. The toolkit calls these from its event loop.
class WindowEvents {
public:
    // A button was pressed: with the mouse, or with Space or Enter while focused.
    virtual void clicked(const Widget& button) = 0;
    // The user asked to close the window.
    virtual void close_requested() = 0;
    // The window moved to a screen of another density: `dpi()` has changed.
    virtual void dpi_changed() = 0;

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

    virtual std::string text() const = 0;  // UTF-8
    virtual void set_text(std::string_view text) = 0;
    virtual void set_font(Font font) = 0;
    virtual void place(Rect pixels) = 0;
    // Gives the control the keyboard focus, now or when its window is next
    // active, with all its text selected if asked.
    virtual void focus(bool select_all) = 0;
    // Screen readers read this control by the text of `label`.
    virtual void name_by(const Widget& label) = 0;
    virtual void set_menu(std::vector<MenuItem> items) = 0;
};

// One top-level window with a client area that holds the controls.
class Window {
public:
    virtual ~Window() = default;
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Controls are made in the order the user moves between them with Tab.
    virtual std::unique_ptr<Widget> make(const ControlStyle& style, Rect pixels, std::string_view text) = 0;
    virtual int dpi() const = 0;  // pixels per inch of this window's pixels
    // The extent of `text` on one line in `font`.
    virtual Size measure(std::string_view text, Font font) const = 0;
    virtual void set_client_size(Size client, Size minimum) = 0;
    // The widest client area the screen's work area leaves room for.
    virtual int widest_client() const = 0;
    virtual void show() = 0;
    // A modal error message over the window, titled with its caption.
    // `closed` runs once the user has closed it: at once where the toolkit
    // waits for that (desktops), later where it cannot (a web page).
    virtual void show_error(std::string_view message, std::function<void()> closed) = 0;
};

// The toolkit itself: its windows, event loop and clipboard.
class Toolkit {
public:
    virtual ~Toolkit() = default;
    Toolkit() = default;
    Toolkit(const Toolkit&) = delete;
    Toolkit& operator=(const Toolkit&) = delete;

    virtual std::unique_ptr<Window> make_window(std::string_view caption, WindowEvents& events) = 0;
    // A modal error message with no window to belong to.
    virtual void show_error(std::string_view title, std::string_view message) = 0;
    // The event loop, until quit(). Where the host owns the loop (a web
    // page), it leaves the form live and never returns to its caller.
    virtual int run() = 0;
    virtual void quit() = 0;
    virtual void copy(std::string_view text) = 0;  // to the clipboard
};

// There is no display to open a window on; its message is one line.
class NoDisplay : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Each backend defines it. Raises NoDisplay when no window can be shown.
std::unique_ptr<Toolkit> open_toolkit(std::string_view program_name);

}  // namespace runtime
