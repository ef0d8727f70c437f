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

    wchar_t* text() const { return static_cast<wchar_t*>(data_); }

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
        if (copied.text() == nullptr) return;
        *std::ranges::copy(text, copied.text()).out = L'\0';
    }

    const OpenClipboardScope clipboard(owner);
    if (!clipboard.open() || !EmptyClipboard()) return;
    // The clipboard owns the memory once SetClipboardData succeeds.
    if (SetClipboardData(CF_UNICODETEXT, memory.get()) != nullptr) static_cast<void>(memory.release());
}

std::optional<std::wstring> text_on_clipboard(HWND owner) {
    const OpenClipboardScope clipboard(owner);
    if (!clipboard.open()) return std::nullopt;
    const HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (data == nullptr) return std::nullopt;
    const LockedGlobal held(data);
    if (held.text() == nullptr) return std::nullopt;
    // The block may hold no NUL at all: read no further than it reaches.
    const wchar_t* const begin = held.text();
    const wchar_t* const end = begin + GlobalSize(data) / sizeof(wchar_t);
    return std::wstring(begin, std::find(begin, end, L'\0'));
}

}  // namespace runtime::win32
