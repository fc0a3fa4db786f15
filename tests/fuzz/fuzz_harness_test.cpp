// The fuzz harness: how an input becomes a data folder, and that its checks catch what they
// are there to catch.
#include <gtest/gtest.h>

#include "alarm/alarm_file.h"
#include "app/datafiles.h"
#include "app/settings.h"
#include "diary/day_tables.h"
#include "fuzz/harness.h"

namespace {

using fuzzing::DataFiles;
using platform::headless::MemoryFileSystem;

std::string Joined(const std::vector<std::string>& parts) {
    std::string input;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) input += fuzzing::kFileSeparator;
        input += parts[i];
    }
    return input;
}

MemoryFileSystem FilesOf(const DataFiles& folder) {
    MemoryFileSystem files;
    for (const auto& [name, bytes] : folder) files.putFile(std::string(fuzzing::kDataPath) + name, bytes);
    return files;
}

TEST(FuzzHarness, SeparatorsSplitTheInputIntoItsParts) {
    EXPECT_EQ(fuzzing::SplitAtSeparator("one"), (std::vector<std::string>{"one"}));
    EXPECT_EQ(fuzzing::SplitAtSeparator(""), (std::vector<std::string>{""}));
    EXPECT_EQ(fuzzing::SplitAtSeparator(Joined({"a", "", "c\r\n"})), (std::vector<std::string>{"a", "", "c\r\n"}));
}

TEST(FuzzHarness, TheAllTargetFillsTheFilesInOrderAndLeavesTheRestMissing) {
    const auto folder = fuzzing::FolderFromInput("all", Joined({"settings", "records", "names"}));
    ASSERT_TRUE(folder);
    EXPECT_EQ(*folder,
              (DataFiles{{app::kSettingsFile, "settings"}, {app::kNotesFile, "records"}, {app::kNamesFile, "names"}}));
    const auto files = fuzzing::AllTargetFiles();
    const auto every = fuzzing::FolderFromInput("all", Joined({"1", "2", "3", "4", "5", "6", "ignored"}));
    ASSERT_TRUE(every);
    EXPECT_EQ(every->size(), files.size());
    EXPECT_EQ(every->at(app::YearFile(fuzzing::kYear)), "5");
    EXPECT_EQ(every->at(app::kAlarmFile), "6");
}

TEST(FuzzHarness, EachFileTargetFillsItsFileAmongTheFirstRunFiles) {
    const auto files = fuzzing::AllTargetFiles();
    for (std::size_t i = 0; i + 1 < fuzzing::TargetNames().size(); ++i) {
        const auto folder = fuzzing::FolderFromInput(fuzzing::TargetNames()[i], "input");
        ASSERT_TRUE(folder) << fuzzing::TargetNames()[i];
        EXPECT_EQ(folder->at(files[i]), "input");
        for (const auto& [name, bytes] : fuzzing::FirstRunFiles()) {
            if (name != files[i]) {
                EXPECT_EQ(folder->at(name), bytes) << name;
            }
        }
    }
    EXPECT_FALSE(fuzzing::FolderFromInput("unknown", "input"));
}

TEST(FuzzHarness, FirstRunFilesAreTheFilesAFirstStartMakes) {
    const DataFiles& files = fuzzing::FirstRunFiles();
    EXPECT_EQ(files.at(app::kNotesFile).size(), 160080u);
    EXPECT_EQ(files.at(app::kNamesFile).size(), 1098u);
    EXPECT_EQ(files.at(app::kReminderFile).size(), 732u);
    EXPECT_EQ(app::SplitLines(files.at(app::kSettingsFile)).size(), 8u);
    EXPECT_EQ(app::SplitLines(files.at(app::kAlarmFile)).size(), 39u);
}

TEST(FuzzHarness, ScratchCopiesAreFoundWhereverTheyLie) {
    auto files = FilesOf({{app::kNamesFile, " "}, {"\\Names.new", " "}, {"\\Diary\\2026.tmp", "#"}});
    EXPECT_EQ(fuzzing::ScratchFilesLeft(files), (std::vector<std::string>{"\\Diary\\2026.tmp", "\\Names.new"}));
}

TEST(FuzzHarness, AFileRewrittenWithoutReasonIsReportedEvenWithTheSameBytes) {
    const DataFiles before{{app::kNamesFile, "names"}, {app::kReminderFile, "reminder"}, {app::kSettingsFile, "ini"}};
    auto files = FilesOf(before);
    EXPECT_TRUE(fuzzing::UntouchedFilesRewritten(before, files, {}).empty());

    const std::string names = std::string(fuzzing::kDataPath) + app::kNamesFile;
    ASSERT_TRUE(files.writeNewFile(names + ".tmp", "names"));
    ASSERT_TRUE(files.moveReplacing(names + ".tmp", names));
    ASSERT_TRUE(files.writeNewFile(std::string(fuzzing::kDataPath) + app::kSettingsFile, "changed"));
    ASSERT_TRUE(files.removeFile(std::string(fuzzing::kDataPath) + app::kReminderFile));
    EXPECT_EQ(
        fuzzing::UntouchedFilesRewritten(before, files, {}),
        (std::vector<std::string>{"\\Names was written again", "\\Notes.ini was changed", "\\Reminder was removed"}));
    EXPECT_EQ(fuzzing::UntouchedFilesRewritten(before, files, {app::kSettingsFile, app::kReminderFile}),
              (std::vector<std::string>{"\\Names was written again"}));
}

// A backup copy is a new file, not a rewrite of a data file.
TEST(FuzzHarness, NewFilesAreNoRewrites) {
    const DataFiles before{{app::kNamesFile, "names"}};
    auto files = FilesOf(before);
    ASSERT_TRUE(files.createFolder(std::string(fuzzing::kDataPath) + "\\Backup"));
    ASSERT_TRUE(files.writeNewFile(std::string(fuzzing::kDataPath) + "\\Backup\\Names", "names"));
    EXPECT_TRUE(fuzzing::UntouchedFilesRewritten(before, files, {}).empty());
}

TEST(FuzzHarness, ALineNotKeptIsReportedUnlessItIsSkipped) {
    const auto files = FilesOf({{app::kSettingsFile, app::JoinLines({"NORESUME", "Arial", "9"})}});
    EXPECT_TRUE(fuzzing::LinesNotKept(files, app::kSettingsFile, {"NORESUME", "Arial", "9"}, {}).empty());
    EXPECT_EQ(fuzzing::LinesNotKept(files, app::kSettingsFile, {"NORESUME", "Arial", "8"}, {}),
              (std::vector<std::string>{"\\Notes.ini line 3 was not kept"}));
    EXPECT_TRUE(fuzzing::LinesNotKept(files, app::kSettingsFile, {"NORESUME", "Arial", "8"}, {2}).empty());
    EXPECT_EQ(fuzzing::LinesNotKept(files, app::kSettingsFile, {"NORESUME", "Arial"}, {}),
              (std::vector<std::string>{"\\Notes.ini was written with 3 lines"}));
}

TEST(FuzzHarness, TheSessionOverTheFirstRunFilesBreaksNoRule) {
    EXPECT_EQ(fuzzing::RunSession(fuzzing::FirstRunFiles()), std::vector<std::string>{});
}

TEST(FuzzHarness, TheSessionOverAnEmptyFolderBreaksNoRule) {
    EXPECT_EQ(fuzzing::RunSession({}), std::vector<std::string>{});
}

}  // namespace
