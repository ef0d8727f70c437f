// GetThreadId for the C++ runtime's thread support, which GCC 14's win32
// thread model links in and which compares threads by their IDs. Windows XP
// has no GetThreadId, and the import alone would keep XP's loader from
// starting the program. This table entry stands in for the import: Vista's
// own GetThreadId where there is one, else the ID from the thread's basic
// information, as XP's ntdll gives it. Where nothing calls GetThreadId (the
// runtimes of GCC 12), the linker drops it.
#include <windows.h>
#include <winternl.h>

namespace {

template <class Function>
Function system_function(const wchar_t* module, const char* name) {
    const FARPROC found = GetProcAddress(GetModuleHandleW(module), name);
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

// THREAD_BASIC_INFORMATION, as NtQueryInformationThread fills it for
// ThreadBasicInformation.
struct BasicInformation {
    LONG exit_status;
    PVOID environment_block;
    HANDLE process_id;
    HANDLE thread_id;
    ULONG_PTR affinity_mask;
    LONG priority;
    LONG base_priority;
};

DWORD WINAPI thread_id(HANDLE thread) {
    using GetThreadIdFunction = DWORD(WINAPI*)(HANDLE);
    using QueryFunction = decltype(&NtQueryInformationThread);
    static const auto get_thread_id = system_function<GetThreadIdFunction>(L"kernel32.dll", "GetThreadId");
    if (get_thread_id != nullptr) return get_thread_id(thread);
    static const auto query = system_function<QueryFunction>(L"ntdll.dll", "NtQueryInformationThread");
    BasicInformation information{};
    if (query == nullptr || query(thread, ThreadBasicInformation, &information, sizeof information, nullptr) < 0) {
        return 0;
    }
    return static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(information.thread_id));
}

}  // namespace

extern "C" {
extern DWORD(WINAPI* const imported_get_thread_id)(HANDLE) __asm__("__imp__GetThreadId@4");
DWORD(WINAPI* const imported_get_thread_id)(HANDLE) = thread_id;
}
