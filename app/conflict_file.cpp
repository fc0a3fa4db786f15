#include "app/conflict_file.h"

#include <cstdio>

#include "app/data_file_names.h"
#include "app/datafiles.h"

namespace app {

std::string ConflictFile(const platform::DateTime& day) {
    char name[16] = {};
    std::snprintf(name, sizeof name, "%04d-%02d-%02d", day.year, day.month, day.day);
    return std::string(kConflictFolder) + "\\" + name + ".txt";
}

platform::Status AppendConflicts(platform::FileSystem& files, const SharedValues& values, const platform::DateTime& day,
                                 const std::vector<ConflictEntry>& entries) {
    if (entries.empty()) return platform::Status::success();
    // A folder that cannot be made fails the write below, which is returned.
    if (!AnythingAt(files, values.Path(kConflictFolder))) {
        static_cast<void>(files.createFolder(values.Path(kConflictFolder)));
    }
    const std::string path = values.Path(ConflictFile(day));
    std::string content;
    if (AnythingAt(files, path)) {
        std::string why;
        auto old = files.readFile(path, &why);
        if (!old) return platform::Status::failure(path + ": " + why);
        content = std::move(*old);
    }
    std::vector<std::string> lines;
    for (const auto& entry : entries) {
        lines.push_back(entry.where);
        lines.push_back("  This computer: " + entry.ours);
        lines.push_back("  Other copy:    " + entry.theirs);
        lines.emplace_back();
    }
    if (platform::Status status = ReplaceFile(files, path, content + JoinLines(lines)); !status) {
        return platform::Status::failure(path + ": " + status.error);
    }
    return platform::Status::success();
}

}  // namespace app
