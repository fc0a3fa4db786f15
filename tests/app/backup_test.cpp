// The daily backup: what a day's folder holds, which folders are kept, and that a backup which
// cannot be made leaves nothing half-made and never touches the data files.
#include "app/backup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "app/datafiles.h"
#include "platform/file_removal.h"
#include "platform/headless/memory_file_system.h"
#include "support/file_systems.h"

namespace {

using app::BackupResult;
using app::TakeDailyBackup;
using platform::DateTime;
using platform::headless::MemoryFileSystem;
using testing_support::FileSystemKind;
using testing_support::FileSystemKinds;
using testing_support::Workspace;

using Tree = std::map<std::string, std::string>;  // path below a folder ("\Diary\2026") -> bytes

constexpr DateTime kMonday{2026, 12, 7, 9, 0, 0};

std::string NotesWithOneNote() {
    std::string notes = app::RecordFile::EmptyDatabase(40);
    notes.replace(4002, 7, std::string("\x05\x00Hello", 7));
    return notes;
}

// The data files, unlike each other, with bytes of every kind.
Tree DataFiles() {
    return {
        {"\\Notes.ini", "RESUME\r\nArial\r\n10\r\n1\r\n&H00FF0000\r\n&H00FFFFFF\r\n0\r\n1\r\n"},
        {"\\Notes", NotesWithOneNote()},
        {"\\Names", "*New Year\r\n Someone\r\n"},
        {"\\Reminder", "\r\n[8:00] call\r\n"},
        {"\\Alarm", " 1 \r\n7:30\r\n"},
        {"\\Diary\\2025", "B####last year\r\n"},
        {"\\Diary\\2026", "#####\r\n\xE1\xFD\x00\xFF\r\n"},
    };
}

// Files in the data folder that are not data files.
Tree OtherFiles() {
    return {
        {"\\Alarm.wav", "RIFF...."},
        {"\\Help\\_Help.htm", "<html></html>"},
        {"\\Readme.txt", "mine"},
        {"\\Diary\\2026 copy", "a copy of mine"},
    };
}

class Backup : public ::testing::TestWithParam<FileSystemKind> {
protected:
    void SetUp() override {
        workspace_ = GetParam().make();
        dataPath_ = workspace_->folder + "\\NotesDat";
        ASSERT_TRUE(files().createFolder(dataPath_));
        ASSERT_TRUE(files().createFolder(dataPath_ + "\\Diary"));
        ASSERT_TRUE(files().createFolder(dataPath_ + "\\Help"));
        for (const auto& tree : {DataFiles(), OtherFiles()}) {
            for (const auto& [name, bytes] : tree) ASSERT_TRUE(files().writeNewFile(dataPath_ + name, bytes));
        }
    }
    platform::FileSystem& files() { return workspace_->files(); }
    std::string backups() const { return dataPath_ + "\\Backup"; }
    BackupResult TakeOn(const DateTime& day) { return TakeDailyBackup(files(), dataPath_, day); }

    // Every file below `folder`, read back through the file primitives; folders as "<folder>".
    Tree Read(const std::string& folder, const std::string& below = "") {
        Tree tree;
        for (const auto& name : files().listFiles(folder + below)) {
            tree[below + "\\" + name] = files().readFile(folder + below + "\\" + name).value_or("<unreadable>");
        }
        for (const auto& name : files().listFolders(folder + below)) {
            tree[below + "\\" + name] = "<folder>";
            tree.merge(Read(folder, below + "\\" + name));
        }
        return tree;
    }
    std::vector<std::string> BackupFolders() {
        auto names = files().listFolders(backups());
        std::sort(names.begin(), names.end());
        return names;
    }

    std::unique_ptr<Workspace> workspace_;
    std::string dataPath_;
};

TEST_P(Backup, ADaysFolderHoldsExactlyTheDataFiles) {
    const Tree before = Read(dataPath_);
    ASSERT_EQ(TakeOn(kMonday), BackupResult::Made);
    Tree expected = DataFiles();
    expected["\\Diary"] = "<folder>";
    EXPECT_EQ(Read(backups() + "\\2026-12-07"), expected);
    EXPECT_EQ(BackupFolders(), std::vector<std::string>{"2026-12-07"});
    // The data folder is as it was, apart from the new backup folder.
    Tree after = Read(dataPath_);
    std::erase_if(after, [](const auto& entry) { return entry.first.starts_with("\\Backup"); });
    EXPECT_EQ(after, before);
}

TEST_P(Backup, ASecondBackupOfTheSameDayWritesNothing) {
    ASSERT_EQ(TakeOn(kMonday), BackupResult::Made);
    ASSERT_TRUE(files().writeNewFile(dataPath_ + "\\Names", "changed later that day\r\n"));
    EXPECT_EQ(TakeOn({2026, 12, 7, 23, 59, 0}), BackupResult::AlreadyThere);
    EXPECT_EQ(files().readFile(backups() + "\\2026-12-07\\Names"), DataFiles()["\\Names"]);
    EXPECT_EQ(BackupFolders(), std::vector<std::string>{"2026-12-07"});
}

TEST_P(Backup, MissingDataFilesAreLeftOut) {
    ASSERT_TRUE(files().removeFile(dataPath_ + "\\Alarm"));
    ASSERT_TRUE(files().removeFile(dataPath_ + "\\Diary\\2025"));
    ASSERT_EQ(TakeOn(kMonday), BackupResult::Made);
    Tree expected = DataFiles();
    expected.erase("\\Alarm");
    expected.erase("\\Diary\\2025");
    expected["\\Diary"] = "<folder>";
    EXPECT_EQ(Read(backups() + "\\2026-12-07"), expected);
}

TEST_P(Backup, TheEighthDayRemovesTheOldestAndOtherFoldersSurvive) {
    // Folders of the user's own, and names that only look like a day's.
    const std::vector<std::string> others{"Before moving", "2026-02-30", "2026-12-1", "2026-11-30 copy"};
    ASSERT_TRUE(files().createFolder(backups()));
    for (const auto& name : others) {
        ASSERT_TRUE(files().createFolder(backups() + "\\" + name));
        ASSERT_TRUE(files().writeNewFile(backups() + "\\" + name + "\\Notes", "kept"));
    }
    for (int day = 1; day <= 7; ++day) ASSERT_EQ(TakeOn({2026, 12, day, 9, 0, 0}), BackupResult::Made) << day;
    EXPECT_EQ(BackupFolders().size(), 7u + others.size());
    ASSERT_EQ(TakeOn({2026, 12, 8, 0, 0, 10}), BackupResult::Made);
    std::vector<std::string> expected = others;
    for (int day = 2; day <= 8; ++day) expected.push_back("2026-12-0" + std::to_string(day));
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(BackupFolders(), expected);
    for (const auto& name : others) EXPECT_EQ(files().readFile(backups() + "\\" + name + "\\Notes"), "kept");
}

TEST_P(Backup, KeepsTheSevenMostRecentAcrossMonthsAndYears) {
    const DateTime days[] = {{2026, 12, 30}, {2026, 12, 31}, {2027, 1, 1}, {2027, 1, 5}, {2027, 1, 31},
                             {2027, 2, 1},   {2027, 2, 28},  {2027, 3, 1}, {2027, 3, 2}};
    for (const auto& day : days) ASSERT_EQ(TakeOn(day), BackupResult::Made);
    EXPECT_EQ(BackupFolders(), (std::vector<std::string>{"2027-01-01", "2027-01-05", "2027-01-31", "2027-02-01",
                                                         "2027-02-28", "2027-03-01", "2027-03-02"}));
}

// Starts on the given days in this order, as a user whose clock is wrong at times would make them.
TEST_P(Backup, TheCopiesMadeLastAreKeptWhateverTheirDatesSay) {
    const struct {
        const char* what;
        std::vector<DateTime> starts;
        std::vector<std::string> kept;  // among others, at the end
        std::vector<std::string> gone;
    } cases[] = {
        {"a clock set back keeps today's copy",
         {{2026, 12, 1},
          {2026, 12, 2},
          {2026, 12, 3},
          {2026, 12, 4},
          {2026, 12, 5},
          {2026, 12, 6},
          {2026, 12, 7},
          {2026, 11, 20}},
         {"2026-11-20", "2026-12-07", "2026-12-02"},
         {"2026-12-01"}},
        {"a clock that ran ahead and was put right",
         {{2026, 12, 10},
          {2026, 12, 11},
          {2026, 12, 12},
          {2026, 12, 13},
          {2026, 12, 14},
          {2026, 12, 15},
          {2026, 12, 16},
          {2026, 12, 5},
          {2026, 12, 6}},
         {"2026-12-05", "2026-12-06", "2026-12-16"},
         {"2026-12-10"}},
    };
    for (const auto& c : cases) {
        SetUp();
        SCOPED_TRACE(c.what);
        for (const auto& day : c.starts) ASSERT_EQ(TakeOn(day), BackupResult::Made);
        const auto folders = BackupFolders();
        EXPECT_EQ(folders.size(), static_cast<std::size_t>(app::kBackupsKept));
        for (const auto& name : c.kept) EXPECT_TRUE(std::ranges::count(folders, name)) << name;
        for (const auto& name : c.gone) EXPECT_FALSE(std::ranges::count(folders, name)) << name;
    }
}

TEST_P(Backup, AFarFutureCopyNeverPushesRealDaysOutAndGoesInAWeek) {
    for (int day = 1; day <= 7; ++day) ASSERT_EQ(TakeOn({2026, 12, day}), BackupResult::Made);
    ASSERT_EQ(TakeOn({2099, 1, 1}), BackupResult::Made);
    for (int day = 8; day <= 20; ++day) {
        SCOPED_TRACE(day);
        ASSERT_EQ(TakeOn({2026, 12, day}), BackupResult::Made);
        std::vector<std::string> expected;
        for (int kept = day - app::kBackupsKept + 1; kept <= day; ++kept) {
            expected.push_back(app::BackupFolderName({2026, 12, kept}));
        }
        // The far-future copy stays while fewer than seven copies were made after it.
        if (day - 8 + 1 < app::kBackupsKept) expected.push_back("2099-01-01");
        EXPECT_EQ(BackupFolders(), expected);
    }
}

TEST_P(Backup, WithoutItsRecordTheCopiesGoByTheirDates) {
    for (int day = 1; day <= 7; ++day) ASSERT_EQ(TakeOn({2026, 12, 8 - day}), BackupResult::Made);
    for (const char* record : {"", "2026-12-01\r\n\xFF\r\nnot a day\r\n2026-12-01\r\n"}) {
        SCOPED_TRACE(record);
        ASSERT_TRUE(files().writeNewFile(dataPath_ + "\\BackupsMade", record));
        ASSERT_EQ(TakeOn({2026, 12, 8}), BackupResult::Made);
        // Unrecorded copies count as made first: the oldest by date goes.
        const auto folders = BackupFolders();
        EXPECT_EQ(folders.size(), static_cast<std::size_t>(app::kBackupsKept));
        EXPECT_TRUE(std::ranges::count(folders, "2026-12-08"));
        ASSERT_TRUE(platform::RemoveTree(files(), backups() + "\\2026-12-08").empty());
    }
}

TEST_P(Backup, WhatAnInterruptedBackupLeftIsRemoved) {
    ASSERT_TRUE(files().createFolder(backups()));
    for (const char* scratch : {"2026-12-07.tmp", "2026-12-01.tmp"}) {
        ASSERT_TRUE(files().createFolder(backups() + "\\" + scratch));
        ASSERT_TRUE(files().writeNewFile(backups() + "\\" + scratch + "\\Notes", "half"));
    }
    ASSERT_EQ(TakeOn(kMonday), BackupResult::Made);
    EXPECT_EQ(BackupFolders(), std::vector<std::string>{"2026-12-07"});
    EXPECT_EQ(files().readFile(backups() + "\\2026-12-07\\Notes"), DataFiles()["\\Notes"]);
}

INSTANTIATE_TEST_SUITE_P(Backends, Backup, ::testing::ValuesIn(FileSystemKinds()),
                         [](const auto& param_info) { return param_info.param.name; });

TEST(BackupFolderName, IsTheDayWrittenYearFirst) {
    EXPECT_EQ(app::BackupFolderName({2026, 12, 7, 23, 59, 59}), "2026-12-07");
    EXPECT_EQ(app::BackupFolderName({987, 1, 31}), "0987-01-31");
    const struct {
        const char* name;
        bool dated;
    } cases[] = {
        {"2026-12-07", true},  {"2028-02-29", true},      {"2027-02-29", false}, {"2026-13-01", false},
        {"2026-00-10", false}, {"2026-12-00", false},     {"2026-12-7", false},  {"2026_12_07", false},
        {"20261207", false},   {"2026-12-07.tmp", false}, {"Backup", false},     {"2026-1a-07", false},
    };
    for (const auto& c : cases) EXPECT_EQ(app::IsBackupFolderName(c.name), c.dated) << c.name;
}

// Faults of every kind, injected into the in-memory disk: the backup is skipped whole, leaves no
// dated folder (nor its scratch folder where the disk lets it go) and the data files as they were.
class BackupFault : public ::testing::Test {
protected:
    static constexpr const char* kData = "C:\\Prog\\NotesDat";
    BackupFault() {
        for (const auto& tree : {DataFiles(), OtherFiles()}) {
            for (const auto& [name, bytes] : tree) files_.putFile(kData + name, bytes);
        }
    }
    std::vector<std::string> BackupPaths() const {
        std::vector<std::string> paths;
        for (const auto& path : files_.paths()) {
            if (path.starts_with(std::string(kData) + "\\Backup")) paths.push_back(path);
        }
        return paths;
    }
    Tree LiveFiles() const {
        Tree tree;
        for (const auto& path : files_.paths()) {
            if (!path.starts_with(std::string(kData) + "\\Backup")) tree[path] = *files_.file(path);
        }
        return tree;
    }

    MemoryFileSystem files_;
};

TEST_F(BackupFault, AFailedBackupLeavesNoDayFolderAndTheDataFilesAsTheyWere) {
    using Op = MemoryFileSystem::Op;
    const std::string backups = std::string(kData) + "\\Backup";
    const struct {
        const char* name;
        std::function<void(MemoryFileSystem&)> inject;
    } cases[] = {
        {"first copy fails", [](auto& files) { files.failNext(Op::Write); }},
        {"fourth copy fails", [](auto& files) { files.failNext(Op::Flush, 4); }},
        {"scratch folder refused", [](auto& files) { files.failNext(Op::CreateFolder); }},
        {"final rename refused", [](auto& files) { files.failNext(Op::RenameFolder); }},
        {"disk full", [](auto& files) { files.setCapacity(300000); }},
        {"backup folder read-only", [&](auto& files) { files.setReadOnly(backups); }},
        {"data folder read-only", [](auto& files) { files.setReadOnly(kData); }},
        {"a data file unreadable", [](auto& files) { files.setUnreadable(std::string(kData) + "\\Diary\\2026"); }},
        {"a read fails", [](auto& files) { files.failNext(Op::Read); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        files_ = MemoryFileSystem();
        for (const auto& tree : {DataFiles(), OtherFiles()}) {
            for (const auto& [name, bytes] : tree) files_.putFile(kData + name, bytes);
        }
        files_.putFolder(backups);
        const Tree before = LiveFiles();
        c.inject(files_);
        EXPECT_EQ(TakeDailyBackup(files_, kData, kMonday), BackupResult::Failed);
        EXPECT_EQ(LiveFiles(), before);
        EXPECT_TRUE(BackupPaths().empty());
        EXPECT_FALSE(files_.hasFolder(backups + "\\2026-12-07"));
        EXPECT_FALSE(files_.hasFolder(backups + "\\2026-12-07.tmp"));
    }
}

TEST_F(BackupFault, AnOldFolderWhoseRemovalIsCutShortIsNoLongerADayFolder) {
    const std::string backups = std::string(kData) + "\\Backup";
    for (int day = 1; day <= 7; ++day) ASSERT_EQ(TakeDailyBackup(files_, kData, {2026, 12, day}), BackupResult::Made);
    files_.failNext(MemoryFileSystem::Op::Remove);
    ASSERT_EQ(TakeDailyBackup(files_, kData, {2026, 12, 8}), BackupResult::Made);
    EXPECT_FALSE(files_.hasFolder(backups + "\\2026-12-01"));
    EXPECT_TRUE(files_.hasFolder(backups + "\\2026-12-01.tmp"));
    // The next backup clears what was left.
    ASSERT_EQ(TakeDailyBackup(files_, kData, {2026, 12, 9}), BackupResult::Made);
    EXPECT_EQ(files_.listFolders(backups).size(), 7u);
    EXPECT_FALSE(files_.hasFolder(backups + "\\2026-12-01.tmp"));
}

TEST_F(BackupFault, TheDayAfterAFailureTheBackupIsMade) {
    files_.setCapacity(300000);
    ASSERT_EQ(TakeDailyBackup(files_, kData, kMonday), BackupResult::Failed);
    files_.setCapacity(std::nullopt);
    EXPECT_EQ(TakeDailyBackup(files_, kData, {2026, 12, 8}), BackupResult::Made);
    EXPECT_TRUE(files_.hasFolder(std::string(kData) + "\\Backup\\2026-12-08"));
}

// Links and files where the backup wants its own folders, as a sync client or another program can
// leave them: what a link leads to survives whole, the day's copy is made, the clean-up still runs.
class BackupInTheWay : public BackupFault {
protected:
    static constexpr const char* kElsewhere = "C:\\Users\\Me\\Photos";
    const std::string backups_ = std::string(kData) + "\\Backup";

    BackupInTheWay() { Reset(); }
    void Reset() {
        files_ = MemoryFileSystem();
        for (const auto& [name, bytes] : DataFiles()) files_.putFile(kData + name, bytes);
        files_.putFile(std::string(kElsewhere) + "\\a.jpg", "a");
        files_.putFile(std::string(kElsewhere) + "\\Trip\\b.jpg", "b");
        files_.putFolder(backups_);
    }
    Tree Elsewhere() const {
        Tree tree;
        for (const auto& path : files_.paths()) {
            if (path.starts_with(kElsewhere)) tree[path] = *files_.file(path);
        }
        return tree;
    }
    // The day's folder holds the notes database as it is.
    bool NotesCopied(const std::string& day) const {
        return files_.file(backups_ + "\\" + day + "\\Notes") == DataFiles()["\\Notes"];
    }
};

TEST_F(BackupInTheWay, ALinkNamedLikeAScratchOrDayFolderIsNeverFollowed) {
    const struct {
        const char* where;
        const char* link;
        bool systemKeepsIt;  // as Wine does: a link it cannot remove without reaching its target
        bool linkStays;
    } cases[] = {
        {"today's scratch folder", "2026-12-07.tmp", false, false},
        {"today's scratch folder, kept by the system", "2026-12-07.tmp", true, true},
        {"another day's scratch folder", "2026-11-30.tmp", false, false},
        {"today's folder", "2026-12-07", false, false},
        {"an old day's folder, which is no copy of the program's", "2026-11-01", false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        Reset();
        files_.putLink(backups_ + "\\" + c.link, kElsewhere);
        const Tree before = Elsewhere();
        if (c.systemKeepsIt) files_.failNext(MemoryFileSystem::Op::RemoveFolder);

        EXPECT_EQ(TakeDailyBackup(files_, kData, kMonday), BackupResult::Made);
        EXPECT_EQ(Elsewhere(), before);
        EXPECT_TRUE(NotesCopied("2026-12-07"));
        EXPECT_EQ(files_.hasLink(backups_ + "\\" + c.link), c.linkStays);
        for (const auto& name : files_.listFolders(backups_)) EXPECT_FALSE(name.ends_with(".tmp")) << name;
    }
}

TEST_F(BackupInTheWay, LinksInsideAnOldCopyGoAsThemselvesWhenTheCopyIsRotatedOut) {
    for (int day = 1; day <= 7; ++day) ASSERT_EQ(TakeDailyBackup(files_, kData, {2026, 12, day}), BackupResult::Made);
    files_.putLink(backups_ + "\\2026-12-01\\Diary\\Photos", kElsewhere);
    files_.putLink(backups_ + "\\2026-12-01\\Names", std::string(kElsewhere) + "\\a.jpg");
    const Tree before = Elsewhere();
    ASSERT_EQ(TakeDailyBackup(files_, kData, {2026, 12, 8}), BackupResult::Made);
    EXPECT_EQ(Elsewhere(), before);
    EXPECT_EQ(files_.entry(backups_ + "\\2026-12-01"), platform::EntryKind::None);
    EXPECT_EQ(files_.entry(backups_ + "\\2026-12-01.tmp"), platform::EntryKind::None);
    EXPECT_EQ(files_.listFolders(backups_).size(), 7u);
}

TEST_F(BackupInTheWay, ABackupFolderThatIsALinkKeepsTheOtherFilesOfItsTarget) {
    files_ = MemoryFileSystem();
    Reset();
    ASSERT_TRUE(files_.removeFolder(backups_));
    files_.putLink(backups_, kElsewhere);
    const Tree before = Elsewhere();
    for (int day = 1; day <= 8; ++day) ASSERT_EQ(TakeDailyBackup(files_, kData, {2026, 12, day}), BackupResult::Made);
    Tree after = Elsewhere();
    std::erase_if(after,
                  [](const auto& entry) { return entry.first.starts_with(std::string(kElsewhere) + "\\2026-12-"); });
    EXPECT_EQ(after, before);
    EXPECT_EQ(files_.entry(std::string(kElsewhere) + "\\2026-12-01"), platform::EntryKind::None);
    EXPECT_EQ(files_.listFolders(kElsewhere).size(), 8u);  // seven copies and the user's own folder
    EXPECT_TRUE(NotesCopied("2026-12-08"));
}

TEST_F(BackupInTheWay, AFileWithADaysNameIsKeptAsideAndTheCopyIsMade) {
    const struct {
        const char* name;
        const char* keptAs;
    } cases[] = {{"2026-12-07", "2026-12-07.aside"}, {"2026-12-07.tmp", "2026-12-07.tmp"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Reset();
        files_.putFile(backups_ + "\\" + c.name, "mine");
        EXPECT_EQ(TakeDailyBackup(files_, kData, kMonday), BackupResult::Made);
        EXPECT_EQ(TakeDailyBackup(files_, kData, kMonday), BackupResult::AlreadyThere);
        EXPECT_TRUE(NotesCopied("2026-12-07"));
        EXPECT_EQ(files_.file(backups_ + "\\" + c.keptAs), "mine");
    }
}

}  // namespace
