#include "support/file_systems.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>

#include "platform/file_removal.h"
#include "platform/headless/memory_file_system.h"
#ifdef _WIN32
#include <windows.h>

#include "platform/win32/win32_file_system.h"
#endif

namespace testing_support {

namespace {

class MemoryWorkspace : public Workspace {
public:
    MemoryWorkspace() {
        folder = "C:\\Work";
        files_.putFolder(folder);
    }
    platform::FileSystem& files() override { return files_; }
    void putHiddenFile(const std::string& path, const std::string& bytes) override {
        files_.putFile(path, bytes, true);
    }

private:
    platform::headless::MemoryFileSystem files_;
};

#ifdef _WIN32
class Win32Workspace : public Workspace {
public:
    Win32Workspace() {
        static std::atomic<int> counter{0};
        const char* temp = std::getenv("TEMP");
        std::string base = temp ? temp : "C:\\windows\\temp";
        base += "\\organiser-tests";
        static_cast<void>(files_.createFolder(base));  // there already after the first workspace
        // A name of its own for every workspace, also across runs that share the Wine prefix.
        folder = base + "\\" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount64()) + "-" +
                 std::to_string(counter++);
        EXPECT_TRUE(files_.createFolder(folder)) << folder;
    }
    // What a test leaves, links included, goes the way the program removes things.
    ~Win32Workspace() override { static_cast<void>(platform::RemoveTree(files_, folder)); }
    platform::FileSystem& files() override { return files_; }
    void putHiddenFile(const std::string& path, const std::string& bytes) override {
        EXPECT_TRUE(files_.writeNewFile(path, bytes)) << path;
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN);
    }

private:
    platform::win32::Win32FileSystem files_;
};
#endif

}  // namespace

std::vector<FileSystemKind> FileSystemKinds() {
    std::vector<FileSystemKind> kinds;
    kinds.push_back({"Memory", [] { return std::make_unique<MemoryWorkspace>(); }});
#ifdef _WIN32
    kinds.push_back({"Win32", [] { return std::make_unique<Win32Workspace>(); }});
#endif
    return kinds;
}

platform::Status FaultyFileSystem::writeNewFile(const std::string& path, const std::string& bytes) {
    if (fault_ == Fault::Write) {
        // Half the bytes land, as on a full disk; the failure is this one whatever the inner write said.
        static_cast<void>(inner_.writeNewFile(path, bytes.substr(0, bytes.size() / 2)));
        return platform::Status::failure("There is not enough space on the disk.");
    }
    platform::Status status = inner_.writeNewFile(path, bytes);
    if (status && fault_ == Fault::Flush) return platform::Status::failure("The device is not ready.");
    return status;
}

platform::Status FaultyFileSystem::moveReplacing(const std::string& from, const std::string& to) {
    ++moves_;
    if ((fault_ == Fault::FirstMove && moves_ == 1) || (fault_ == Fault::SecondMove && moves_ == 2)) {
        return platform::Status::failure("Access is denied.");
    }
    return inner_.moveReplacing(from, to);
}

}  // namespace testing_support
