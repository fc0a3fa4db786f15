#include "platform/win32/process.h"

#include <windows.h>
// After windows.h, which it builds on.
#include <shellapi.h>

#include "platform/win32/handles.h"

namespace platform::win32 {

namespace {

struct LocalFreer {
    void operator()(void* memory) const noexcept { LocalFree(memory); }
};

std::string Ansi(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return {};
    std::string ansi(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, ansi.data(), size, nullptr, nullptr);
    ansi.pop_back();  // the terminating NUL
    return ansi;
}

bool Usable(HANDLE handle) {
    return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

}  // namespace

std::string ProgramPath() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::string ProgramFolder() {
    const std::string path = ProgramPath();
    const std::size_t slash = path.find_last_of('\\');
    if (slash == std::string::npos) return {};
    // A drive's root keeps its backslash: "C:\".
    if (slash == 2 && path[1] == ':') return path.substr(0, 3);
    return path.substr(0, slash);
}

std::vector<std::string> CommandLineArguments() {
    int count = 0;
    // The wide command line splits by the system's own quoting rules; the names go to ANSI paths.
    const std::unique_ptr<LPWSTR, LocalFreer> arguments(CommandLineToArgvW(GetCommandLineW(), &count));
    std::vector<std::string> result;
    if (!arguments) return result;
    for (int i = 1; i < count; ++i) result.push_back(Ansi(arguments.get()[i]));
    return result;
}

DateTime UtcNow() {
    SYSTEMTIME utc{};
    GetSystemTime(&utc);
    return DateTime{utc.wYear, utc.wMonth, utc.wDay, utc.wHour, utc.wMinute, utc.wSecond};
}

void WriteConsoleLine(const std::string& line, bool failure) {
    const std::string text = line + "\r\n";
    DWORD written = 0;
    const HANDLE given = GetStdHandle(failure ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    if (Usable(given)) {
        WriteFile(given, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        return;
    }
    // A windowed program started from a console window gets no handles: it borrows that console.
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
    const HANDLE opened =
        CreateFileA("CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened != INVALID_HANDLE_VALUE) {
        const UniqueHandle console(opened);
        WriteFile(console.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    }
    FreeConsole();
}

}  // namespace platform::win32
