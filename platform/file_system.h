// The operating system's files, as the few primitives the data-file routines are built on.
// Paths are Windows paths in the ANSI code page ("C:\Prog\NotesDat\Names"); contents are bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// The outcome of a file operation: ok, or the system's description of what went wrong. A caller
// that lets one go says why beside the call.
struct [[nodiscard]] Status {
    bool ok = true;
    std::string error;

    static Status success() { return {}; }
    static Status failure(std::string why) { return {false, std::move(why)}; }
    explicit operator bool() const { return ok; }
};

enum class EntryKind {
    None,        // nothing of that name
    File,        // an ordinary file (a link to a file too: removing it removes the link)
    HiddenFile,  // a file marked hidden or system
    Folder,
    // A junction or a symbolic link to a folder: what lies behind it belongs elsewhere. Removing
    // it as a folder removes the link, never its target. (A cloud client's placeholder folder,
    // a reparse point too, holds its own files and is a Folder.)
    LinkedFolder,
};

// One name directly inside a folder, and what it is.
struct FolderEntry {
    std::string name;
    EntryKind kind = EntryKind::None;
};

// What tells one version of a file from another without reading it: its size and when it was
// last written.
struct FileStamp {
    std::uint64_t size = 0;
    std::uint64_t lastWrite = 0;
    bool operator==(const FileStamp&) const = default;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // The whole content of a file; nullopt with `why` filled when it cannot be read.
    virtual std::optional<std::string> readFile(const std::string& path, std::string* why = nullptr) = 0;

    // Creates or empties `path`, writes `bytes`, flushes them to the disk and closes the file.
    // On failure the file may hold part of the bytes: callers write to a scratch name first.
    virtual Status writeNewFile(const std::string& path, const std::string& bytes) = 0;

    // Renames `from` to `to`, replacing `to` when it exists, in one step.
    virtual Status moveReplacing(const std::string& from, const std::string& to) = 0;

    virtual Status removeFile(const std::string& path) = 0;
    virtual Status createFolder(const std::string& path) = 0;
    virtual EntryKind entry(const std::string& path) = 0;
    // The stamp of a file (a hidden one too); nullopt when no file has that name.
    virtual std::optional<FileStamp> stamp(const std::string& path) = 0;

    // Names (not paths) of the files directly inside `folder`.
    virtual std::vector<std::string> listFiles(const std::string& folder) = 0;
    // Names (not paths) of the folders directly inside `folder`; a linked folder is not one of them.
    virtual std::vector<std::string> listFolders(const std::string& folder) = 0;
    // Everything directly inside `folder` with its kind, linked folders told apart from folders.
    virtual std::vector<FolderEntry> listEntries(const std::string& folder) = 0;

    // Gives a folder, with everything in it, a name that nothing has yet, in one step.
    virtual Status renameFolder(const std::string& from, const std::string& to) = 0;
    // Removes an empty folder, or a linked folder itself (what it leads to stays as it is).
    // Removing whole trees is RemoveTree's job (platform/file_removal.h), and only its.
    virtual Status removeFolder(const std::string& path) = 0;
};

}  // namespace platform
