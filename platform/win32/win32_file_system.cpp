#include "platform/win32/win32_file_system.h"

#include <windows.h>

#include <algorithm>

#include "platform/win32/handles.h"

namespace platform::win32 {

namespace {

Status LastError() {
    return Status::failure(SystemErrorText(GetLastError()));
}

// Big files are read and written in pieces that a DWORD count can hold.
constexpr std::size_t kChunk = 1u << 30;

}  // namespace

std::string SystemErrorText(unsigned long code) {
    char* buffer = nullptr;
    const DWORD length =
        FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string text;
    if (length != 0 && buffer != nullptr) {
        text.assign(buffer, length);
        LocalFree(buffer);
    }
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ')) text.pop_back();
    if (text.empty()) text = "Error " + std::to_string(code);
    return text;
}

std::optional<std::string> Win32FileSystem::readFile(const std::string& path, std::string* why) {
    auto fail = [why]() -> std::optional<std::string> {
        if (why) *why = SystemErrorText(GetLastError());
        return std::nullopt;
    };
    UniqueHandle file = AdoptFileHandle(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return fail();
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) return fail();
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD want = static_cast<DWORD>(std::min(kChunk, bytes.size() - done));
        DWORD got = 0;
        if (!ReadFile(file.get(), bytes.data() + done, want, &got, nullptr)) return fail();
        if (got == 0) break;  // the file became shorter while it was read
        done += got;
    }
    bytes.resize(done);
    return bytes;
}

Status Win32FileSystem::writeNewFile(const std::string& path, const std::string& bytes) {
    UniqueHandle file = AdoptFileHandle(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return LastError();
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD want = static_cast<DWORD>(std::min(kChunk, bytes.size() - done));
        DWORD written = 0;
        if (!WriteFile(file.get(), bytes.data() + done, want, &written, nullptr)) return LastError();
        if (written == 0) return Status::failure(SystemErrorText(ERROR_DISK_FULL));
        done += written;
    }
    if (!FlushFileBuffers(file.get())) return LastError();
    // Closing can still report a failed delayed write.
    if (!CloseHandle(file.release())) return LastError();
    return Status::success();
}

Status Win32FileSystem::moveReplacing(const std::string& from, const std::string& to) {
    if (!MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return LastError();
    return Status::success();
}

Status Win32FileSystem::removeFile(const std::string& path) {
    if (!DeleteFileA(path.c_str())) return LastError();
    return Status::success();
}

Status Win32FileSystem::createFolder(const std::string& path) {
    if (!CreateDirectoryA(path.c_str(), nullptr)) return LastError();
    return Status::success();
}

EntryKind Win32FileSystem::entry(const std::string& path) {
    // A directory search for the exact name: wildcards would match other names.
    if (path.empty() || path.find_first_of("*?") != std::string::npos) return EntryKind::None;
    WIN32_FIND_DATAA found{};
    UniqueFindHandle search = AdoptFindHandle(FindFirstFileA(path.c_str(), &found));
    if (!search) return EntryKind::None;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return EntryKind::Folder;
    if (found.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) return EntryKind::HiddenFile;
    return EntryKind::File;
}

namespace {

// Names directly inside `folder` that are folders (`folders`) or files (not `folders`).
std::vector<std::string> ListEntries(const std::string& folder, bool folders) {
    std::vector<std::string> names;
    std::string pattern = folder;
    if (!pattern.empty() && pattern.back() != '\\') pattern += '\\';
    pattern += '*';
    WIN32_FIND_DATAA found{};
    UniqueFindHandle search = AdoptFindHandle(FindFirstFileA(pattern.c_str(), &found));
    if (!search) return names;
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        // A linked folder (junction, symbolic link) is not listed: what lies behind it belongs
        // elsewhere, and a caller that empties the folders it lists must never reach it.
        if (folders && (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) continue;
        if (((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) == folders) names.push_back(name);
    } while (FindNextFileA(search.get(), &found));
    return names;
}

}  // namespace

std::vector<std::string> Win32FileSystem::listFiles(const std::string& folder) {
    return ListEntries(folder, false);
}

std::vector<std::string> Win32FileSystem::listFolders(const std::string& folder) {
    return ListEntries(folder, true);
}

Status Win32FileSystem::renameFolder(const std::string& from, const std::string& to) {
    // Without MOVEFILE_REPLACE_EXISTING: a name that is taken is an error, never merged into.
    if (!MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH)) return LastError();
    return Status::success();
}

Status Win32FileSystem::removeFolder(const std::string& path) {
    if (!RemoveDirectoryA(path.c_str())) return LastError();
    return Status::success();
}

}  // namespace platform::win32
