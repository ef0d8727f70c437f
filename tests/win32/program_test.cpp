#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>

#include "runtime/win32/wide_text.h"
#include "tests/window_cases.h"

namespace {

// The build tree's Unix path as Wine shows it: on drive Z:.
std::wstring program_path() {
    std::wstring path = L"Z:" + runtime::win32::to_wide(TENGLAMA_EXE);
    std::ranges::replace(path, L'/', L'\\');
    return path;
}

// The window as the user first sees it: shown, laid out.
HWND wait_for_window(const std::wstring& title) {
    for (int tries = 0; tries < 200; ++tries) {
        const HWND found = FindWindowW(L"tenglama.Form", title.c_str());
        if (found != nullptr && IsWindowVisible(found)) return found;
        Sleep(50);
    }
    return nullptr;
}

// The program itself: it opens its window, and closing the window ends the
// process cleanly.
TEST(Program, OpensItsWindowAndEndsWhenItCloses) {
    std::wstring command_line = L"\"" + program_path() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(
        CreateProcessW(nullptr, command_line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        << "cannot start " << TENGLAMA_EXE;

    const HWND window = wait_for_window(runtime::win32::to_wide(window_cases::title));
    ASSERT_NE(window, nullptr);
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, window_cases::client_width);
    EXPECT_EQ(client.bottom, window_cases::client_height);

    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 10000), WAIT_OBJECT_0);
    DWORD exit_code = 1;
    GetExitCodeProcess(process.hProcess, &exit_code);
    EXPECT_EQ(exit_code, 0u);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

}  // namespace
