// Owning wrappers for the Win32 handles the backend keeps: each handle is released exactly once,
// by the function that belongs to its kind, when its owner goes away.
#pragma once

#include <objbase.h>
#include <windows.h>

#include <memory>
#include <type_traits>

namespace platform::win32 {

struct KernelHandleCloser {
    void operator()(HANDLE handle) const noexcept { CloseHandle(handle); }
};
struct FindHandleCloser {
    void operator()(HANDLE handle) const noexcept { FindClose(handle); }
};
struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const noexcept { DeleteObject(object); }
};
struct IconDestroyer {
    void operator()(HICON icon) const noexcept { DestroyIcon(icon); }
};
struct MemoryDcDeleter {
    void operator()(HDC dc) const noexcept { DeleteDC(dc); }
};
struct MenuDestroyer {
    void operator()(HMENU menu) const noexcept { DestroyMenu(menu); }
};
struct WindowDestroyer {
    void operator()(HWND window) const noexcept { DestroyWindow(window); }
};
struct TaskMemFreer {
    void operator()(void* memory) const noexcept { CoTaskMemFree(memory); }
};

struct ComReleaser {
    void operator()(IUnknown* object) const noexcept { object->Release(); }
};

template <typename Handle, typename Releaser>
using Unique = std::unique_ptr<std::remove_pointer_t<Handle>, Releaser>;

using UniqueHandle = Unique<HANDLE, KernelHandleCloser>;
using UniqueFindHandle = Unique<HANDLE, FindHandleCloser>;
using UniqueFont = Unique<HFONT, GdiObjectDeleter>;
using UniqueBrush = Unique<HBRUSH, GdiObjectDeleter>;
using UniquePen = Unique<HPEN, GdiObjectDeleter>;
using UniqueBitmap = Unique<HBITMAP, GdiObjectDeleter>;
using UniqueIcon = Unique<HICON, IconDestroyer>;
using UniqueMemoryDc = Unique<HDC, MemoryDcDeleter>;
using UniqueMenu = Unique<HMENU, MenuDestroyer>;
using UniqueWindow = Unique<HWND, WindowDestroyer>;
// A COM interface pointer the backend holds one reference to.
template <typename Interface>
using UniqueCom = std::unique_ptr<Interface, ComReleaser>;

// File and find functions report failure as INVALID_HANDLE_VALUE, which must not be closed.
inline UniqueHandle AdoptFileHandle(HANDLE handle) {
    return UniqueHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}
inline UniqueFindHandle AdoptFindHandle(HANDLE handle) {
    return UniqueFindHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

// A device context borrowed from a window (GetDC), given back on scope exit.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// BeginPaint/EndPaint as a scope.
class PaintScope {
public:
    explicit PaintScope(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
    ~PaintScope() { EndPaint(window_, &paint_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    HDC dc() const { return dc_; }
    const RECT& area() const { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// An object selected into a device context, deselected again on scope exit.
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

}  // namespace platform::win32
