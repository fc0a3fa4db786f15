// Writing a data file that another copy of the program (a sync client's, from another computer)
// may change at any moment: the content is made from the file as it stands, and the file is looked
// at again just before the new copy takes its place.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/file_system.h"

namespace app {

// A file as a save finds it: missing, or present with its bytes (none when it cannot be read).
// A hidden file is read as well, so that what it holds is never written over unseen.
struct FileFound {
    bool present = false;
    std::optional<std::string> bytes;
    bool operator==(const FileFound&) const = default;
};

FileFound LookAt(platform::FileSystem& files, const std::string& path);

// A file that changes again while it is being saved is read and merged again this often; the last
// write no longer waits for it, so that a file another program keeps rewriting is still saved.
inline constexpr int kMergeAttempts = 3;

// Makes the new content from the file as found; a failure stops the save with that failure.
using MakeContent = std::function<platform::Status(const FileFound& found, std::string& content)>;

// Writes what `make` builds from the file, atomically. When the file changed between the look and
// the moment the new copy would take its place, the copy is dropped and `make` runs again on what is
// there now.
platform::Status WriteChecked(platform::FileSystem& files, const std::string& path, const MakeContent& make);

}  // namespace app
