// Window tests skip themselves where no display can take a window.
#pragma once

#include <windows.h>

inline bool CanMakeWindows() {
    HWND probe = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    if (!probe) return false;
    DestroyWindow(probe);
    return true;
}
