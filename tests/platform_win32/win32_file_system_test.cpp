// The real disk under the file primitives: what counts as a present file, replacing writes and
// renames, and the system's own error texts.
#include "platform/win32/win32_file_system.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/file_removal.h"

namespace {

using platform::EntryKind;
using platform::win32::Win32FileSystem;

class Win32FileSystemTest : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "orvane-fs-" + std::to_string(GetCurrentProcessId()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name();
        // A run cut short leaves its folder behind; the name is the same at the next run.
        EmptyAway();
        ASSERT_TRUE(files_.createFolder(folder_)) << folder_;
    }
    void TearDown() override { EmptyAway(); }
    void EmptyAway() {
        for (const auto& name : files_.listFiles(folder_))
            SetFileAttributesA(path(name).c_str(), FILE_ATTRIBUTE_NORMAL);
        static_cast<void>(platform::RemoveTree(files_, folder_));
    }
    std::string path(const std::string& name) const { return folder_ + "\\" + name; }
    // A linked folder Sub\Link leading to Sub\Target, which holds a file. False where the system
    // makes no links (Wine reports success and makes nothing).
    bool MakeLinkedFolder() {
        EXPECT_TRUE(files_.createFolder(path("Sub")));
        EXPECT_TRUE(files_.createFolder(path("Sub\\Target")));
        EXPECT_TRUE(files_.writeNewFile(path("Sub\\Target\\Notes"), "elsewhere"));
        CreateSymbolicLinkA(path("Sub\\Link").c_str(), path("Sub\\Target").c_str(),
                            SYMBOLIC_LINK_FLAG_DIRECTORY | SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE);
        return files_.entry(path("Sub\\Link")) == EntryKind::LinkedFolder;
    }
    void putFile(const std::string& name, const std::string& bytes, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
        ASSERT_TRUE(files_.writeNewFile(path(name), bytes));
        SetFileAttributesA(path(name).c_str(), attributes);
    }

    Win32FileSystem files_;
    std::string folder_;
};

TEST_F(Win32FileSystemTest, OnlyOrdinaryFilesCountAsPresent) {
    putFile("Plain", "x");
    putFile("Hidden", "x", FILE_ATTRIBUTE_HIDDEN);
    putFile("System", "x", FILE_ATTRIBUTE_SYSTEM);
    putFile("ReadOnly", "x", FILE_ATTRIBUTE_READONLY);
    ASSERT_TRUE(files_.createFolder(path("Sub")));
    const struct {
        const char* name;
        EntryKind kind;
    } cases[] = {
        {"Plain", EntryKind::File},        {"ReadOnly", EntryKind::File}, {"Hidden", EntryKind::HiddenFile},
        {"System", EntryKind::HiddenFile}, {"Sub", EntryKind::Folder},    {"Missing", EntryKind::None},
        {"Pla*", EntryKind::None},         {"Plai?", EntryKind::None},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(files_.entry(path(c.name)), c.kind);
    }
}

TEST_F(Win32FileSystemTest, WritesAreReadBackByteForByte) {
    std::string bytes;
    for (int i = 0; i < 160080; ++i) bytes += static_cast<char>(i % 256);  // NULs, CR, LF, 0xFF...
    ASSERT_TRUE(files_.writeNewFile(path("Notes"), bytes));
    EXPECT_EQ(files_.readFile(path("Notes")), bytes);
    // A new write replaces the whole file, however long it was.
    ASSERT_TRUE(files_.writeNewFile(path("Notes"), "ab\r\n"));
    EXPECT_EQ(files_.readFile(path("Notes")), "ab\r\n");
    ASSERT_TRUE(files_.writeNewFile(path("Notes"), ""));
    EXPECT_EQ(files_.readFile(path("Notes")), "");
}

TEST_F(Win32FileSystemTest, MoveReplacesTheTargetInOneStep) {
    putFile("Names", "old");
    putFile("Names.new", "new");
    ASSERT_TRUE(files_.moveReplacing(path("Names.new"), path("Names")));
    EXPECT_EQ(files_.readFile(path("Names")), "new");
    EXPECT_EQ(files_.entry(path("Names.new")), EntryKind::None);
    // To a name that does not exist yet as well.
    putFile("Reminder.new", "r");
    ASSERT_TRUE(files_.moveReplacing(path("Reminder.new"), path("Reminder")));
    EXPECT_EQ(files_.readFile(path("Reminder")), "r");
}

TEST_F(Win32FileSystemTest, FailuresCarryTheSystemsText) {
    std::string why;
    EXPECT_EQ(files_.readFile(path("Missing"), &why), std::nullopt);
    EXPECT_FALSE(why.empty());
    EXPECT_NE(why.back(), '\n');

    const platform::Status intoMissingFolder = files_.writeNewFile(path("NoSuchFolder\\Notes.ini"), "x");
    EXPECT_FALSE(intoMissingFolder.ok);
    EXPECT_FALSE(intoMissingFolder.error.empty());
    EXPECT_EQ(files_.entry(path("NoSuchFolder")), EntryKind::None);

    ASSERT_TRUE(files_.createFolder(path("Sub")));
    EXPECT_FALSE(files_.createFolder(path("Sub")).ok);  // it exists
    EXPECT_FALSE(files_.removeFile(path("Missing")).ok);
    EXPECT_FALSE(files_.moveReplacing(path("Missing"), path("Other")).ok);

    const platform::Status badName = files_.writeNewFile(path("What?.txt"), "x");
    EXPECT_FALSE(badName.ok);
    EXPECT_FALSE(badName.error.empty());
}

// Paths are in the ANSI code page: a folder or file name with letters beyond ASCII ("Poznámky")
// works for every primitive.
TEST_F(Win32FileSystemTest, NamesBeyondAsciiWorkInTheAnsiCodePage) {
    char accented[8] = {};
    BOOL lossy = FALSE;
    const int length =
        WideCharToMultiByte(CP_ACP, 0, L"\u00e1\u00fd", 2, accented, sizeof accented - 1, nullptr, &lossy);
    if (length <= 0 || lossy) GTEST_SKIP() << "the ANSI code page has no such letters";
    const std::string letters(accented, static_cast<std::size_t>(length));
    ASSERT_NE(static_cast<unsigned char>(letters[0]), '?');

    const std::string sub = path("Sub");
    ASSERT_TRUE(files_.createFolder(sub));
    const std::string folder = sub + "\\Pozn" + letters;
    ASSERT_TRUE(files_.createFolder(folder));
    EXPECT_EQ(files_.entry(folder), EntryKind::Folder);
    const std::string file = folder + "\\Den" + letters + ".tmp";
    ASSERT_TRUE(files_.writeNewFile(file, "text"));
    EXPECT_EQ(files_.entry(file), EntryKind::File);
    const std::string renamed = folder + "\\Den" + letters;
    ASSERT_TRUE(files_.moveReplacing(file, renamed));
    EXPECT_EQ(files_.readFile(renamed), "text");
    EXPECT_EQ(files_.listFiles(folder), (std::vector<std::string>{"Den" + letters}));
    EXPECT_TRUE(files_.removeFile(renamed));
    EXPECT_EQ(files_.entry(renamed), EntryKind::None);
    RemoveDirectoryA(folder.c_str());
}

TEST_F(Win32FileSystemTest, ListingNamesFilesButNotFolders) {
    putFile("Notes", "n");
    putFile("Hidden", "h", FILE_ATTRIBUTE_HIDDEN);
    ASSERT_TRUE(files_.createFolder(path("Sub")));
    auto names = files_.listFiles(folder_);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Hidden", "Notes"}));
    EXPECT_TRUE(files_.listFiles(path("Missing")).empty());
}

// The folder primitives answer with the system's own error codes, as text.
TEST_F(Win32FileSystemTest, FolderFailuresCarryTheSystemsErrorCode) {
    ASSERT_TRUE(files_.createFolder(path("Sub")));
    putFile("Sub\\Notes", "n");
    ASSERT_TRUE(files_.createFolder(path("Sub\\Diary")));
    const platform::Status notEmpty = files_.removeFolder(path("Sub"));
    EXPECT_EQ(notEmpty.error, platform::win32::SystemErrorText(ERROR_DIR_NOT_EMPTY));
    const platform::Status taken = files_.renameFolder(path("Sub\\Diary"), path("Sub\\Notes"));
    EXPECT_EQ(taken.error, platform::win32::SystemErrorText(ERROR_ALREADY_EXISTS));
    const platform::Status missing = files_.removeFolder(path("Missing"));
    EXPECT_EQ(missing.error, platform::win32::SystemErrorText(ERROR_FILE_NOT_FOUND));
    // Listing folders names neither "." nor "..", nor the files beside them.
    EXPECT_EQ(files_.listFolders(path("Sub")), std::vector<std::string>{"Diary"});
    ASSERT_TRUE(files_.removeFolder(path("Sub\\Diary")));
    EXPECT_TRUE(files_.listFolders(path("Sub")).empty());
    ASSERT_TRUE(files_.removeFile(path("Sub\\Notes")));
}

TEST_F(Win32FileSystemTest, ListingFoldersLeavesOutLinkedFolders) {
    if (!MakeLinkedFolder()) GTEST_SKIP() << "no linked folders here";
    EXPECT_EQ(files_.listFolders(path("Sub")), std::vector<std::string>{"Target"});
    const auto entries = files_.listEntries(path("Sub"));
    EXPECT_EQ(entries.size(), 2u);
    for (const auto& entry : entries) {
        EXPECT_EQ(entry.kind, entry.name == "Link" ? EntryKind::LinkedFolder : EntryKind::Folder) << entry.name;
    }
}

TEST_F(Win32FileSystemTest, RemovingATreeRemovesALinkInItButNotWhatItLeadsTo) {
    if (!MakeLinkedFolder()) GTEST_SKIP() << "no linked folders here";
    ASSERT_TRUE(files_.createFolder(path("Tree")));
    ASSERT_TRUE(MoveFileExA(path("Sub\\Link").c_str(), path("Tree\\Link").c_str(), 0));
    EXPECT_TRUE(platform::RemoveTree(files_, path("Tree")).empty());
    EXPECT_EQ(files_.entry(path("Tree")), EntryKind::None);
    EXPECT_EQ(files_.readFile(path("Sub\\Target\\Notes")), "elsewhere");
}

}  // namespace
