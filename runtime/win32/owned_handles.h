#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

// Owning wrappers for the Windows objects this backend creates; each one is
// released exactly once, by its owner.
namespace runtime::win32 {

struct WindowDestroyer {
    void operator()(HWND window) const noexcept { DestroyWindow(window); }
};
struct MenuDestroyer {
    void operator()(HMENU menu) const noexcept { DestroyMenu(menu); }
};
struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const noexcept { DeleteObject(object); }
};
struct GlobalFreer {
    void operator()(HGLOBAL memory) const noexcept { GlobalFree(memory); }
};

using OwnedWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;
using OwnedMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDestroyer>;
using OwnedFont = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;
using OwnedRegion = std::unique_ptr<std::remove_pointer_t<HRGN>, GdiObjectDeleter>;
using OwnedGlobal = std::unique_ptr<std::remove_pointer_t<HGLOBAL>, GlobalFreer>;

// A window class this program registered, unregistered when its owner goes.
class RegisteredClass {
public:
    RegisteredClass() = default;
    ~RegisteredClass() { reset(); }
    RegisteredClass(const RegisteredClass&) = delete;
    RegisteredClass& operator=(const RegisteredClass&) = delete;

    ATOM get() const { return atom_; }
    void reset(ATOM atom = 0) {
        if (atom_ != 0) UnregisterClassW(MAKEINTATOM(atom_), GetModuleHandleW(nullptr));
        atom_ = atom;
    }

private:
    ATOM atom_ = 0;
};

// A window's device context for the length of one measurement or drawing:
// of its client area, or of the whole window, its border included.
class WindowDC {
public:
    enum class Area { client, whole };
    explicit WindowDC(HWND window, Area area = Area::client)
        : window_(window), dc_(area == Area::whole ? GetWindowDC(window) : GetDC(window)) {}
    ~WindowDC() {
        if (dc_ != nullptr) ReleaseDC(window_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;

    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// An object selected into a DC, deselected when the scope ends.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~Selection() { SelectObject(dc_, previous_); }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace runtime::win32
