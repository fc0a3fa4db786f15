// The DPI of the system and of a window's monitor. The program declares itself aware of each
// monitor's DPI (v2) in its manifest; on a Windows older than 10 (1607), or where the manifest is
// not read, it runs at the system's DPI and every window has that.
#pragma once

#include <windows.h>

namespace platform::win32 {

// Not in older headers: sent to a top-level window that reached a monitor of another DPI, with
// the new DPI in the low word of wParam and the suggested window rectangle at lParam.
inline constexpr UINT kDpiChangedMessage = 0x02E0;

// The DPI the system scales for (the primary monitor's when the user signed in).
int SystemDpi();

// The DPI of the monitor the window is on, as the system reports it for this program: the
// system's DPI where the system has no such function (GetDpiForWindow, Windows 10 1607).
int WindowDpi(HWND window);

}  // namespace platform::win32
