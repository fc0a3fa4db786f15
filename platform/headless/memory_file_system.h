// Files kept in memory, with faults that a test can inject: failing writes, flushes, renames,
// a full disk, read-only folders, unreadable files; and links that lead elsewhere, followed the
// way Windows follows them, so that a test sees whether code walks through one.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace platform::headless {

class MemoryFileSystem : public FileSystem {
public:
    enum class Op { Read, Write, Flush, Move, Remove, CreateFolder, RenameFolder, RemoveFolder };

    std::optional<std::string> readFile(const std::string& path, std::string* why) override;
    Status writeNewFile(const std::string& path, const std::string& bytes) override;
    Status moveReplacing(const std::string& from, const std::string& to) override;
    Status removeFile(const std::string& path) override;
    Status createFolder(const std::string& path) override;
    EntryKind entry(const std::string& path) override;
    // The size, and the number of the write that last made the file, as its last-write time.
    std::optional<FileStamp> stamp(const std::string& path) override;
    std::vector<std::string> listFiles(const std::string& folder) override;
    std::vector<std::string> listFolders(const std::string& folder) override;
    std::vector<FolderEntry> listEntries(const std::string& folder) override;
    Status renameFolder(const std::string& from, const std::string& to) override;
    Status removeFolder(const std::string& path) override;

    // Set-up and inspection.
    void putFile(const std::string& path, const std::string& bytes, bool hidden = false);
    void putFolder(const std::string& path);
    // A symbolic link at `path` to `target` (a folder or a file, there or not). Paths through it
    // reach the target; removing it as a folder (or a file link as a file) removes the link.
    void putLink(const std::string& path, const std::string& target);
    bool hasLink(const std::string& path) const { return links_.count(path) != 0; }
    std::optional<std::string> file(const std::string& path) const;
    bool hasFolder(const std::string& path) const { return folders_.count(path) != 0; }
    // Every file path, sorted.
    std::vector<std::string> paths() const;

    // Faults. The next `count` operations of kind `op` fail. A failing Write leaves half of the
    // bytes in the file; a failing Flush leaves all of them (but reports the failure).
    void failNext(Op op, int count = 1) { faults_[op] += count; }
    // Writes that would make the folder's files bigger than `bytes` in all fail (disk full).
    void setCapacity(std::optional<std::size_t> bytes) { capacity_ = bytes; }
    // Nothing can be created, written, renamed or removed inside `folder`.
    void setReadOnly(const std::string& folder, bool readOnly = true);
    void setUnreadable(const std::string& path, bool unreadable = true);

    int writeCount() const { return writes_; }
    // How often `path` was written or had another file renamed onto it: a rewrite with the same
    // bytes counts too.
    int timesWritten(const std::string& path) const {
        auto it = writesTo_.find(path);
        return it == writesTo_.end() ? 0 : it->second;
    }

private:
    struct Entry {
        std::string bytes;
        bool hidden = false;
        std::uint64_t written = 0;
    };
    bool takeFault(Op op);
    // `path` with every link along it replaced by its target; the last name too when `followLast`.
    std::string resolve(const std::string& path, bool followLast = true, int depth = 0) const;
    EntryKind linkKind(const std::string& link) const;
    bool readOnly(const std::string& path) const;
    bool holdsAnything(const std::string& folder) const;
    std::size_t usedBytes() const;

    std::map<std::string, Entry> files_;
    std::uint64_t lastWrite_ = 0;
    std::set<std::string> folders_;
    std::map<std::string, std::string> links_;  // link path -> target path
    std::map<Op, int> faults_;
    std::set<std::string> readOnlyFolders_;
    std::set<std::string> unreadable_;
    std::optional<std::size_t> capacity_;
    int writes_ = 0;
    std::map<std::string, int> writesTo_;
};

// The folder part of a Windows path ("C:\A\b" -> "C:\A").
std::string ParentFolder(const std::string& path);

}  // namespace platform::headless
