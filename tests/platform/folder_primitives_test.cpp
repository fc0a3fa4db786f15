// The folder primitives that the daily backup is built on behave alike on the in-memory file
// system and (under Wine) on the real one: listing folders, renaming a folder with everything in
// it, removing an empty folder.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/file_systems.h"

namespace {

using platform::EntryKind;
using testing_support::FileSystemKind;
using testing_support::FileSystemKinds;
using testing_support::Workspace;

class FolderPrimitives : public ::testing::TestWithParam<FileSystemKind> {
protected:
    void SetUp() override { workspace_ = GetParam().make(); }
    platform::FileSystem& files() { return workspace_->files(); }
    std::string path(const std::string& name) const { return workspace_->folder + "\\" + name; }
    static std::vector<std::string> Sorted(std::vector<std::string> names) {
        std::sort(names.begin(), names.end());
        return names;
    }

    std::unique_ptr<Workspace> workspace_;
};

TEST_P(FolderPrimitives, ListingFoldersNamesFoldersButNotFiles) {
    ASSERT_TRUE(files().createFolder(path("2026-12-07")));
    ASSERT_TRUE(files().createFolder(path("Other")));
    ASSERT_TRUE(files().createFolder(path("Other\\Inner")));
    ASSERT_TRUE(files().writeNewFile(path("Notes"), "n"));
    EXPECT_EQ(Sorted(files().listFolders(workspace_->folder)), (std::vector<std::string>{"2026-12-07", "Other"}));
    EXPECT_EQ(files().listFolders(path("Other")), std::vector<std::string>{"Inner"});
    EXPECT_TRUE(files().listFolders(path("2026-12-07")).empty());
    EXPECT_TRUE(files().listFolders(path("Missing")).empty());
}

TEST_P(FolderPrimitives, AFilesStampTellsItsVersionsApartAndOnlyFilesHaveOne) {
    ASSERT_TRUE(files().writeNewFile(path("Notes"), "one"));
    const auto first = files().stamp(path("Notes"));
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->size, 3u);
    EXPECT_EQ(files().stamp(path("Notes")), first) << "looking changes nothing";
    ASSERT_TRUE(files().writeNewFile(path("Notes.new"), "the other"));
    ASSERT_TRUE(files().moveReplacing(path("Notes.new"), path("Notes")));
    const auto second = files().stamp(path("Notes"));
    ASSERT_TRUE(second.has_value());
    EXPECT_NE(second, first);
    EXPECT_EQ(second->size, 9u);

    ASSERT_TRUE(files().createFolder(path("Diary")));
    EXPECT_FALSE(files().stamp(path("Diary")).has_value());
    EXPECT_FALSE(files().stamp(path("Missing")).has_value());
}

TEST_P(FolderPrimitives, RenamingAFolderTakesEverythingInIt) {
    ASSERT_TRUE(files().createFolder(path("Day.tmp")));
    ASSERT_TRUE(files().createFolder(path("Day.tmp\\Diary")));
    ASSERT_TRUE(files().writeNewFile(path("Day.tmp\\Notes"), "notes"));
    ASSERT_TRUE(files().writeNewFile(path("Day.tmp\\Diary\\2026"), "year"));
    ASSERT_TRUE(files().renameFolder(path("Day.tmp"), path("Day")));
    EXPECT_EQ(files().entry(path("Day.tmp")), EntryKind::None);
    EXPECT_EQ(files().entry(path("Day\\Diary")), EntryKind::Folder);
    EXPECT_EQ(files().readFile(path("Day\\Notes")), "notes");
    EXPECT_EQ(files().readFile(path("Day\\Diary\\2026")), "year");
}

TEST_P(FolderPrimitives, RenamingOntoATakenNameFailsAndChangesNothing) {
    ASSERT_TRUE(files().createFolder(path("New")));
    ASSERT_TRUE(files().writeNewFile(path("New\\Notes"), "new"));
    ASSERT_TRUE(files().createFolder(path("Old")));
    ASSERT_TRUE(files().writeNewFile(path("Old\\Notes"), "old"));
    ASSERT_TRUE(files().writeNewFile(path("File"), "f"));
    for (const char* taken : {"Old", "File"}) {
        SCOPED_TRACE(taken);
        const platform::Status status = files().renameFolder(path("New"), path(taken));
        EXPECT_FALSE(status.ok);
        EXPECT_FALSE(status.error.empty());
    }
    EXPECT_EQ(files().readFile(path("New\\Notes")), "new");
    EXPECT_EQ(files().readFile(path("Old\\Notes")), "old");
    EXPECT_EQ(files().readFile(path("File")), "f");
    EXPECT_FALSE(files().renameFolder(path("Missing"), path("Elsewhere")).ok);
}

TEST_P(FolderPrimitives, OnlyAnEmptyFolderIsRemoved) {
    ASSERT_TRUE(files().createFolder(path("Full")));
    ASSERT_TRUE(files().writeNewFile(path("Full\\Notes"), "n"));
    ASSERT_TRUE(files().createFolder(path("Nested")));
    ASSERT_TRUE(files().createFolder(path("Nested\\Diary")));
    for (const char* kept : {"Full", "Nested"}) {
        SCOPED_TRACE(kept);
        const platform::Status status = files().removeFolder(path(kept));
        EXPECT_FALSE(status.ok);
        EXPECT_FALSE(status.error.empty());
        EXPECT_EQ(files().entry(path(kept)), EntryKind::Folder);
    }
    EXPECT_EQ(files().readFile(path("Full\\Notes")), "n");
    ASSERT_TRUE(files().removeFolder(path("Nested\\Diary")));
    ASSERT_TRUE(files().removeFolder(path("Nested")));
    EXPECT_EQ(files().entry(path("Nested")), EntryKind::None);
    EXPECT_FALSE(files().removeFolder(path("Nested")).ok);
}

INSTANTIATE_TEST_SUITE_P(Backends, FolderPrimitives, ::testing::ValuesIn(FileSystemKinds()),
                         [](const auto& param_info) { return param_info.param.name; });

}  // namespace
