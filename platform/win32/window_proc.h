// The one trampoline of every window procedure of the program, and the checks of window-class
// registration and window creation. No exception leaves a window procedure (it would unwind
// through the system's code), but none is swallowed silently either: what the trampoline caught,
// and every window or class the system refused, is reported to the debugger output and to a
// hook that the tests under Wine set, so that such a failure fails them.
#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <string>
#include <utility>

namespace platform::win32 {

// Receives each report; empty by default (the debugger output still gets it).
inline std::function<void(const std::string& report)>& FailureHook() {
    static std::function<void(const std::string&)> hook;
    return hook;
}

// Reports a failure of the window layer. Never throws.
inline void ReportFailure(const std::string& report) noexcept {
    try {
        const std::string line = "Orvane Notes: " + report + "\n";
        OutputDebugStringA(line.c_str());
        if (auto& hook = FailureHook()) hook(report);
    } catch (...) {
        OutputDebugStringA("Orvane Notes: a failure could not be reported\n");
    }
}

// Runs `handler` (returning an LRESULT) for window procedure `where`; when it throws, reports
// what it caught and returns `fallback()` instead, which must not throw either.
template <typename Handler, typename Fallback>
LRESULT Guarded(const char* where, UINT message, Handler&& handler, Fallback&& fallback) noexcept {
    try {
        return std::forward<Handler>(handler)();
    } catch (const std::exception& e) {
        ReportFailure(std::string(where) + ", message " + std::to_string(message) + ": " + e.what());
    } catch (...) {
        ReportFailure(std::string(where) + ", message " + std::to_string(message) + ": unknown exception");
    }
    try {
        return std::forward<Fallback>(fallback)();
    } catch (...) {
        ReportFailure(std::string(where) + ": the fallback failed too");
        return 0;
    }
}

// Registers a window class; a refusal is reported (a class already registered by this process
// is not a refusal). True when the class can be used.
inline bool RegisterClassChecked(const WNDCLASSEXA& type) noexcept {
    if (RegisterClassExA(&type) != 0) return true;
    const DWORD error = GetLastError();
    if (error == ERROR_CLASS_ALREADY_EXISTS) return true;
    ReportFailure(std::string("window class ") + (type.lpszClassName ? type.lpszClassName : "?") +
                  " could not be registered (error " + std::to_string(error) + ")");
    return false;
}

// CreateWindowExA that reports a window the system did not make, naming `what`.
inline HWND CreateWindowChecked(const char* what, DWORD exStyle, const char* windowClass, const char* title,
                                DWORD style, int x, int y, int w, int h, HWND parent, HINSTANCE instance,
                                void* param) noexcept {
    HWND window = CreateWindowExA(exStyle, windowClass, title, style, x, y, w, h, parent, nullptr, instance, param);
    if (!window) {
        const DWORD error = GetLastError();
        ReportFailure(std::string("the window of ") + what + " (class " + windowClass + ") could not be made (error " +
                      std::to_string(error) + ")");
    }
    return window;
}

}  // namespace platform::win32
