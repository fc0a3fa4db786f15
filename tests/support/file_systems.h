// The file systems that the data-file tests run against: the in-memory one everywhere, and the
// real Win32 one (in a scratch folder) when the tests run on Windows or under Wine.
#pragma once

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace testing_support {

// A file system with an empty folder to work in.
class Workspace {
public:
    virtual ~Workspace() = default;
    virtual platform::FileSystem& files() = 0;
    // Makes a file hidden (the in-memory system) or marks it hidden (Win32).
    virtual void putHiddenFile(const std::string& path, const std::string& bytes) = 0;
    std::string folder;  // exists, empty, no trailing "\"
};

struct FileSystemKind {
    std::string name;
    std::function<std::unique_ptr<Workspace>()> make;
};

inline void PrintTo(const FileSystemKind& kind, std::ostream* os) {
    *os << kind.name;
}

std::vector<FileSystemKind> FileSystemKinds();

// Wraps a file system and makes chosen operations fail, the way a full disk, a pulled cable or
// a locked file would: a failing write leaves half the bytes, a failing flush all of them.
class FaultyFileSystem : public platform::FileSystem {
public:
    enum class Fault { None, Write, Flush, FirstMove, SecondMove };

    explicit FaultyFileSystem(platform::FileSystem& inner) : inner_(inner) {}
    void inject(Fault fault) { fault_ = fault; }

    std::optional<std::string> readFile(const std::string& path, std::string* why) override {
        return inner_.readFile(path, why);
    }
    platform::Status writeNewFile(const std::string& path, const std::string& bytes) override;
    platform::Status moveReplacing(const std::string& from, const std::string& to) override;
    platform::Status removeFile(const std::string& path) override { return inner_.removeFile(path); }
    platform::Status createFolder(const std::string& path) override { return inner_.createFolder(path); }
    platform::EntryKind entry(const std::string& path) override { return inner_.entry(path); }
    std::optional<platform::FileStamp> stamp(const std::string& path) override { return inner_.stamp(path); }
    std::vector<std::string> listFiles(const std::string& folder) override { return inner_.listFiles(folder); }
    std::vector<std::string> listFolders(const std::string& folder) override { return inner_.listFolders(folder); }
    std::vector<platform::FolderEntry> listEntries(const std::string& folder) override {
        return inner_.listEntries(folder);
    }
    platform::Status renameFolder(const std::string& from, const std::string& to) override {
        return inner_.renameFolder(from, to);
    }
    platform::Status removeFolder(const std::string& path) override { return inner_.removeFolder(path); }

private:
    platform::FileSystem& inner_;
    Fault fault_ = Fault::None;
    int moves_ = 0;
};

}  // namespace testing_support
