#include "runtime/messages.h"

namespace runtime::messages {

std::string out_of_memory() { return "Xotira yetmadi."; }

std::string internal_fault(std::string_view detail) { return "Dasturning ichki xatosi: " + std::string(detail); }

std::string cannot_make_window(std::string_view cause) { return "Oyna ochib bo'lmadi: " + std::string(cause) + "."; }

std::string no_display(std::string_view program) {
    return std::string(program) + ": oyna ochib bo'lmadi, displey topilmadi (DISPLAY o'rnatilmagan).";
}

std::string cannot_open_display(std::string_view program, std::string_view display) {
    return std::string(program) + ": oyna ochib bo'lmadi, " + std::string(display) + " displeyiga ulanib bo'lmadi.";
}

std::string no_platform(std::string_view program, std::string_view platform) {
    return std::string(program) + ": oyna ochib bo'lmadi, \xC2\xAB" + std::string(platform) +
           "\xC2\xBB grafik platformasi topilmadi.";
}

std::string platform_failed(std::string_view program, std::string_view platform) {
    return std::string(program) + ": oyna ochib bo'lmadi, \xC2\xAB" + std::string(platform) +
           "\xC2\xBB grafik platformasi ishga tushmadi.";
}

}  // namespace runtime::messages
