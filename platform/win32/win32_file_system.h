// The real disk, through the ANSI file functions of kernel32. Errors carry the system's own text.
#pragma once

#include "platform/file_system.h"

namespace platform::win32 {

class Win32FileSystem : public FileSystem {
public:
    std::optional<std::string> readFile(const std::string& path, std::string* why = nullptr) override;
    Status writeNewFile(const std::string& path, const std::string& bytes) override;
    Status moveReplacing(const std::string& from, const std::string& to) override;
    Status removeFile(const std::string& path) override;
    Status createFolder(const std::string& path) override;
    EntryKind entry(const std::string& path) override;
    std::optional<FileStamp> stamp(const std::string& path) override;
    std::vector<std::string> listFiles(const std::string& folder) override;
    std::vector<std::string> listFolders(const std::string& folder) override;
    std::vector<FolderEntry> listEntries(const std::string& folder) override;
    Status renameFolder(const std::string& from, const std::string& to) override;
    Status removeFolder(const std::string& path) override;
};

// The system's description of an error code, without the line end it comes with.
std::string SystemErrorText(unsigned long code);

}  // namespace platform::win32
