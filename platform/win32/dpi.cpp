#include "platform/win32/dpi.h"

#include "platform/form.h"
#include "platform/win32/handles.h"

namespace platform::win32 {

namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);

// Looked up once: the function is in user32 from Windows 10 (1607) on, and the program starts on
// older systems too.
GetDpiForWindowFunction GetDpiForWindowIfAny() {
    static const auto found = [] {
        HMODULE user32 = GetModuleHandleA("user32.dll");
        FARPROC address = user32 ? GetProcAddress(user32, "GetDpiForWindow") : nullptr;
        return reinterpret_cast<GetDpiForWindowFunction>(reinterpret_cast<void*>(address));
    }();
    return found;
}

}  // namespace

int SystemDpi() {
    WindowDc screen(nullptr);
    const int dpi = screen.get() ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
    return dpi > 0 ? dpi : Form::kDefaultDpi;
}

int WindowDpi(HWND window) {
    const GetDpiForWindowFunction dpiForWindow = GetDpiForWindowIfAny();
    const UINT dpi = dpiForWindow && window ? dpiForWindow(window) : 0;
    return dpi > 0 ? static_cast<int>(dpi) : SystemDpi();
}

}  // namespace platform::win32
