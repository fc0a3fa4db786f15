#include "app/checked_write.h"

#include "app/datafiles.h"

namespace app {

FileFound LookAt(platform::FileSystem& files, const std::string& path) {
    const auto kind = files.entry(path);
    FileFound found{kind == platform::EntryKind::File || kind == platform::EntryKind::HiddenFile, std::nullopt};
    if (found.present) found.bytes = files.readFile(path);
    return found;
}

platform::Status WriteChecked(platform::FileSystem& files, const std::string& path, const MakeContent& make) {
    for (int attempt = 1;; ++attempt) {
        const FileFound found = LookAt(files, path);
        std::string content;
        if (platform::Status status = make(found, content); !status) return status;
        bool changed = false;
        StillCurrent stillCurrent;
        if (attempt < kMergeAttempts) {
            stillCurrent = [&] {
                changed = LookAt(files, path) != found;
                return !changed;
            };
        }
        platform::Status status = ReplaceFile(files, path, content, stillCurrent);
        if (!changed) return status;
    }
}

}  // namespace app
