#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>

#include "runtime/form/form.h"

std::string text_of(HWND window);
std::string clipboard_text();
std::wstring wide_text_of(HWND window);  // as the box holds it, unpaired surrogates and all
SIZE size_of(const RECT& rect);
SIZE one_line(HWND control);  // the control's text on one line in its own font

// The process's GDI and user objects, as Windows counts them; under Wine,
// which counts neither, the same growth seen another way.
int gdi_objects();
int user_objects();

inline bool operator==(const SIZE& x, const SIZE& y) { return x.cx == y.cx && x.cy == y.cy; }
inline void PrintTo(const SIZE& size, std::ostream* out) { *out << size.cx << " x " << size.cy; }

// The suite's one toolkit.
runtime::Toolkit& toolkit();

// The real Form1 window, loaded, shown and active, driven through the
// message loop with keyboard and mouse input as a user would.
class Form1Window : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // A fresh Form1 in place of this one, as a new start of the program.
    void reopen();

    HWND frame() const { return frame_; }
    HWND control(std::string_view name) const;
    std::string focused_name() const;
    std::string answer() const { return text_of(control("Label5")); }
    RECT client_rect_of(HWND window) const;  // in the form's client coordinates

    // Delivers messages until `done` holds (true) or five seconds pass (false).
    bool pump_until(const std::function<bool()>& done) const;
    // Delivers messages until the queue stays empty.
    void settle() const;

    void press(WORD key, bool shift = false) const;
    // Presses the key with Ctrl held, and with `also` (Shift, Alt) if given.
    void press_with_control(WORD key, WORD also = 0) const;
    // Turns the wheel by `delta` (WHEEL_DELTA a notch, forward above 0)
    // over the form, with Ctrl held.
    void turn_wheel_with_control(int delta) const;
    void type_into(std::string_view name, std::string_view text) const;
    void type_into(std::string_view name, std::wstring_view text) const;  // any UTF-16 units, even lone surrogates
    // Sends the keys that type `text` into the focused box, after what it holds.
    void type(std::wstring_view text) const;
    // Puts the text on the clipboard and presses Ctrl+V in the emptied box.
    void paste_into(std::string_view name, std::wstring_view text) const;
    void click(std::string_view name) const;  // with the mouse, and waits for all it set off
    // Right-clicks the control and chooses the first item of its menu with the keyboard.
    void choose_first_menu_item(std::string_view name) const;
    void click_natija() const { click("Command1"); }
    // Sets both boxes as a program would and presses "Natija" through the
    // button's own BM_CLICK: the click, and any message box, is over on return.
    void submit(std::string_view a, std::string_view b) const;
    // Runs a shell command on the host, outside Wine, and returns what it
    // printed, once it has ended (or after five seconds, empty).
    std::string run_on_host(const std::string& command) const;

    std::unique_ptr<runtime::Form> form;

private:
    HWND frame_ = nullptr;  // the form's window, found among the thread's
};

// Answers every message box that opens while it lives with OK, noting what
// the last one said. A box runs its own message loop, so a timer looks.
class MessageBoxAnswerer {
public:
    MessageBoxAnswerer();
    ~MessageBoxAnswerer();
    MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
    MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;

    int shown = 0;
    HWND owner = nullptr;
    std::string title, text;
    bool has_icon = false;

private:
    static void CALLBACK look(HWND, UINT, UINT_PTR, DWORD);
    UINT_PTR timer_;
};
