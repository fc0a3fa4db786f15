#include "platform/headless/memory_file_system.h"

namespace platform::headless {

std::string ParentFolder(const std::string& path) {
    const auto slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

namespace {

bool IsInside(const std::string& path, const std::string& folder) {
    return path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0 && path[folder.size()] == '\\';
}

}  // namespace

std::string MemoryFileSystem::resolve(const std::string& path, bool followLast, int depth) const {
    constexpr int kMostLinksInARow = 8;  // a loop of links leads nowhere
    if (links_.empty() || depth > kMostLinksInARow) return path;
    std::string resolved;
    for (std::size_t start = 0;;) {
        const std::size_t slash = path.find('\\', start);
        const bool last = slash == std::string::npos;
        resolved += (start == 0 ? "" : "\\") + path.substr(start, last ? std::string::npos : slash - start);
        if (!last || followLast) {
            auto link = links_.find(resolved);
            if (link != links_.end()) resolved = resolve(link->second, true, depth + 1);
        }
        if (last) return resolved;
        start = slash + 1;
    }
}

EntryKind MemoryFileSystem::linkKind(const std::string& link) const {
    const std::string target = resolve(link);
    auto file = files_.find(target);
    if (file == files_.end()) return EntryKind::LinkedFolder;  // a folder, or a link left dangling
    return file->second.hidden ? EntryKind::HiddenFile : EntryKind::File;
}

bool MemoryFileSystem::takeFault(Op op) {
    auto it = faults_.find(op);
    if (it == faults_.end() || it->second == 0) return false;
    --it->second;
    return true;
}

bool MemoryFileSystem::readOnly(const std::string& path) const {
    for (const auto& folder : readOnlyFolders_) {
        if (IsInside(path, folder)) return true;
    }
    return false;
}

bool MemoryFileSystem::holdsAnything(const std::string& folder) const {
    for (const auto& [path, entry] : files_) {
        if (IsInside(path, folder)) return true;
    }
    for (const auto& path : folders_) {
        if (IsInside(path, folder)) return true;
    }
    for (const auto& [path, target] : links_) {
        if (IsInside(path, folder)) return true;
    }
    return false;
}

std::size_t MemoryFileSystem::usedBytes() const {
    std::size_t total = 0;
    for (const auto& [path, entry] : files_) total += entry.bytes.size();
    return total;
}

std::optional<std::string> MemoryFileSystem::readFile(const std::string& asked, std::string* why) {
    const std::string path = resolve(asked);
    auto fail = [&](const char* text) -> std::optional<std::string> {
        if (why) *why = text;
        return std::nullopt;
    };
    if (takeFault(Op::Read) || unreadable_.count(asked) || unreadable_.count(path)) return fail("Access is denied.");
    auto it = files_.find(path);
    if (it == files_.end()) return fail("The system cannot find the file specified.");
    return it->second.bytes;
}

Status MemoryFileSystem::writeNewFile(const std::string& asked, const std::string& bytes) {
    const std::string path = resolve(asked);
    if (!folders_.count(ParentFolder(path))) return Status::failure("The system cannot find the path specified.");
    if (readOnly(path)) return Status::failure("Access is denied.");
    auto existing = files_.find(path);
    const std::size_t old = existing == files_.end() ? 0 : existing->second.bytes.size();
    ++writes_;
    ++writesTo_[path];
    files_[path].written = ++lastWrite_;
    if (capacity_ && usedBytes() - old + bytes.size() > *capacity_) {
        files_[path].bytes = bytes.substr(0, *capacity_ > usedBytes() - old ? *capacity_ - (usedBytes() - old) : 0);
        return Status::failure("There is not enough space on the disk.");
    }
    if (takeFault(Op::Write)) {
        files_[path].bytes = bytes.substr(0, bytes.size() / 2);
        return Status::failure("The device is not ready.");
    }
    files_[path].bytes = bytes;
    if (takeFault(Op::Flush))
        return Status::failure("The request could not be performed because of an I/O device error.");
    return Status::success();
}

Status MemoryFileSystem::moveReplacing(const std::string& askedFrom, const std::string& askedTo) {
    const std::string from = resolve(askedFrom, false), to = resolve(askedTo, false);
    auto it = files_.find(from);
    if (it == files_.end()) return Status::failure("The system cannot find the file specified.");
    if (readOnly(from) || readOnly(to)) return Status::failure("Access is denied.");
    if (takeFault(Op::Move)) return Status::failure("Access is denied.");
    if (folders_.count(to)) return Status::failure("Access is denied.");
    Entry moved = it->second;
    files_.erase(it);
    files_[to] = std::move(moved);
    ++writesTo_[to];
    return Status::success();
}

Status MemoryFileSystem::removeFile(const std::string& asked) {
    const std::string path = resolve(asked, false);
    if (readOnly(path) || takeFault(Op::Remove)) return Status::failure("Access is denied.");
    if (links_.count(path)) {
        if (linkKind(path) == EntryKind::LinkedFolder) return Status::failure("Access is denied.");
        links_.erase(path);
        return Status::success();
    }
    if (files_.erase(path) == 0) return Status::failure("The system cannot find the file specified.");
    return Status::success();
}

Status MemoryFileSystem::createFolder(const std::string& asked) {
    const std::string path = resolve(asked, false);
    if (folders_.count(path) || links_.count(path))
        return Status::failure("Cannot create a file when that file already exists.");
    if (files_.count(path)) return Status::failure("Cannot create a file when that file already exists.");
    const std::string parent = ParentFolder(path);
    if (!parent.empty() && parent.find('\\') != std::string::npos && !folders_.count(parent)) {
        return Status::failure("The system cannot find the path specified.");
    }
    if (readOnly(path) || takeFault(Op::CreateFolder)) return Status::failure("Access is denied.");
    folders_.insert(path);
    return Status::success();
}

EntryKind MemoryFileSystem::entry(const std::string& asked) {
    const std::string path = resolve(asked, false);
    if (links_.count(path)) return linkKind(path);
    if (folders_.count(path)) return EntryKind::Folder;
    auto it = files_.find(path);
    if (it == files_.end()) return EntryKind::None;
    return it->second.hidden ? EntryKind::HiddenFile : EntryKind::File;
}

std::optional<FileStamp> MemoryFileSystem::stamp(const std::string& asked) {
    auto it = files_.find(resolve(asked));
    if (it == files_.end()) return std::nullopt;
    return FileStamp{it->second.bytes.size(), it->second.written};
}

std::vector<std::string> MemoryFileSystem::listFiles(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : listEntries(folder)) {
        if (entry.kind == EntryKind::File || entry.kind == EntryKind::HiddenFile) names.push_back(entry.name);
    }
    return names;
}

std::vector<std::string> MemoryFileSystem::listFolders(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : listEntries(folder)) {
        if (entry.kind == EntryKind::Folder) names.push_back(entry.name);
    }
    return names;
}

std::vector<FolderEntry> MemoryFileSystem::listEntries(const std::string& asked) {
    const std::string folder = resolve(asked);
    const auto name = [&](const std::string& path) { return path.substr(folder.size() + 1); };
    std::vector<FolderEntry> entries;
    for (const auto& [path, entry] : files_) {
        if (ParentFolder(path) == folder) {
            entries.push_back({name(path), entry.hidden ? EntryKind::HiddenFile : EntryKind::File});
        }
    }
    for (const auto& path : folders_) {
        if (ParentFolder(path) == folder) entries.push_back({name(path), EntryKind::Folder});
    }
    for (const auto& [path, target] : links_) {
        if (ParentFolder(path) == folder) entries.push_back({name(path), linkKind(path)});
    }
    return entries;
}

Status MemoryFileSystem::renameFolder(const std::string& askedFrom, const std::string& askedTo) {
    const std::string from = resolve(askedFrom, false), to = resolve(askedTo, false);
    if (!folders_.count(from)) return Status::failure("The system cannot find the file specified.");
    if (folders_.count(to) || files_.count(to) || links_.count(to))
        return Status::failure("Cannot create a file when that file already exists.");
    if (!folders_.count(ParentFolder(to))) return Status::failure("The system cannot find the path specified.");
    if (readOnly(from) || readOnly(to) || takeFault(Op::RenameFolder)) return Status::failure("Access is denied.");
    const auto renamed = [&](const std::string& path) { return to + path.substr(from.size()); };
    std::map<std::string, Entry> files;
    for (auto& [path, entry] : files_) files[IsInside(path, from) ? renamed(path) : path] = std::move(entry);
    std::set<std::string> folders;
    for (const auto& path : folders_) folders.insert(path == from || IsInside(path, from) ? renamed(path) : path);
    std::map<std::string, std::string> links;
    for (auto& [path, target] : links_) links[IsInside(path, from) ? renamed(path) : path] = std::move(target);
    files_ = std::move(files);
    folders_ = std::move(folders);
    links_ = std::move(links);
    return Status::success();
}

Status MemoryFileSystem::removeFolder(const std::string& asked) {
    const std::string path = resolve(asked, false);
    if (links_.count(path) && linkKind(path) == EntryKind::LinkedFolder) {
        if (readOnly(path) || takeFault(Op::RemoveFolder)) return Status::failure("Access is denied.");
        links_.erase(path);
        return Status::success();
    }
    if (!folders_.count(path)) return Status::failure("The system cannot find the file specified.");
    if (holdsAnything(path)) return Status::failure("The directory is not empty.");
    if (readOnly(path) || takeFault(Op::RemoveFolder)) return Status::failure("Access is denied.");
    folders_.erase(path);
    return Status::success();
}

void MemoryFileSystem::putFile(const std::string& asked, const std::string& bytes, bool hidden) {
    const std::string path = resolve(asked);
    for (std::string folder = ParentFolder(path); folder.find('\\') != std::string::npos;
         folder = ParentFolder(folder)) {
        folders_.insert(folder);
    }
    files_[path] = {bytes, hidden, ++lastWrite_};
}

void MemoryFileSystem::putFolder(const std::string& path) {
    for (std::string folder = path; folder.find('\\') != std::string::npos; folder = ParentFolder(folder)) {
        folders_.insert(folder);
    }
}

std::optional<std::string> MemoryFileSystem::file(const std::string& path) const {
    auto it = files_.find(resolve(path));
    if (it == files_.end()) return std::nullopt;
    return it->second.bytes;
}

void MemoryFileSystem::putLink(const std::string& path, const std::string& target) {
    putFolder(ParentFolder(path));
    links_[path] = target;
}

std::vector<std::string> MemoryFileSystem::paths() const {
    std::vector<std::string> all;
    for (const auto& [path, entry] : files_) all.push_back(path);
    return all;
}

void MemoryFileSystem::setReadOnly(const std::string& folder, bool on) {
    if (on) {
        readOnlyFolders_.insert(folder);
    } else {
        readOnlyFolders_.erase(folder);
    }
}

void MemoryFileSystem::setUnreadable(const std::string& path, bool on) {
    if (on) {
        unreadable_.insert(path);
    } else {
        unreadable_.erase(path);
    }
}

}  // namespace platform::headless
