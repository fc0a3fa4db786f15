#include "platform/win32/win32_shortcut.h"

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>
#include <windows.h>

#include "platform/win32/handles.h"
#include "platform/win32/win32_file_system.h"

namespace platform::win32 {

namespace {

// The program's paths are in the ANSI code page; the shell link speaks UTF-16.
std::wstring Wide(const std::string& text) {
    if (text.empty()) return {};
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0) MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

std::string Narrow(const wchar_t* text) {
    const int length = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 1) return {};
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, narrow.data(), length, nullptr, nullptr);
    narrow.resize(static_cast<std::size_t>(length - 1));
    return narrow;
}

Status Failed(HRESULT result) {
    return Status::failure(SystemErrorText(static_cast<unsigned long>(result)));
}

struct ShellLink {
    UniqueCom<IShellLinkW> link;
    UniqueCom<IPersistFile> file;
    HRESULT result = S_OK;
};

ShellLink MakeShellLink() {
    ShellLink made;
    IShellLinkW* link = nullptr;
    made.result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link));
    if (FAILED(made.result)) return made;
    made.link.reset(link);
    IPersistFile* file = nullptr;
    made.result = link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
    if (SUCCEEDED(made.result)) made.file.reset(file);
    return made;
}

}  // namespace

std::optional<std::string> ReadShortcut(const std::string& path) {
    // Load would read whatever is there; a folder or a missing name is no shortcut.
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return std::nullopt;
    const ShellLink shell = MakeShellLink();
    if (!shell.file) return std::nullopt;
    if (FAILED(shell.file->Load(Wide(path).c_str(), STGM_READ))) return std::nullopt;
    wchar_t target[MAX_PATH] = {};
    // Raw: the path as written, not one the shell resolves (and would search the disks for).
    if (FAILED(shell.link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH))) return std::nullopt;
    return Narrow(target);
}

Status WriteShortcut(const std::string& path, const std::string& target, const std::string& workingFolder) {
    const ShellLink shell = MakeShellLink();
    if (!shell.file) return Failed(shell.result);
    if (const HRESULT set = shell.link->SetPath(Wide(target).c_str()); FAILED(set)) return Failed(set);
    if (const HRESULT set = shell.link->SetWorkingDirectory(Wide(workingFolder).c_str()); FAILED(set)) {
        return Failed(set);
    }
    if (const HRESULT saved = shell.file->Save(Wide(path).c_str(), TRUE); FAILED(saved)) return Failed(saved);
    return Status::success();
}

}  // namespace platform::win32
