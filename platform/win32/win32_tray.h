// The notification-area icon, kept by a hidden window of its own that receives the icon's mouse
// messages. The icon comes back by itself when the shell restarts, and an icon the shell refused
// (it may not be ready yet right after logon) is offered again every two seconds.
#pragma once

#include <windows.h>

#include <array>

#include "platform/platform.h"
#include "platform/win32/handles.h"

namespace platform::win32 {

class Win32Tray : public Tray {
public:
    explicit Win32Tray(HINSTANCE instance);
    ~Win32Tray() override;
    Win32Tray(const Win32Tray&) = delete;
    Win32Tray& operator=(const Win32Tray&) = delete;

    bool add(const Picture& icon, const std::string& tip) override;
    bool remove() override;

    // A hidden top-level window of the program, usable as the owner of pop-up menus.
    HWND window() const { return window_.get(); }

private:
    static LRESULT CALLBACK TrayProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    bool offerIcon();
    void deleteIcon();

    UniqueWindow window_;
    UniqueIcon icon_;  // must live while the shell shows it
    std::array<char, 64> tip_{};
    bool wanted_ = false;  // add() was called and remove() not since
    bool shown_ = false;   // the shell accepted the icon
    UINT taskbarCreated_ = 0;
};

}  // namespace platform::win32
