#include "app/startup.h"

#include <gtest/gtest.h>

#include "app/datafiles.h"
#include "app/main_window.h"
#include "support/app_fixture.h"

namespace {

using testing_support::AppTest;

std::string Lines(const std::string& line, int count) {
    std::string all;
    for (int i = 0; i < count; ++i) all += line + "\r\n";
    return all;
}

class StartUp : public AppTest {};

TEST_F(StartUp, FirstRunCreatesExactlyTheFirstRunFiles) {
    ASSERT_TRUE(Start());
    auto& files = platform.memoryFiles();
    EXPECT_EQ(module->DataPath, kDataPath);
    EXPECT_TRUE(files.hasFolder(kDataPath));
    EXPECT_TRUE(files.hasFolder(data("\\Diary")));
    // Notes.ini's content is checked with the settings.
    // Alarm's content is checked with the alarm settings.
    EXPECT_EQ(files.paths(), (std::vector<std::string>{data("\\Alarm"), data("\\Names"), data("\\Notes"),
                                                       data("\\Notes.ini"), data("\\Reminder")}));
    EXPECT_EQ(file("\\Names"), Lines(" ", 366));
    EXPECT_EQ(file("\\Names").size(), 1098u);
    EXPECT_EQ(file("\\Reminder"), Lines("", 366));
    EXPECT_EQ(file("\\Reminder").size(), 732u);
    EXPECT_TRUE(file("\\Notes") == app::RecordFile::EmptyDatabase(40));
    EXPECT_EQ(file("\\Notes").size(), 160080u);
}

TEST_F(StartUp, ResultsThatLaterStepsRelyOn) {
    ASSERT_TRUE(Start());
    EXPECT_EQ(module->TranslucentAlpha, 180);
    EXPECT_EQ(module->NotLeapYear, 1);
    EXPECT_FALSE(module->DragActive);
    // The month table, with February set for the year shown (2026 is not a leap year).
    const std::array<std::uint8_t, 13> months{0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    EXPECT_EQ(module->DaysInMonth, months);
    EXPECT_FALSE(module->Diar->form().visible());
    EXPECT_TRUE(platform.dialogs.empty());
}

TEST_F(StartUp, SecondInstanceEndsBeforeTouchingAnything) {
    platform.setAnotherInstance(true);
    EXPECT_FALSE(Start());
    EXPECT_TRUE(platform.memoryFiles().paths().empty());
    EXPECT_FALSE(platform.memoryFiles().hasFolder(kDataPath));
    EXPECT_TRUE(platform.forms().empty());
    EXPECT_EQ(platform.memoryFiles().writeCount(), 0);
}

// The second start of the first day takes the day's backup; it writes nothing else.
TEST_F(StartUp, SecondStartChangesNothing) {
    ASSERT_TRUE(Start());
    auto& files = platform.memoryFiles();
    const int writes = files.writeCount();
    const std::vector<std::string> before = files.paths();
    app::Module again(platform);
    ASSERT_TRUE(app::Main(again));
    const std::string backups = data("\\Backup\\");
    std::vector<std::string> outsideBackups;
    int backupFiles = 0;
    for (const auto& path : files.paths()) {
        if (path.starts_with(backups)) {
            ++backupFiles;
        } else {
            outsideBackups.push_back(path);
        }
    }
    EXPECT_EQ(outsideBackups, before);
    EXPECT_EQ(files.writeCount(), writes + backupFiles);
}

TEST_F(StartUp, OnlyTheMissingFileIsMadeAgain) {
    const std::string names = "*New Year\r\n" + Lines(" Someone", 365);
    putFile("\\Notes.ini", "RESUME\r\nArial\r\n10\r\n1\r\n&HFF\r\n&HFFFFFF\r\n0\r\n1\r\n");
    putFile("\\Notes", app::RecordFile::EmptyDatabase(40));
    putFile("\\Reminder", Lines("x", 366));
    putFile("\\Names", names);
    ASSERT_TRUE(platform.memoryFiles().removeFile(data("\\Names")));
    ASSERT_TRUE(Start());
    EXPECT_EQ(file("\\Names"), Lines(" ", 366));
    EXPECT_EQ(file("\\Reminder"), Lines("x", 366));
    EXPECT_EQ(file("\\Notes.ini"), "RESUME\r\nArial\r\n10\r\n1\r\n&HFF\r\n&HFFFFFF\r\n0\r\n1\r\n");
    EXPECT_EQ(module->ResumeMode, "RESUME");
    EXPECT_EQ(module->Diar->ChkTranslut->value(), 1);
}

TEST_F(StartUp, HiddenFilesAreNeverOverwritten) {
    // A hidden file counts as missing, yet it is there: it must not be replaced by a blank one.
    auto& files = platform.memoryFiles();
    const std::string notes = app::RecordFile::EmptyDatabase(39) + std::string("\x05\x00hello", 7);
    files.putFile(data("\\Notes"), notes, true);
    files.putFile(data("\\Names"), "*Holiday\r\n", true);
    files.putFile(data("\\Notes.ini"), "RESUME\r\nArial\r\n", true);
    ASSERT_TRUE(Start());
    EXPECT_TRUE(file("\\Notes") == notes);
    EXPECT_EQ(file("\\Names"), "*Holiday\r\n");
    EXPECT_EQ(file("\\Notes.ini"), "RESUME\r\nArial\r\n");
    // The hidden settings are read all the same; lines it lacks keep the defaults.
    EXPECT_EQ(module->ResumeMode, "RESUME");
    EXPECT_EQ(module->NoteFontSize, "8");
}

TEST_F(StartUp, DriveRootGetsNoDoubledBackslash) {
    platform.setProgramFolder("D:\\");
    platform.memoryFiles().putFolder("D:");
    ASSERT_TRUE(Start());
    EXPECT_EQ(module->DataPath, "D:\\NotesDat");
    EXPECT_TRUE(platform.memoryFiles().file("D:\\NotesDat\\Names").has_value());
}

TEST_F(StartUp, ReadOnlyProgramFolderStillStartsWithDefaults) {
    platform.memoryFiles().setReadOnly(kProgramFolder);
    ASSERT_TRUE(Start());
    EXPECT_EQ(module->NoteFontName, "MS Sans Serif");
    EXPECT_EQ(module->ResumeMode, "NORESUME");
    EXPECT_TRUE(platform.memoryFiles().paths().empty());
    // Without a notes database the program says so once and goes on.
    ASSERT_EQ(platform.dialogs.size(), 1u);
    EXPECT_EQ(platform.dialogs[0].title, "Orvane Notes");
    EXPECT_NE(platform.dialogs[0].text.find(data("\\Notes")), std::string::npos);
    EXPECT_FALSE(platform.quitRequested);
}

TEST_F(StartUp, UnreadableNotesDatabaseIsReportedOnceAndKept) {
    putFile("\\Notes", app::RecordFile::EmptyDatabase(40));
    platform.memoryFiles().setUnreadable(data("\\Notes"));
    ASSERT_TRUE(Start());
    ASSERT_EQ(platform.dialogs.size(), 1u);
    EXPECT_EQ(platform.dialogs[0].icon, platform::MessageIcon::Stop);
    EXPECT_TRUE(file("\\Notes") == app::RecordFile::EmptyDatabase(40));
}

TEST_F(StartUp, CompletesAReplaceThatACrashInterrupted) {
    putFile("\\Notes.ini", "NORESUME\r\nOld\r\n8\r\n0\r\n&H0\r\n&H0\r\n2\r\n0\r\n");
    putFile("\\Notes.ini.new", "NORESUME\r\nNew\r\n8\r\n0\r\n&H0\r\n&H0\r\n2\r\n0\r\n");
    putFile("\\Diary\\2026.tmp", "#####\r\n#");
    putFile("\\Diary\\2025.new", "B####done\r\n");
    ASSERT_TRUE(Start());
    EXPECT_EQ(module->NoteFontName, "New");
    EXPECT_FALSE(platform.memoryFiles().file(data("\\Notes.ini.new")).has_value());
    EXPECT_FALSE(platform.memoryFiles().file(data("\\Diary\\2026.tmp")).has_value());
    EXPECT_EQ(file("\\Diary\\2025"), "B####done\r\n");
}

}  // namespace
