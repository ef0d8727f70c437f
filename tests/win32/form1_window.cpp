#include "form1_window.h"

#include <algorithm>
#include <chrono>
#include <fstream>
#include <iterator>
#include <vector>

#include "runtime/win32/clipboard.h"
#include "runtime/win32/message_loop.h"
#include "runtime/win32/wide_text.h"
#include "runtime/win32/window.h"
#include "tests/window_cases.h"
#include "window/project.h"

using runtime::win32::to_utf8;
using runtime::win32::to_wide;

std::wstring wide_text_of(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::string text_of(HWND window) { return to_utf8(wide_text_of(window)); }

std::string clipboard_text() {
    std::string text;
    runtime::win32::read_clipboard(nullptr, [&](std::u16string_view units) { text = runtime::to_utf8(units); });
    return text;
}

SIZE size_of(const RECT& rect) { return {rect.right - rect.left, rect.bottom - rect.top}; }

SIZE one_line(HWND control) {
    const std::wstring text = to_wide(text_of(control));
    const HDC dc = GetDC(control);
    const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    return size;
}

// Windows counts a process's GDI and user objects; Wine does not
// (GetGuiResources gives 0). There the GDI count shows in the handle table:
// with enough new objects to fill every free slot, the highest slot taken
// grows by one for each object still alive; windows are counted directly.
int gdi_objects() {
    if (const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return static_cast<int>(counted);
    std::vector<HBRUSH> probes(4096);
    int highest = 0;
    for (HBRUSH& probe : probes) {
        probe = CreateSolidBrush(0);
        highest = std::max(highest, static_cast<int>(LOWORD(reinterpret_cast<UINT_PTR>(probe))));
    }
    for (HBRUSH probe : probes) DeleteObject(probe);
    return highest;
}

namespace {

BOOL CALLBACK count_window(HWND, LPARAM counter) {
    ++*reinterpret_cast<int*>(counter);
    return TRUE;
}

BOOL CALLBACK count_with_children(HWND window, LPARAM counter) {
    EnumChildWindows(window, count_window, counter);
    return count_window(window, counter);
}

}  // namespace

int user_objects() {
    if (const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS)) return static_cast<int>(counted);
    int windows = 0;
    EnumThreadWindows(GetCurrentThreadId(), count_with_children, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

runtime::Toolkit& toolkit() {
    static const std::unique_ptr<runtime::Toolkit> opened = runtime::open_toolkit("tenglama");
    return *opened;
}

namespace {

BOOL CALLBACK find_form(HWND window, LPARAM found) {
    if (runtime::win32::Window::of(window) == nullptr) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

}  // namespace

void Form1Window::SetUp() {
    form = std::make_unique<runtime::Form>(window::project, toolkit());
    form->show();
    frame_ = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), find_form, reinterpret_cast<LPARAM>(&frame_));
    ASSERT_NE(frame_, nullptr);
    SetForegroundWindow(frame());
    ASSERT_TRUE(pump_until([&] { return GetForegroundWindow() == frame() && GetFocus() == control("Text1"); }))
        << "the form never became active with the focus in Text1";
    // Wine takes the keyboard's state from X once X gives the window its
    // focus, which would undo a Ctrl pressed before: that passes first.
    settle();
}

// What is left in the queue went to the destroyed window; the next test
// starts with none of it.
void Form1Window::TearDown() {
    form.reset();
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
}

void Form1Window::reopen() {
    TearDown();
    SetUp();
}

// The controls are made in tab order, their IDs counting up.
HWND Form1Window::control(std::string_view name) const {
    const int tab_index = std::ranges::find(window_cases::controls, name, &window_cases::Placed::name)->tab_index;
    const auto before = std::ranges::count_if(window_cases::controls,
                                              [&](const window_cases::Placed& c) { return c.tab_index < tab_index; });
    return GetDlgItem(frame_, runtime::win32::Window::first_control_id + static_cast<int>(before));
}

std::string Form1Window::focused_name() const {
    for (const std::string_view name : {"Text1", "Text2", "Command1"}) {
        if (GetFocus() == control(name)) return std::string(name);
    }
    return GetFocus() == frame() ? "Form1" : "?";
}

RECT Form1Window::client_rect_of(HWND window) const {
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, frame(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

bool Form1Window::pump_until(const std::function<bool()>& done) const {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        MSG message;
        if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message != WM_QUIT) runtime::win32::dispatch_message(message);
        } else {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        }
    }
    return true;
}

void Form1Window::settle() const {
    int quiet = 0;
    pump_until([&] { return GetQueueStatus(QS_ALLINPUT) == 0 && ++quiet > 5; });
}

namespace {

void send(std::initializer_list<INPUT> inputs) {
    std::vector<INPUT> events(inputs);
    SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
}

INPUT key(WORD virtual_key, WORD unicode, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtual_key;
    input.ki.wScan = unicode;
    input.ki.dwFlags = flags;
    return input;
}

INPUT mouse(LONG x, LONG y, DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
    return input;
}

}  // namespace

void Form1Window::press(WORD virtual_key, bool shift) const {
    if (shift) send({key(VK_SHIFT, 0, 0)});
    send({key(virtual_key, 0, 0), key(virtual_key, 0, KEYEVENTF_KEYUP)});
    if (shift) send({key(VK_SHIFT, 0, KEYEVENTF_KEYUP)});
    settle();
}

void Form1Window::press_with_control(WORD virtual_key, WORD also) const {
    send({key(VK_CONTROL, 0, 0)});
    if (also != 0) send({key(also, 0, 0)});
    send({key(virtual_key, 0, 0), key(virtual_key, 0, KEYEVENTF_KEYUP)});
    if (also != 0) send({key(also, 0, KEYEVENTF_KEYUP)});
    send({key(VK_CONTROL, 0, KEYEVENTF_KEYUP)});
    settle();
}

void Form1Window::type_into(std::string_view name, std::string_view text) const { type_into(name, to_wide(text)); }

void Form1Window::type_into(std::string_view name, std::wstring_view text) const {
    const HWND box = control(name);
    SetFocus(box);
    SetWindowTextW(box, L"");
    type(text);
    ASSERT_TRUE(pump_until([&] { return wide_text_of(box) == text; })) << name << " shows " << text_of(box);
}

// As a user types: character by character.
void Form1Window::type(std::wstring_view text) const {
    for (const wchar_t unit : text) {
        send({key(0, unit, KEYEVENTF_UNICODE), key(0, unit, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP)});
    }
}

void Form1Window::paste_into(std::string_view name, std::wstring_view text) const {
    runtime::win32::put_on_clipboard(nullptr, text);
    const HWND box = control(name);
    SetFocus(box);
    SetWindowTextW(box, L"");
    press_with_control('V');
}

void Form1Window::submit(std::string_view a, std::string_view b) const {
    SetWindowTextW(control("Text1"), to_wide(a).c_str());
    SetWindowTextW(control("Text2"), to_wide(b).c_str());
    SendMessageW(control("Command1"), BM_CLICK, 0, 0);
}

// Wine starts a host program but gives no handle to wait on: the command
// writes its output to a file and renames it when done.
std::string Form1Window::run_on_host(const std::string& command) const {
    const std::string output = "/tmp/tenglama-host-" + std::to_string(GetCurrentProcessId());
    const std::wstring done = L"Z:" + to_wide(output);
    DeleteFileW(done.c_str());
    std::wstring line = L"/bin/sh -c \"(" + to_wide(command) + L") >" + to_wide(output) + L".part 2>&1; mv " +
                        to_wide(output) + L".part " + to_wide(output) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        return {};
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (!pump_until([&] { return GetFileAttributesW(done.c_str()) != INVALID_FILE_ATTRIBUTES; })) return {};
    std::ifstream file("Z:" + output);
    std::string printed((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    file.close();
    DeleteFileW(done.c_str());
    return printed;
}

namespace {

POINT centre_of(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

}  // namespace

void Form1Window::turn_wheel_with_control(int delta) const {
    RECT frame_rect{};
    GetWindowRect(frame(), &frame_rect);
    const LONG x = (frame_rect.left + frame_rect.right) / 2;
    const LONG y = (frame_rect.top + frame_rect.bottom) / 2;
    INPUT wheel = mouse(x, y, MOUSEEVENTF_WHEEL);
    wheel.mi.mouseData = static_cast<DWORD>(delta);
    send({key(VK_CONTROL, 0, 0), mouse(x, y, MOUSEEVENTF_MOVE), wheel, key(VK_CONTROL, 0, KEYEVENTF_KEYUP)});
    settle();
}

void Form1Window::click(std::string_view name) const {
    const auto [x, y] = centre_of(control(name));
    send({mouse(x, y, MOUSEEVENTF_MOVE), mouse(x, y, MOUSEEVENTF_LEFTDOWN), mouse(x, y, MOUSEEVENTF_LEFTUP)});
    settle();
}

// The menu's own loop takes the keys queued behind the click.
void Form1Window::choose_first_menu_item(std::string_view name) const {
    const auto [x, y] = centre_of(control(name));
    send({mouse(x, y, MOUSEEVENTF_MOVE), mouse(x, y, MOUSEEVENTF_RIGHTDOWN), mouse(x, y, MOUSEEVENTF_RIGHTUP)});
    send({key(VK_DOWN, 0, 0), key(VK_DOWN, 0, KEYEVENTF_KEYUP), key(VK_RETURN, 0, 0),
          key(VK_RETURN, 0, KEYEVENTF_KEYUP)});
    settle();
}

namespace {

MessageBoxAnswerer* current_answerer = nullptr;

BOOL CALLBACK find_box(HWND window, LPARAM found) {
    wchar_t class_name[16]{};
    GetClassNameW(window, class_name, 16);
    if (std::wstring_view(class_name) != L"#32770" || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

}  // namespace

MessageBoxAnswerer::MessageBoxAnswerer() : timer_(SetTimer(nullptr, 0, 20, &MessageBoxAnswerer::look)) {
    current_answerer = this;
}

MessageBoxAnswerer::~MessageBoxAnswerer() {
    KillTimer(nullptr, timer_);
    current_answerer = nullptr;
}

void CALLBACK MessageBoxAnswerer::look(HWND, UINT, UINT_PTR, DWORD) {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), find_box, reinterpret_cast<LPARAM>(&box));
    if (box == nullptr || current_answerer == nullptr) return;
    MessageBoxAnswerer& self = *current_answerer;
    ++self.shown;
    self.owner = GetWindow(box, GW_OWNER);
    self.title = text_of(box);
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
        if ((style & SS_TYPEMASK) == SS_ICON && SendMessageW(child, STM_GETICON, 0, 0) != 0) self.has_icon = true;
        if (GetDlgCtrlID(child) == 0xFFFF) self.text = text_of(child);
    }
    SendMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
}
