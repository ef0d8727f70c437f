#pragma once

#include <string>
#include <string_view>

// The runtime's own texts that a user can read, in Uzbek (Latin script).
// The program's texts live with the program.
namespace runtime::messages {

std::string out_of_memory();
std::string internal_fault(std::string_view detail);
// A window the toolkit could not make, and why: for the box that says so.
std::string cannot_make_window(std::string_view cause);
// Start-up with no window to show: one line for standard error.
std::string no_display(std::string_view program);
std::string cannot_open_display(std::string_view program, std::string_view display);
// The toolkit's way to the screen (its platform plugin) is missing, or
// would not start.
std::string no_platform(std::string_view program, std::string_view platform);
std::string platform_failed(std::string_view program, std::string_view platform);

// Context menus.
inline constexpr std::string_view copy = "Nusxa olish";
inline constexpr std::string_view undo = "Bekor qilish";
inline constexpr std::string_view redo = "Qaytarish";
inline constexpr std::string_view cut = "Kesib olish";
inline constexpr std::string_view paste = "Qo'yish";
inline constexpr std::string_view erase = "O'chirish";
inline constexpr std::string_view select_all = "Hammasini belgilash";

}  // namespace runtime::messages
