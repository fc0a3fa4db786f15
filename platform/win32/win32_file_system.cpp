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

// A folder that is a junction or a symbolic link (a reparse point whose tag names another place)
// leads elsewhere, and so does one whose tag the system does not give (Wine's links). A folder
// that is a reparse point of another kind (a cloud client's placeholder) holds its own files. A
// file that is a reparse point (a link, a placeholder) is still removed as itself: a file.
EntryKind KindOf(const WIN32_FIND_DATAA& found) {
    const DWORD attributes = found.dwFileAttributes;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) return EntryKind::Folder;
        const DWORD tag = found.dwReserved0;
        return tag != 0 && !IsReparseTagNameSurrogate(tag) ? EntryKind::Folder : EntryKind::LinkedFolder;
    }
    if (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) return EntryKind::HiddenFile;
    return EntryKind::File;
}

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
    return KindOf(found);
}

std::optional<FileStamp> Win32FileSystem::stamp(const std::string& path) {
    if (path.empty() || path.find_first_of("*?") != std::string::npos) return std::nullopt;
    WIN32_FIND_DATAA found{};
    UniqueFindHandle search = AdoptFindHandle(FindFirstFileA(path.c_str(), &found));
    if (!search || (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return std::nullopt;
    const auto wide = [](DWORD high, DWORD low) { return (static_cast<std::uint64_t>(high) << 32) | low; };
    return FileStamp{wide(found.nFileSizeHigh, found.nFileSizeLow),
                     wide(found.ftLastWriteTime.dwHighDateTime, found.ftLastWriteTime.dwLowDateTime)};
}

namespace {

// Everything directly inside `folder`.
std::vector<FolderEntry> ListEntries(const std::string& folder) {
    std::vector<FolderEntry> entries;
    std::string pattern = folder;
    if (!pattern.empty() && pattern.back() != '\\') pattern += '\\';
    pattern += '*';
    WIN32_FIND_DATAA found{};
    UniqueFindHandle search = AdoptFindHandle(FindFirstFileA(pattern.c_str(), &found));
    if (!search) return entries;
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        entries.push_back({name, KindOf(found)});
    } while (FindNextFileA(search.get(), &found));
    return entries;
}

std::vector<std::string> NamesOf(const std::vector<FolderEntry>& entries, bool (*wanted)(EntryKind)) {
    std::vector<std::string> names;
    for (const auto& entry : entries) {
        if (wanted(entry.kind)) names.push_back(entry.name);
    }
    return names;
}

}  // namespace

std::vector<std::string> Win32FileSystem::listFiles(const std::string& folder) {
    return NamesOf(ListEntries(folder),
                   [](EntryKind kind) { return kind == EntryKind::File || kind == EntryKind::HiddenFile; });
}

// A linked folder is not listed: a caller that empties the folders it lists must never reach
// what lies behind it.
std::vector<std::string> Win32FileSystem::listFolders(const std::string& folder) {
    return NamesOf(ListEntries(folder), [](EntryKind kind) { return kind == EntryKind::Folder; });
}

std::vector<FolderEntry> Win32FileSystem::listEntries(const std::string& folder) {
    return ListEntries(folder);
}

Status Win32FileSystem::renameFolder(const std::string& from, const std::string& to) {
    // Without MOVEFILE_REPLACE_EXISTING: a name that is taken is an error, never merged into.
    if (!MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH)) return LastError();
    return Status::success();
}

namespace {

// Removes the link at `path` through a handle to the link itself. Some systems (Wine among them)
// open what a link leads to even when asked for the link, and removing through such a handle, or
// by the path, would remove the target: then the link is left where it is.
Status RemoveLinkItself(const std::string& path) {
    UniqueHandle link = AdoptFileHandle(
        CreateFileA(path.c_str(), DELETE | FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!link) return LastError();
    BY_HANDLE_FILE_INFORMATION opened{};
    if (!GetFileInformationByHandle(link.get(), &opened)) return LastError();
    if ((opened.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
        return Status::failure("The link could not be opened as itself, so it was left where it is.");
    }
    FILE_DISPOSITION_INFO dispose{TRUE};
    if (!SetFileInformationByHandle(link.get(), FileDispositionInfo, &dispose, sizeof dispose)) return LastError();
    return Status::success();  // gone as the handle closes
}

}  // namespace

Status Win32FileSystem::removeFolder(const std::string& path) {
    if (entry(path) == EntryKind::LinkedFolder) return RemoveLinkItself(path);
    if (!RemoveDirectoryA(path.c_str())) return LastError();
    return Status::success();
}

}  // namespace platform::win32
