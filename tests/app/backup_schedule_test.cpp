// When the program takes its daily backup: a moment after the first start of a date on a data
// folder it did not just make, and at the clock's first tick of a new date; silently, whatever
// happens.
#include "app/backup_schedule.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "alarm/alarm_clock.h"
#include "app/datafiles.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "support/app_fixture.h"

namespace {

using platform::headless::MemoryFileSystem;
using testing_support::AppTest;

class DailyBackup : public AppTest {
protected:
    DailyBackup() { platform.setTime({2026, 12, 7, 9, 0, 0}); }

    // A data folder that earlier runs made: every data file, a year file, the sound and help.
    void PutDataFolder() {
        putFile("\\Notes.ini", "RESUME\r\nArial\r\n10\r\n1\r\n&H00FF0000\r\n&H00FFFFFF\r\n0\r\n1\r\n");
        putFile("\\Notes", app::RecordFile::EmptyDatabase(40));
        putFile("\\Names", app::JoinLines(std::vector<std::string>(366, " ")));
        putFile("\\Reminder", app::JoinLines(std::vector<std::string>(366, "")));
        putFile("\\Alarm", " 1 \r\n" + app::JoinLines(std::vector<std::string>(38, "")));
        putFile("\\Diary\\2026", app::JoinLines(std::vector<std::string>(372, "#####")));
        putFile("\\Alarm.wav", "RIFF");
        putFile("\\Help\\_Help.htm", "<html></html>");
    }
    // A start, and the moment after it in which the start's backup is due.
    bool StartAndWait() {
        if (!Start()) return false;
        platform.advance(app::kStartBackupDelay);
        return true;
    }
    // A later start of the program on the same disk, at the clock's present time.
    void StartAgain() {
        // The earlier run has ended: its windows, and their timers, are gone.
        for (platform::Form* form : platform.forms()) form->close();
        module = std::make_unique<app::Module>(platform);
        ASSERT_TRUE(StartAndWait());
    }
    void Ticks(int count) { platform.advance(count * alarms::kAlarmInterval); }

    MemoryFileSystem& files() { return platform.memoryFiles(); }
    bool HasBackup(const std::string& day) { return files().hasFolder(data("\\Backup\\" + day)); }
    // The paths below the backup folder, relative to it.
    std::vector<std::string> BackupPaths() {
        const std::string backups = data("\\Backup");
        std::vector<std::string> paths;
        for (const auto& path : files().paths()) {
            if (path.starts_with(backups + "\\")) paths.push_back(path.substr(backups.size()));
        }
        return paths;
    }
    std::map<std::string, std::string> DataFiles() {
        std::map<std::string, std::string> live;
        for (const auto& path : files().paths()) {
            const bool backup = path.starts_with(data("\\Backup\\")) || path == data(app::kBackupsMadeFile);
            if (!backup) live[path] = *files().file(path);
        }
        return live;
    }
};

TEST_F(DailyBackup, TheFirstStartOfADateCopiesExactlyTheDataFiles) {
    PutDataFolder();
    ASSERT_TRUE(StartAndWait());
    EXPECT_EQ(BackupPaths(),
              (std::vector<std::string>{"\\2026-12-07\\Alarm", "\\2026-12-07\\Diary\\2026", "\\2026-12-07\\Names",
                                        "\\2026-12-07\\Notes", "\\2026-12-07\\Notes.ini", "\\2026-12-07\\Reminder"}));
    for (const char* name : {"\\Notes.ini", "\\Notes", "\\Names", "\\Reminder", "\\Alarm", "\\Diary\\2026"}) {
        EXPECT_EQ(files().file(data("\\Backup\\2026-12-07") + name), files().file(data(name))) << name;
    }
    EXPECT_TRUE(platform.dialogs.empty());
}

TEST_F(DailyBackup, TheStartLeavesTheCopyUntilAMomentAfterIt) {
    PutDataFolder();
    ASSERT_TRUE(Start());
    EXPECT_FALSE(files().hasFolder(data("\\Backup")));
    EXPECT_EQ(files().writeCount(), 0);
    platform.advance(app::kStartBackupDelay - 1);
    EXPECT_FALSE(files().hasFolder(data("\\Backup")));
    platform.advance(1);
    EXPECT_TRUE(HasBackup("2026-12-07"));
}

TEST_F(DailyBackup, TheStartsTimerFiresOnce) {
    PutDataFolder();
    ASSERT_TRUE(StartAndWait());
    const int writes = files().writeCount();
    ASSERT_GT(writes, 0);
    const auto& timers = module->Diar->form().timers();
    const auto backupTimer =
        std::find_if(timers.begin(), timers.end(), [](const auto& timer) { return timer->name() == "TBackup"; });
    ASSERT_NE(backupTimer, timers.end());
    EXPECT_FALSE((*backupTimer)->enabled());
    Ticks(3);
    EXPECT_EQ(files().writeCount(), writes);
}

TEST_F(DailyBackup, TheDataFilesKeepTheirBytesAndAreNotWrittenAgain) {
    PutDataFolder();
    const auto before = DataFiles();
    ASSERT_TRUE(StartAndWait());
    EXPECT_EQ(DataFiles(), before);
    // The copies, and the record of the order in which copies were made.
    EXPECT_EQ(files().writeCount(), static_cast<int>(BackupPaths().size()) + 1);
}

TEST_F(DailyBackup, ASecondStartTheSameDayMakesNone) {
    PutDataFolder();
    ASSERT_TRUE(StartAndWait());
    const int writes = files().writeCount();
    platform.setTime({2026, 12, 7, 18, 30, 0});
    StartAgain();
    EXPECT_EQ(files().writeCount(), writes);
}

TEST_F(DailyBackup, AFirstRunMakesNoneUntilTheNextDate) {
    platform.setTime({2026, 12, 7, 23, 59, 20});
    ASSERT_TRUE(Start());
    Ticks(2);  // 23:59:35 and 23:59:50
    EXPECT_FALSE(files().hasFolder(data("\\Backup")));
    Ticks(1);  // 0:00:05
    EXPECT_TRUE(HasBackup("2026-12-08"));
    EXPECT_EQ(BackupPaths().size(), 5u);  // the first-run files: no year file yet
}

TEST_F(DailyBackup, TheFirstStartOfAnUnpackedReleaseIsAFirstRun) {
    putFile("\\Alarm.wav", "RIFF");
    putFile("\\Help\\_Help.htm", "<html></html>");
    ASSERT_TRUE(StartAndWait());
    EXPECT_FALSE(files().hasFolder(data("\\Backup")));

    StartAgain();
    EXPECT_TRUE(HasBackup("2026-12-07"));
}

TEST_F(DailyBackup, TheFirstTickAfterMidnightBacksUpTheNewDate) {
    PutDataFolder();
    platform.setTime({2026, 12, 7, 23, 59, 50});
    ASSERT_TRUE(StartAndWait());
    ASSERT_TRUE(HasBackup("2026-12-07"));
    Ticks(1);  // 0:00:05
    EXPECT_TRUE(HasBackup("2026-12-08"));
    const int writes = files().writeCount();
    Ticks(8);  // the rest of the day's first two minutes
    EXPECT_EQ(files().writeCount(), writes);
}

TEST_F(DailyBackup, StartsOnEightDaysKeepTheLastSeven) {
    PutDataFolder();
    files().putFile(data("\\Backup\\Before the move\\Notes"), "mine");
    for (int day = 1; day <= 8; ++day) {
        platform.setTime({2026, 12, day, 9, 0, 0});
        StartAgain();
    }
    for (int day = 2; day <= 8; ++day) EXPECT_TRUE(HasBackup("2026-12-0" + std::to_string(day))) << day;
    EXPECT_FALSE(HasBackup("2026-12-01"));
    EXPECT_EQ(files().file(data("\\Backup\\Before the move\\Notes")), "mine");
}

TEST_F(DailyBackup, AFullDiskSkipsItSilentlyUntilTheNextStartOrDate) {
    PutDataFolder();
    files().setCapacity(200000);  // the data files fit, a copy of them does not
    const auto before = DataFiles();
    ASSERT_TRUE(StartAndWait());
    EXPECT_TRUE(platform.dialogs.empty());
    EXPECT_EQ(DataFiles(), before);
    EXPECT_TRUE(BackupPaths().empty());
    EXPECT_FALSE(HasBackup("2026-12-07"));
    // Room again: the running program does not ask the disk again that day...
    files().setCapacity(std::nullopt);
    Ticks(8);
    EXPECT_FALSE(HasBackup("2026-12-07"));
    // ...but the next start does.
    StartAgain();
    EXPECT_TRUE(HasBackup("2026-12-07"));
}

TEST_F(DailyBackup, AReadOnlyDataFolderStartsAsEverWithoutAMessage) {
    PutDataFolder();
    files().setReadOnly(kDataPath);
    const auto before = DataFiles();
    ASSERT_TRUE(StartAndWait());
    EXPECT_TRUE(platform.dialogs.empty());
    EXPECT_EQ(DataFiles(), before);
    EXPECT_FALSE(files().hasFolder(data("\\Backup")));
    EXPECT_EQ(module->BackupDay, "2026-12-07");
}

}  // namespace
