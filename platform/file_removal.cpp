#include "platform/file_removal.h"

namespace platform {

namespace {

// A name that stays inside its folder: no separators, not "." or "..".
bool IsPlainName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find_first_of("\\/:") == std::string::npos;
}

void Remove(FileSystem& files, const std::string& path, EntryKind kind, std::vector<Leftover>& left) {
    const auto keep = [&](const Status& status) {
        if (!status) left.push_back({path, status.error});
    };
    switch (kind) {
        case EntryKind::None:
            return;
        case EntryKind::File:
        case EntryKind::HiddenFile:
            keep(files.removeFile(path));
            return;
        case EntryKind::LinkedFolder:
            keep(files.removeFolder(path));
            return;
        case EntryKind::Folder: {
            const std::size_t before = left.size();
            for (const auto& entry : files.listEntries(path)) {
                if (IsPlainName(entry.name)) Remove(files, path + "\\" + entry.name, entry.kind, left);
            }
            // A folder whose contents stay cannot go either; what stays is reported already.
            if (left.size() == before) keep(files.removeFolder(path));
            return;
        }
    }
}

}  // namespace

std::vector<Leftover> RemoveTree(FileSystem& files, const std::string& path) {
    std::vector<Leftover> left;
    Remove(files, path, files.entry(path), left);
    return left;
}

}  // namespace platform
