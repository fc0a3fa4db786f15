#include "platform/win32/win32_tray.h"

#include <shellapi.h>

#include <algorithm>

#include "platform/win32/gdi.h"
#include "platform/win32/input.h"
#include "platform/win32/window_proc.h"

namespace platform::win32 {

namespace {

constexpr char kTrayClass[] = "OrvaneNotesTray";
constexpr UINT kIconId = 1;
// The icon's mouse messages arrive as this message, the message number in lParam.
constexpr UINT kCallbackMessage = WM_MOUSEMOVE;
constexpr UINT_PTR kRetryTimer = 1;
constexpr UINT kRetryMs = 2000;

}  // namespace

Win32Tray::Win32Tray(HINSTANCE instance) {
    WNDCLASSEXA type{};
    type.cbSize = sizeof type;
    type.lpfnWndProc = TrayProc;
    type.hInstance = instance;
    type.lpszClassName = kTrayClass;
    RegisterClassChecked(type);
    taskbarCreated_ = RegisterWindowMessageA("TaskbarCreated");
    // Top-level (not message-only): only top-level windows hear that the taskbar was re-created.
    window_.reset(CreateWindowChecked("the tray icon", WS_EX_TOOLWINDOW, kTrayClass, "", WS_POPUP, 0, 0, 0, 0, nullptr,
                                      instance, nullptr));
    if (window_) SetWindowLongPtrA(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Win32Tray::~Win32Tray() {
    if (shown_) deleteIcon();
    if (window_) SetWindowLongPtrA(window_.get(), GWLP_USERDATA, 0);
}

bool Win32Tray::add(const Picture& icon, const std::string& tip) {
    if (shown_) deleteIcon();
    tip_.fill('\0');
    std::copy_n(tip.begin(), std::min(tip.size(), tip_.size()), tip_.begin());
    tip_.back() = '\0';
    icon_ = IconFromPicture(icon);
    wanted_ = true;
    if (offerIcon()) return true;
    if (window_) SetTimer(window_.get(), kRetryTimer, kRetryMs, nullptr);
    return false;
}

bool Win32Tray::remove() {
    wanted_ = false;
    if (window_) KillTimer(window_.get(), kRetryTimer);
    const bool wasShown = shown_;
    if (shown_) deleteIcon();
    icon_.reset();
    return wasShown;
}

bool Win32Tray::offerIcon() {
    if (!window_) return false;
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = window_.get();
    data.uID = kIconId;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kCallbackMessage;
    data.hIcon = icon_.get();
    std::copy(tip_.begin(), tip_.end(), data.szTip);
    // A busy shell may time out and report failure yet add the icon: then it can be modified.
    shown_ = Shell_NotifyIconA(NIM_ADD, &data) != FALSE || Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
    return shown_;
}

void Win32Tray::deleteIcon() {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = window_.get();
    data.uID = kIconId;
    Shell_NotifyIconA(NIM_DELETE, &data);
    shown_ = false;
}

LRESULT CALLBACK Win32Tray::TrayProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return Guarded(
        "tray window", message,
        [&]() -> LRESULT {
            auto* tray = reinterpret_cast<Win32Tray*>(GetWindowLongPtrA(window, GWLP_USERDATA));
            if (!tray) return DefWindowProcA(window, message, wParam, lParam);
            return tray->handle(message, wParam, lParam);
        },
        [&]() -> LRESULT { return DefWindowProcA(window, message, wParam, lParam); });
}

LRESULT Win32Tray::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kCallbackMessage) {
        if (onMessage) {
            auto deliver = onMessage;
            deliver(static_cast<int>(lParam));
        }
        return 0;
    }
    if (message == WM_TIMER && wParam == kRetryTimer) {
        // Offering an icon that is already there would fail and forget that it is shown.
        if (!wanted_ || shown_ || offerIcon()) KillTimer(window_.get(), kRetryTimer);
        return 0;
    }
    if (taskbarCreated_ != 0 && message == taskbarCreated_) {
        // A new shell knows no icons: offer ours again if it is meant to be there.
        shown_ = false;
        if (wanted_ && !offerIcon()) SetTimer(window_.get(), kRetryTimer, kRetryMs, nullptr);
        return 0;
    }
    return DefWindowProcA(window_.get(), message, wParam, lParam);
}

}  // namespace platform::win32
