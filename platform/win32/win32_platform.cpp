#include "platform/win32/win32_platform.h"

#include <commctrl.h>
#include <mmsystem.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>

#include "platform/win32/dpi.h"
#include "platform/win32/file_dialogs.h"
#include "platform/win32/input.h"
#include "platform/win32/input_box.h"
#include "platform/win32/process.h"
#include "platform/win32/win32_form.h"
#include "platform/win32/win32_shortcut.h"
#include "platform/win32/window_proc.h"

namespace platform::win32 {

namespace {

constexpr char kApplicationClass[] = "OrvaneNotesApplication";
constexpr char kInstanceMutex[] = "OrvaneNotes.Instance.5D2B7C1E";
// Brings the latest form forward once the activation of the application window has settled.
constexpr UINT kBringFormForward = WM_APP + 1;

HINSTANCE ThisModule() {
    return GetModuleHandleA(nullptr);
}

int ScreenPixelsPerInch(int axis) {
    WindowDc screen(nullptr);
    const int dpi = screen.get() ? GetDeviceCaps(screen.get(), axis) : Form::kDefaultDpi;
    return dpi > 0 ? dpi : Form::kDefaultDpi;
}

UINT IconStyle(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Question:
            return MB_ICONQUESTION;
        case MessageIcon::Stop:
            return MB_ICONSTOP;
        case MessageIcon::Information:
            return MB_ICONINFORMATION;
        case MessageIcon::None:
            break;
    }
    return 0;
}

// Called back by the system: nothing may unwind through it.
BOOL CALLBACK CollectMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM into) noexcept {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoA(monitor, &info)) return TRUE;
    const RECT& work = info.rcWork;
    try {
        reinterpret_cast<std::vector<Rect>*>(into)->push_back(
            Rect{work.left, work.top, work.right - work.left, work.bottom - work.top});
    } catch (...) {
        ReportFailure("a monitor could not be listed");
        return FALSE;
    }
    return TRUE;
}

}  // namespace

Win32Platform::ComScope::ComScope()
    : initialised(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}

Win32Platform::ComScope::~ComScope() {
    if (initialised) CoUninitialize();
}

Win32Platform::Win32Platform(const std::string& applicationTitle) : systemDpi_(SystemDpi()), tray_(ThisModule()) {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_WIN95_CLASSES;
    InitCommonControlsEx(&controls);
    Win32FormPeer::RegisterClasses(ThisModule());

    WNDCLASSEXA application{};
    application.cbSize = sizeof application;
    application.lpfnWndProc = ApplicationProc;
    application.hInstance = ThisModule();
    application.hIcon = LoadIconA(ThisModule(), MAKEINTRESOURCEA(1));
    application.lpszClassName = kApplicationClass;
    RegisterClassChecked(application);
    // Like a classic program's hidden main window: it carries the program's title, so that
    // activating that title brings the program's windows forward.
    applicationWindow_.reset(CreateWindowChecked("the application", WS_EX_TOOLWINDOW, kApplicationClass,
                                                 applicationTitle.c_str(), WS_POPUP, 0, 0, 0, 0, nullptr, ThisModule(),
                                                 nullptr));
    if (applicationWindow_) {
        SetWindowLongPtrA(applicationWindow_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
}

Win32Platform::~Win32Platform() {
    if (applicationWindow_) SetWindowLongPtrA(applicationWindow_.get(), GWLP_USERDATA, 0);
}

int Win32Platform::runMessageLoop() {
    MSG message{};
    for (;;) {
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0 || got == -1) break;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

// ---- start-up facts ---------------------------------------------------------------------------

std::string Win32Platform::programPath() {
    return ProgramPath();
}

std::string Win32Platform::programFolder() {
    return ProgramFolder();
}

bool Win32Platform::anotherInstanceRunning() {
    if (!anotherInstance_) {
        // Held until the process ends; a second process finds it already there.
        instanceMutex_.reset(CreateMutexA(nullptr, FALSE, kInstanceMutex));
        anotherInstance_ = instanceMutex_ && GetLastError() == ERROR_ALREADY_EXISTS;
    }
    return *anotherInstance_;
}

// ---- windows ----------------------------------------------------------------------------------

std::unique_ptr<Form> Win32Platform::createForm(const std::string& name, const std::string& title) {
    auto form = std::make_unique<Form>(name, title);
    form->attach(std::make_unique<Win32FormPeer>(*this, *form));
    return form;
}

void Win32Platform::doEvents() {
    MSG message{};
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));  // for the main loop
            return;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

bool Win32Platform::activateWindow(const std::string& title) {
    HWND found = FindWindowA(nullptr, title.c_str());
    if (!found) return false;
    if (found == applicationWindow_.get()) {
        bringLatestFormForward();
    } else {
        SetForegroundWindow(found);
    }
    return true;
}

void Win32Platform::quit() {
    PostQuitMessage(0);
}

ScreenInfo Win32Platform::screen() {
    ScreenInfo info;
    info.width = GetSystemMetrics(SM_CXSCREEN);
    info.height = GetSystemMetrics(SM_CYSCREEN);
    info.twipsPerPixelX = 1440.0 / ScreenPixelsPerInch(LOGPIXELSX);
    info.twipsPerPixelY = 1440.0 / ScreenPixelsPerInch(LOGPIXELSY);
    EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&info.monitors));
    if (info.monitors.empty()) {
        RECT work{};
        if (SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0)) {
            info.monitors.push_back(Rect{work.left, work.top, work.right - work.left, work.bottom - work.top});
        }
    }
    return info;
}

void Win32Platform::formShown(Win32FormPeer* form) {
    formGone(form);
    shownOrder_.push_back(form);
}

void Win32Platform::formGone(Win32FormPeer* form) {
    shownOrder_.erase(std::remove(shownOrder_.begin(), shownOrder_.end(), form), shownOrder_.end());
}

void Win32Platform::bringLatestFormForward() {
    for (auto it = shownOrder_.rbegin(); it != shownOrder_.rend(); ++it) {
        HWND window = (*it)->window();
        if (window && IsWindowVisible(window)) {
            SetForegroundWindow(window);
            return;
        }
    }
}

HWND Win32Platform::menuOwner() const {
    HWND active = GetActiveWindow();
    if (active && IsWindowVisible(active)) return active;
    for (auto it = shownOrder_.rbegin(); it != shownOrder_.rend(); ++it) {
        HWND window = (*it)->window();
        if (window && IsWindowVisible(window)) return window;
    }
    return tray_.window();
}

LRESULT CALLBACK Win32Platform::ApplicationProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return Guarded(
        "application window", message,
        [&]() -> LRESULT {
            auto* platform = reinterpret_cast<Win32Platform*>(GetWindowLongPtrA(window, GWLP_USERDATA));
            if (!platform) return DefWindowProcA(window, message, wParam, lParam);
            return platform->handleApplication(message, wParam, lParam);
        },
        [&]() -> LRESULT { return DefWindowProcA(window, message, wParam, lParam); });
}

LRESULT Win32Platform::handleApplication(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND window = applicationWindow_.get();
    switch (message) {
        case WM_ACTIVATE:
            // Someone activated the program by its title: show its latest window instead.
            if (LOWORD(wParam) != WA_INACTIVE) PostMessageA(window, kBringFormForward, 0, 0);
            return 0;
        case kBringFormForward:
            bringLatestFormForward();
            return 0;
        case WM_POWERBROADCAST:
            // Sent once after every wake-up, whether a user is there or not.
            if (wParam == PBT_APMRESUMEAUTOMATIC) onResume.fire();
            return TRUE;
        case WM_TIMECHANGE:
            onClockChanged.fire();
            return 0;
        case WM_DISPLAYCHANGE:
            onDisplayChanged.fire();
            return 0;
        case WM_SETTINGCHANGE:
            // A taskbar moved, grown or hidden changes the work areas the windows must stay on.
            if (wParam == SPI_SETWORKAREA) onDisplayChanged.fire();
            break;
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            if (wParam && !sessionEnded_) {
                sessionEnded_ = true;
                if (onSessionEnd) {
                    auto end = onSessionEnd;
                    end();
                }
                PostQuitMessage(0);
            }
            return 0;
        default:
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// ---- modal questions --------------------------------------------------------------------------

namespace {

// A message or input box belongs to the form that asked: that form owns it (the system disables
// it and activates it again when the box closes), every other shown window of the program takes
// no input while the box is open, so that a question cannot be asked a second time on top of
// itself, and the keyboard focus returns to where it was.
class ModalScope {
public:
    explicit ModalScope(HWND owner) : owner_(owner), focus_(GetFocus()) {
        EnumThreadWindows(GetCurrentThreadId(), DisableOne, reinterpret_cast<LPARAM>(this));
    }
    ~ModalScope() {
        for (HWND window : disabled_) {
            if (IsWindow(window)) EnableWindow(window, TRUE);
        }
        if (owner_ && IsWindow(owner_) && IsWindowVisible(owner_) && GetActiveWindow() != owner_) {
            SetActiveWindow(owner_);
        }
        if (focus_ && IsWindow(focus_) && IsWindowVisible(focus_) && IsWindowEnabled(focus_)) SetFocus(focus_);
    }
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

    HWND owner() const { return owner_; }
    // Without an owner the box disables the program's windows itself (task-modal).
    UINT modality() const { return owner_ ? MB_APPLMODAL : MB_TASKMODAL; }

private:
    static BOOL CALLBACK DisableOne(HWND window, LPARAM self) noexcept {
        auto* scope = reinterpret_cast<ModalScope*>(self);
        if (window == scope->owner_ || !IsWindowVisible(window) || !IsWindowEnabled(window)) return TRUE;
        try {
            scope->disabled_.push_back(window);
        } catch (...) {
            ReportFailure("a window could not be disabled for a message box");
            return FALSE;
        }
        EnableWindow(window, FALSE);
        return TRUE;
    }

    HWND owner_;
    HWND focus_;
    std::vector<HWND> disabled_;
};

}  // namespace

HWND Win32Platform::askingForm() const {
    HWND active = GetActiveWindow();
    if (!active || !IsWindowVisible(active)) return nullptr;
    for (const Win32FormPeer* form : shownOrder_) {
        if (form->window() == active) return active;
    }
    return nullptr;
}

bool Win32Platform::askYesNo(const std::string& title, const std::string& text, MessageIcon icon) {
    ModalScope modal(askingForm());
    return MessageBoxA(modal.owner(), text.c_str(), title.c_str(),
                       MB_YESNO | IconStyle(icon) | MB_SETFOREGROUND | modal.modality()) == IDYES;
}

void Win32Platform::showMessage(const std::string& title, const std::string& text, MessageIcon icon) {
    ModalScope modal(askingForm());
    MessageBoxA(modal.owner(), text.c_str(), title.c_str(),
                MB_OK | IconStyle(icon) | MB_SETFOREGROUND | modal.modality());
}

std::optional<std::string> Win32Platform::inputBox(const std::string& prompt, const std::string& title,
                                                   const std::string& initial, int x, int y) {
    ModalScope modal(askingForm());
    return RunInputBox(modal.owner(), prompt, title, initial, x, y);
}

std::optional<std::string> Win32Platform::chooseSaveFile(const FileChoice& choice) {
    ModalScope modal(askingForm());
    return RunSaveFileDialog(modal.owner(), choice);
}

std::optional<std::string> Win32Platform::chooseOpenFile(const FileChoice& choice) {
    ModalScope modal(askingForm());
    return RunOpenFileDialog(modal.owner(), choice);
}

std::optional<std::string> Win32Platform::chooseFolder(const std::string& title) {
    ModalScope modal(askingForm());
    return RunFolderDialog(modal.owner(), title);
}

int Win32Platform::popupMenu(const std::vector<MenuItem>& items, int x, int y) {
    UniqueMenu menu(CreatePopupMenu());
    if (!menu) return -1;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].caption == "-") {
            AppendMenuA(menu.get(), MF_SEPARATOR, 0, nullptr);
        } else {
            AppendMenuA(menu.get(), MF_STRING, i + 1, items[i].caption.c_str());
        }
    }
    // A menu closes properly on a click elsewhere only when its owner is the foreground window.
    HWND owner = menuOwner();
    SetForegroundWindow(owner);
    const BOOL chosen =
        TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, x, y,
                       0, owner, nullptr);
    PostMessageA(owner, WM_NULL, 0, 0);
    return chosen > 0 ? chosen - 1 : -1;
}

// ---- services ---------------------------------------------------------------------------------

DateTime Win32Platform::utcNow() {
    return UtcNow();
}

DateTime Win32Platform::now() {
    SYSTEMTIME local{};
    GetLocalTime(&local);
    return DateTime{local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond};
}

void Win32Platform::playSound(const std::string& wavPath) {
    PlaySoundA(wavPath.c_str(), nullptr, SND_FILENAME | SND_NODEFAULT | SND_ASYNC);
}

void Win32Platform::shellOpen(const std::string& target, const std::string& workingFolder) {
    ShellExecuteA(nullptr, "Open", target.c_str(), nullptr, workingFolder.empty() ? nullptr : workingFolder.c_str(),
                  SW_SHOWNORMAL);
}

std::string Win32Platform::specialFolder(int csidl) {
    LPITEMIDLIST list = nullptr;
    if (SHGetSpecialFolderLocation(nullptr, csidl, &list) != S_OK || !list) return {};
    std::unique_ptr<ITEMIDLIST, TaskMemFreer> owned(list);
    char path[MAX_PATH] = {};
    if (!SHGetPathFromIDListA(list, path)) return {};
    return std::string(path);
}

bool Win32Platform::driveIsRemovable(const std::string& path) {
    // A drive letter's root; a network path (\\server\share) is never a removable drive.
    if (path.size() < 2 || path[1] != ':') return false;
    const std::string root = path.substr(0, 2) + "\\";
    return GetDriveTypeA(root.c_str()) == DRIVE_REMOVABLE;
}

std::optional<std::string> Win32Platform::readShortcut(const std::string& path) {
    return ReadShortcut(path);
}

Status Win32Platform::writeShortcut(const std::string& path, const std::string& target,
                                    const std::string& workingFolder) {
    return WriteShortcut(path, target, workingFolder);
}

}  // namespace platform::win32
