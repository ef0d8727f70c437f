#include "runtime/win32/clipboard.h"

#include <algorithm>

#include "runtime/win32/owned_handles.h"

namespace runtime::win32 {
namespace {

// The clipboard, open for as long as this lives, if it could be opened.
class OpenClipboardScope {
public:
    explicit OpenClipboardScope(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
    ~OpenClipboardScope() {
        if (open_) CloseClipboard();
    }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;

    bool open() const { return open_; }

private:
    bool open_;
};

// A global memory block, locked for as long as this lives, if it could be.
class LockedGlobal {
public:
    explicit LockedGlobal(HGLOBAL memory) : memory_(memory), data_(GlobalLock(memory)) {}
    ~LockedGlobal() {
        if (data_ != nullptr) GlobalUnlock(memory_);
    }
    LockedGlobal(const LockedGlobal&) = delete;
    LockedGlobal& operator=(const LockedGlobal&) = delete;

    void* data() const { return data_; }

private:
    HGLOBAL memory_;
    void* data_;
};

}  // namespace

void put_on_clipboard(HWND owner, std::wstring_view text) {
    // Made before the clipboard is opened, so that it is held open briefly
    // and never emptied for nothing.
    OwnedGlobal memory(GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t)));
    if (!memory) return;
    {
        const LockedGlobal copied(memory.get());
        if (copied.data() == nullptr) return;
        *std::ranges::copy(text, static_cast<wchar_t*>(copied.data())).out = L'\0';
    }

    const OpenClipboardScope clipboard(owner);
    if (!clipboard.open() || !EmptyClipboard()) return;
    // The clipboard owns the memory once SetClipboardData succeeds.
    if (SetClipboardData(CF_UNICODETEXT, memory.get()) != nullptr) static_cast<void>(memory.release());
}

void read_clipboard(HWND owner, FunctionRef<void(std::u16string_view text)> read) {
    const OpenClipboardScope clipboard(owner);
    if (!clipboard.open()) return;
    const HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (data == nullptr) return;
    const LockedGlobal held(data);
    if (held.data() == nullptr) return;
    // The block may hold no NUL at all: read no further than it reaches.
    const auto* const begin = static_cast<const char16_t*>(held.data());
    const char16_t* const end = begin + GlobalSize(data) / sizeof(char16_t);
    read({begin, std::find(begin, end, u'\0')});
}

}  // namespace runtime::win32
