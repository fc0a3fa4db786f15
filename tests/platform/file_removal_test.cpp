// Removing a tree: everything below the folder goes, nothing beside or behind it does. Links are
// removed as themselves and never walked into, wherever they stand in the tree.
#include "platform/file_removal.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/headless/memory_file_system.h"
#include "support/file_systems.h"

namespace {

using platform::EntryKind;
using platform::RemoveTree;
using platform::headless::MemoryFileSystem;
using testing_support::FileSystemKind;
using testing_support::FileSystemKinds;
using testing_support::Workspace;

class FileRemoval : public ::testing::TestWithParam<FileSystemKind> {
protected:
    void SetUp() override { workspace_ = GetParam().make(); }
    platform::FileSystem& files() { return workspace_->files(); }
    std::string path(const std::string& name) const { return workspace_->folder + "\\" + name; }

    std::unique_ptr<Workspace> workspace_;
};

TEST_P(FileRemoval, AFolderGoesWithEverythingBelowItAndNothingBesideIt) {
    for (const char* folder : {"Day", "Day\\Diary", "Day\\Diary\\Deeper", "Day2"}) {
        ASSERT_TRUE(files().createFolder(path(folder)));
    }
    for (const char* file : {"Day\\Notes", "Day\\Diary\\2026", "Day\\Diary\\Deeper\\x", "Day2\\Notes", "Day.txt"}) {
        ASSERT_TRUE(files().writeNewFile(path(file), file));
    }
    workspace_->putHiddenFile(path("Day\\Diary\\hidden"), "h");

    EXPECT_TRUE(RemoveTree(files(), path("Day")).empty());
    EXPECT_EQ(files().entry(path("Day")), EntryKind::None);
    EXPECT_EQ(files().readFile(path("Day2\\Notes")), "Day2\\Notes");
    EXPECT_EQ(files().readFile(path("Day.txt")), "Day.txt");
}

TEST_P(FileRemoval, AFileOrNothingAtThePathIsHandledAsItself) {
    ASSERT_TRUE(files().writeNewFile(path("Loose"), "x"));
    EXPECT_TRUE(RemoveTree(files(), path("Loose")).empty());
    EXPECT_EQ(files().entry(path("Loose")), EntryKind::None);
    EXPECT_TRUE(RemoveTree(files(), path("Missing")).empty());
}

INSTANTIATE_TEST_SUITE_P(Backends, FileRemoval, ::testing::ValuesIn(FileSystemKinds()),
                         [](const auto& param_info) { return param_info.param.name; });

// Links, in the in-memory file system that follows them as Windows does.
class LinkedRemoval : public ::testing::Test {
protected:
    static constexpr const char* kTree = "C:\\Data\\Backup\\2026-12-07.tmp";
    static constexpr const char* kElsewhere = "C:\\Users\\Me\\Photos";

    LinkedRemoval() {
        files_.putFile(std::string(kElsewhere) + "\\a.jpg", "a");
        files_.putFile(std::string(kElsewhere) + "\\Trip\\b.jpg", "b");
        files_.putFile(std::string(kElsewhere) + "\\Trip\\Day\\c.jpg", "c");
    }
    std::vector<std::string> Elsewhere() const {
        std::vector<std::string> kept;
        for (const auto& path : files_.paths()) {
            if (path.starts_with(kElsewhere)) kept.push_back(path);
        }
        return kept;
    }

    MemoryFileSystem files_;
};

TEST_F(LinkedRemoval, ALinkAnywhereInTheTreeIsRemovedAsItselfAndItsTargetStays) {
    const std::string tree = kTree;
    const struct {
        const char* where;
        std::string link;
        std::string target;
    } cases[] = {
        {"the tree itself", tree, kElsewhere},
        {"a folder in it", tree + "\\Diary", kElsewhere},
        {"a folder deeper in it", tree + "\\Diary\\Old", std::string(kElsewhere) + "\\Trip"},
        {"a file in it", tree + "\\Notes", std::string(kElsewhere) + "\\a.jpg"},
        {"a folder leading to an empty one", tree + "\\Empty", "C:\\Users\\Me\\Empty"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        files_.putFolder("C:\\Users\\Me\\Empty");
        if (c.link != tree) files_.putFile(tree + "\\Names", "n");
        files_.putLink(c.link, c.target);
        const auto before = Elsewhere();

        EXPECT_TRUE(RemoveTree(files_, tree).empty());
        EXPECT_EQ(files_.entry(tree), EntryKind::None);
        EXPECT_FALSE(files_.hasLink(c.link));
        EXPECT_EQ(Elsewhere(), before);
        EXPECT_TRUE(files_.hasFolder("C:\\Users\\Me\\Empty"));
    }
}

TEST_F(LinkedRemoval, WhatCannotGoIsReportedAndTheRestGoes) {
    const std::string tree = kTree;
    files_.putFile(tree + "\\Notes", "n");
    files_.putFile(tree + "\\Locked\\Names", "kept");
    files_.putLink(tree + "\\Photos", kElsewhere);
    files_.setReadOnly(tree + "\\Locked");
    files_.failNext(MemoryFileSystem::Op::RemoveFolder);  // the link will not go either

    const auto left = RemoveTree(files_, tree);
    std::vector<std::string> paths;
    for (const auto& leftover : left) {
        paths.push_back(leftover.path);
        EXPECT_FALSE(leftover.why.empty()) << leftover.path;
    }
    std::sort(paths.begin(), paths.end());
    EXPECT_EQ(paths, (std::vector<std::string>{tree + "\\Locked\\Names", tree + "\\Photos"}));
    EXPECT_EQ(files_.file(tree + "\\Notes"), std::nullopt);
    EXPECT_EQ(files_.file(tree + "\\Locked\\Names"), "kept");
    EXPECT_EQ(Elsewhere().size(), 3u);
}

// The in-memory links behave as the tests above assume: a path through a link reaches its target.
TEST(MemoryLinks, PathsThroughALinkReachItsTargetAndTheLinkIsNoFolderOfItsOwn) {
    MemoryFileSystem files;
    files.putFile("C:\\Out\\Inner\\x", "outside");
    files.putLink("C:\\Work\\Link", "C:\\Out");
    EXPECT_EQ(files.entry("C:\\Work\\Link"), EntryKind::LinkedFolder);
    EXPECT_EQ(files.file("C:\\Work\\Link\\Inner\\x"), "outside");
    EXPECT_EQ(files.listFolders("C:\\Work\\Link"), std::vector<std::string>{"Inner"});
    EXPECT_TRUE(files.listFolders("C:\\Work").empty());
    ASSERT_EQ(files.listEntries("C:\\Work").size(), 1u);
    EXPECT_EQ(files.listEntries("C:\\Work")[0].kind, EntryKind::LinkedFolder);
    ASSERT_TRUE(files.removeFile("C:\\Work\\Link\\Inner\\x"));
    EXPECT_EQ(files.file("C:\\Out\\Inner\\x"), std::nullopt);
    EXPECT_TRUE(files.removeFolder("C:\\Work\\Link"));
    EXPECT_TRUE(files.hasFolder("C:\\Out\\Inner"));
}

}  // namespace
