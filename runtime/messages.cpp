#include "runtime/messages.h"

namespace runtime::messages {

std::string out_of_memory() { return "Xotira yetmadi."; }

std::string internal_fault(std::string_view detail) { return "Dasturning ichki xatosi: " + std::string(detail); }

std::string no_display(std::string_view program) {
    return std::string(program) + ": oyna ochib bo'lmadi, displey topilmadi (DISPLAY o'rnatilmagan).";
}

std::string cannot_open_display(std::string_view program, std::string_view display) {
    return std::string(program) + ": oyna ochib bo'lmadi, " + std::string(display) + " displeyiga ulanib bo'lmadi.";
}

}  // namespace runtime::messages
