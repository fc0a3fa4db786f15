// The shell's own shortcuts: written, read back, rewritten and removed as files, and a shortcut
// that cannot be written says why.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/file_removal.h"
#include "platform/win32/win32_platform.h"

namespace {

class Win32ShortcutTest : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "orvane-lnk-" + std::to_string(GetCurrentProcessId());
        static_cast<void>(platform::RemoveTree(platform_.files(), folder_));
        ASSERT_TRUE(platform_.files().createFolder(folder_)) << folder_;
    }
    void TearDown() override { static_cast<void>(platform::RemoveTree(platform_.files(), folder_)); }
    std::string path(const std::string& name) const { return folder_ + "\\" + name; }

    platform::win32::Win32Platform platform_{"Win32 shortcut test"};
    std::string folder_;
};

TEST_F(Win32ShortcutTest, AShortcutLeadsToItsTargetUntilItIsRewrittenOrRemoved) {
    const std::string link = path("Orvane Notes.lnk");
    const std::string program = platform_.programPath();
    ASSERT_FALSE(program.empty());
    EXPECT_EQ(platform_.readShortcut(link), std::nullopt);

    ASSERT_TRUE(platform_.writeShortcut(link, program, platform_.programFolder()));
    EXPECT_EQ(platform_.files().entry(link), platform::EntryKind::File);
    EXPECT_EQ(platform_.readShortcut(link), program);

    // Rewritten in place after a move.
    const std::string moved = path("OrvaneNotes.exe");
    ASSERT_TRUE(platform_.files().writeNewFile(moved, "MZ"));
    ASSERT_TRUE(platform_.writeShortcut(link, moved, folder_));
    EXPECT_EQ(platform_.readShortcut(link), moved);

    ASSERT_TRUE(platform_.files().removeFile(link));
    EXPECT_EQ(platform_.readShortcut(link), std::nullopt);
}

TEST_F(Win32ShortcutTest, WhatIsNoShortcutReadsAsNone) {
    ASSERT_TRUE(platform_.files().writeNewFile(path("plain.lnk"), "not a shortcut"));
    EXPECT_EQ(platform_.readShortcut(path("plain.lnk")), std::nullopt);
    EXPECT_EQ(platform_.readShortcut(folder_), std::nullopt);
}

TEST_F(Win32ShortcutTest, AShortcutInAMissingFolderFailsWithTheSystemsReason) {
    const platform::Status written =
        platform_.writeShortcut(path("No such folder\\Orvane Notes.lnk"), platform_.programPath(), folder_);
    EXPECT_FALSE(written);
    EXPECT_FALSE(written.error.empty());
    EXPECT_EQ(platform_.files().entry(path("No such folder")), platform::EntryKind::None);
}

TEST(Win32Drives, OnlyADriveLetterCanBeRemovable) {
    platform::win32::Win32Platform platform("Win32 drive test");
    char windows[MAX_PATH] = {};
    ASSERT_NE(GetWindowsDirectoryA(windows, MAX_PATH), 0u);
    EXPECT_FALSE(platform.driveIsRemovable(windows));  // the system's own drive
    EXPECT_FALSE(platform.driveIsRemovable("\\\\server\\share\\OrvaneNotes.exe"));
    EXPECT_FALSE(platform.driveIsRemovable(""));
}

}  // namespace
