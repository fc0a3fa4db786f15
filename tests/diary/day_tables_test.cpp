#include "diary/day_tables.h"

#include <gtest/gtest.h>

#include "app/datafiles.h"
#include "support/app_fixture.h"
#include "support/file_systems.h"

namespace {

using app::kEmptyDiaryCell;
using testing_support::AppTest;

// Lines of a 366-line file (February with 29 days) with `text` at the line of (month, day).
int RecurringLine(int month, int day) {
    constexpr int kFirstLine[13] = {0, 1, 32, 61, 92, 122, 153, 183, 214, 245, 275, 306, 336};
    return kFirstLine[month] + day - 1;
}

std::size_t NoteLine(int month, int day) {
    return static_cast<std::size_t>(RecurringLine(month, day) - 1);
}

std::size_t YearLine(int month, int day) {
    return static_cast<std::size_t>((month - 1) * app::kYearFileDaysPerMonth + day - 1);
}

std::vector<std::string> Lines(int count, const std::string& fill) {
    return std::vector<std::string>(static_cast<std::size_t>(count), fill);
}

class DayTables : public AppTest {
protected:
    DayTables() {
        module->DataPath = kDataPath;
        platform.memoryFiles().putFolder(data("\\Diary"));
    }

    void putLines(const std::string& name, const std::vector<std::string>& lines) {
        putFile(name, app::JoinLines(lines));
    }
    std::vector<std::string> lines(const std::string& name) { return app::SplitLines(file(name)); }
    void loadYear(int year) {
        module->CurYear = year;
        app::LoadYear(platform.memoryFiles(), *module);
    }
    app::SaveReport save() { return app::SaveDiary(platform.memoryFiles(), *module, kToday); }

    static constexpr platform::DateTime kToday{2026, 12, 7, 10, 0, 0};
};

TEST(YearFile, NamesTheYearWithFourDigits) {
    EXPECT_EQ(app::YearFile(100), "\\Diary\\0100");
    EXPECT_EQ(app::YearFile(999), "\\Diary\\0999");
    EXPECT_EQ(app::YearFile(2002), "\\Diary\\2002");
    EXPECT_EQ(app::YearFile(9999), "\\Diary\\9999");
}

TEST_F(DayTables, LeapYearRuleAtItsBoundaries) {
    const struct {
        int year;
        int february;
    } cases[] = {{1900, 28}, {2000, 29}, {2004, 29}, {2100, 28}, {2023, 28},
                 {2024, 29}, {100, 28},  {400, 29},  {9996, 29}, {9999, 28}};
    for (const auto& c : cases) {
        loadYear(c.year);
        EXPECT_EQ(module->DaysInMonth[2], c.february) << c.year;
        EXPECT_EQ(module->NotLeapYear, c.february == 28 ? 1 : 0) << c.year;
    }
}

TEST(DiaryCell, ReadsCodeAndText) {
    const struct {
        std::string cell;
        bool bold;
        platform::ColorRef color;
        std::string text;
        bool hasLine;
    } cases[] = {
        {"BR###Meeting", true, 0x001020D0, "Meeting", true},
        {"#####", false, 0x000000, "", false},
        {"B####", true, 0x000000, "", false},  // a formatted empty line is no line
        {"#Y###x", false, 0x000090B0, "x", true},
        {"#G###x", false, 0x00208000, "x", true},
        {"#B###x", false, 0x00A04000, "x", true},  // "B" in the second place is blue
        {"XQ###x", false, 0x000000, "x", true},    // characters never written: normal and black
        // Damaged cells, shorter than the code: the missing characters count as "#".
        {"", false, 0x000000, "", false},
        {"B", true, 0x000000, "", false},
        {"BR", true, 0x001020D0, "", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(app::DiaryBold(c.cell), c.bold) << c.cell;
        EXPECT_EQ(app::DiaryColor(c.cell), c.color) << c.cell;
        EXPECT_EQ(app::DiaryText(c.cell), c.text) << c.cell;
        EXPECT_EQ(app::HasDiaryLine(c.cell), c.hasLine) << c.cell;
    }
}

TEST(NamesEntry, MarkAndText) {
    EXPECT_TRUE(app::IsHoliday("*New Year"));
    EXPECT_EQ(app::NameDayText("*New Year"), "New Year");
    EXPECT_FALSE(app::IsHoliday(" Peter"));
    EXPECT_EQ(app::NameDayText(" Peter"), "Peter");
    EXPECT_FALSE(app::IsHoliday(""));
    EXPECT_EQ(app::NameDayText(""), "");
    EXPECT_EQ(app::NameDayText(" "), "");
}

TEST_F(DayTables, StartUpLoadMapsEveryLineToItsDate) {
    std::vector<std::string> names(366);
    std::vector<std::string> reminders(366);
    for (int i = 0; i < 366; ++i) {
        names[static_cast<std::size_t>(i)] = " name" + std::to_string(i + 1);
        reminders[static_cast<std::size_t>(i)] = "note" + std::to_string(i + 1);
    }
    putLines("\\Names", names);
    putLines("\\Reminder", reminders);
    module->Diary(5, 5) = "stale";
    app::LoadDayTables(platform.memoryFiles(), *module);

    for (auto [m, d] : {std::pair{1, 1}, {1, 31}, {2, 1}, {2, 29}, {3, 1}, {6, 30}, {12, 1}, {12, 31}}) {
        const std::string line = std::to_string(RecurringLine(m, d));
        EXPECT_EQ(module->Names(m, d), " name" + line) << m << "/" << d;
        EXPECT_EQ(module->Reminders(m, d), "note" + line) << m << "/" << d;
    }
    EXPECT_EQ(module->Names(2, 30), "");  // impossible dates have no line
    EXPECT_EQ(module->Diary(5, 5), "");
}

TEST_F(DayTables, ShortOrMissingRecurringFilesLeaveTheRestEmpty) {
    putLines("\\Names", {"*A", " B", " C"});
    app::LoadDayTables(platform.memoryFiles(), *module);
    EXPECT_EQ(module->Names(1, 1), "*A");
    EXPECT_EQ(module->Names(1, 3), " C");
    EXPECT_EQ(module->Names(1, 4), "");
    EXPECT_EQ(module->Names(12, 31), "");
    EXPECT_EQ(module->Reminders(1, 1), "");  // "\Reminder" is missing
}

TEST_F(DayTables, YearFileMapsThirtyOneLinesPerMonth) {
    std::vector<std::string> year(372);
    for (int i = 0; i < 372; ++i) year[static_cast<std::size_t>(i)] = "#####line" + std::to_string(i + 1);
    putLines("\\Diary\\2002", year);
    loadYear(2002);
    EXPECT_EQ(module->Diary(1, 1), "#####line1");
    EXPECT_EQ(module->Diary(2, 1), "#####line32");
    EXPECT_EQ(module->Diary(2, 30), "#####line61");  // impossible dates keep their lines
    EXPECT_EQ(module->Diary(12, 31), "#####line372");
}

TEST_F(DayTables, DamagedYearFilesLoadWhatTheyHold) {
    const struct {
        std::string name;
        std::string content;
        std::string first;
        std::string third;
        std::string last;
    } cases[] = {
        {"missing", "", kEmptyDiaryCell, kEmptyDiaryCell, kEmptyDiaryCell},
        {"short", "#####a\r\n#####b\r\n", "#####a", kEmptyDiaryCell, kEmptyDiaryCell},
        {"long", app::JoinLines(Lines(400, "BR###x")), "BR###x", "BR###x", "BR###x"},
        {"lines shorter than the code", "\r\nB\r\nBR\r\n", kEmptyDiaryCell, "BR###", kEmptyDiaryCell},
        {"no line end at the end", "#####a\r\n#####b", "#####a", kEmptyDiaryCell, kEmptyDiaryCell},
    };
    for (const auto& c : cases) {
        if (c.name != "missing") putFile("\\Diary\\2030", c.content);
        module->Diary(1, 3) = "left over";
        loadYear(2030);
        EXPECT_EQ(module->Diary(1, 1), c.first) << c.name;
        EXPECT_EQ(module->Diary(1, 3), c.third) << c.name;
        EXPECT_EQ(module->Diary(12, 31), c.last) << c.name;
        EXPECT_FALSE(module->DiaryDirty) << c.name;
    }
    putFile("\\Diary\\2031", "\r\nB\r\n");
    loadYear(2031);
    EXPECT_EQ(module->Diary(1, 2), "B####");
}

TEST_F(DayTables, HiddenOrUnreadableYearFileGivesAnEmptyYear) {
    platform.memoryFiles().putFile(data("\\Diary\\2030"), "#####secret\r\n", true);
    loadYear(2030);
    EXPECT_EQ(module->Diary(1, 1), kEmptyDiaryCell);
    putFile("\\Diary\\2031", "#####x\r\n");
    platform.memoryFiles().setUnreadable(data("\\Diary\\2031"));
    loadYear(2031);
    EXPECT_EQ(module->Diary(1, 1), kEmptyDiaryCell);
}

TEST_F(DayTables, SavedYearReadsBackUnchanged) {
    loadYear(100);
    module->Diary(1, 1) = "BR###First";
    module->Diary(2, 29) = "#####leap day in a common year";
    module->Diary(12, 31) = "B####";  // formatted, no text
    module->DiaryDirty = true;
    EXPECT_TRUE(save().failures.empty());
    EXPECT_FALSE(module->DiaryDirty);

    const auto written = lines("\\Diary\\0100");
    ASSERT_EQ(written.size(), 372u);
    EXPECT_EQ(written[0], "BR###First");
    EXPECT_EQ(written[31 + 28], "#####leap day in a common year");
    EXPECT_EQ(written[371], "B####");
    EXPECT_EQ(file("\\Diary\\0100").substr(0, 12), "BR###First\r\n");

    module->Diary(1, 1) = "changed";
    loadYear(100);
    EXPECT_EQ(module->Diary(1, 1), "BR###First");
    EXPECT_EQ(module->Diary(12, 31), "B####");
}

TEST_F(DayTables, RemindersAreSavedWithTheTwentyNinthOfFebruaryInEveryYear) {
    putLines("\\Names", Lines(366, " "));
    loadYear(2023);
    module->Reminders(2, 29) = "Leap birthday";
    module->Reminders(3, 1) = "Spring";
    module->RemindersDirty = true;
    EXPECT_TRUE(save().failures.empty());
    EXPECT_FALSE(module->RemindersDirty);
    EXPECT_EQ(module->DaysInMonth[2], 28);  // the shown year keeps its February

    const auto written = lines("\\Reminder");
    ASSERT_EQ(written.size(), 366u);
    EXPECT_EQ(written[static_cast<std::size_t>(RecurringLine(2, 29) - 1)], "Leap birthday");
    EXPECT_EQ(written[static_cast<std::size_t>(RecurringLine(3, 1) - 1)], "Spring");
    EXPECT_EQ(file("\\Names"), app::JoinLines(Lines(366, " ")));
    EXPECT_EQ(file("\\Diary\\2023"), "<missing>");  // the diary was not changed

    app::LoadDayTables(platform.memoryFiles(), *module);
    EXPECT_EQ(module->Reminders(2, 29), "Leap birthday");
}

TEST_F(DayTables, NothingIsWrittenWhenNothingChanged) {
    loadYear(2030);
    loadYear(2031);
    EXPECT_TRUE(save().failures.empty());
    EXPECT_EQ(platform.memoryFiles().writeCount(), 0);
}

TEST_F(DayTables, ClearingTheLastLineStillRewritesTheYear) {
    putFile("\\Diary\\2030", "#####only\r\n");
    loadYear(2030);
    module->Diary(1, 1) = kEmptyDiaryCell;
    module->DiaryDirty = true;
    EXPECT_TRUE(save().failures.empty());
    EXPECT_EQ(file("\\Diary\\2030"), app::JoinLines(Lines(372, kEmptyDiaryCell)));
}

TEST_F(DayTables, FailedSaveKeepsTheChangesDirtyAndTheOldFilesWhole) {
    putFile("\\Diary\\2030", "#####old\r\n");
    putLines("\\Reminder", Lines(366, "old"));
    loadYear(2030);
    module->Diary(1, 1) = "#####new";
    module->Reminders(1, 1) = "new";
    module->DiaryDirty = true;
    module->RemindersDirty = true;

    auto& files = platform.memoryFiles();
    const struct {
        std::string name;
        std::function<void()> fault;
        std::function<void()> mend;
        std::size_t failures;
    } cases[] = {
        {"read-only folders", [&] { files.setReadOnly(kDataPath); }, [&] { files.setReadOnly(kDataPath, false); }, 2},
        {"full disk", [&] { files.setCapacity(files.file(data("\\Reminder"))->size() + 20); },
         [&] { files.setCapacity(std::nullopt); }, 2},
        {"write error", [&] { files.failNext(platform::headless::MemoryFileSystem::Op::Write); }, [] {}, 1},
    };
    for (const auto& c : cases) {
        module->DiaryDirty = true;
        module->RemindersDirty = true;
        c.fault();
        const auto failures = save().failures;
        c.mend();
        ASSERT_EQ(failures.size(), c.failures) << c.name;
        EXPECT_EQ(failures[0].rfind(data("\\Diary\\2030") + ": ", 0), 0u) << c.name << ": " << failures[0];
        EXPECT_TRUE(module->DiaryDirty) << c.name;
        EXPECT_EQ(module->RemindersDirty, c.failures == 2) << c.name;
        EXPECT_EQ(file("\\Diary\\2030"), "#####old\r\n") << c.name;
        EXPECT_EQ(module->Diary(1, 1), "#####new") << c.name;
    }

    // The next save point tries again.
    module->RemindersDirty = true;
    EXPECT_TRUE(save().failures.empty());
    EXPECT_FALSE(module->DiaryDirty);
    EXPECT_FALSE(module->RemindersDirty);
    EXPECT_EQ(lines("\\Diary\\2030")[0], "#####new");
    EXPECT_EQ(lines("\\Reminder")[0], "new");
}

// Another copy of the files, as a sync client brings it from another computer, written over
// them while the program runs.
class SyncedFiles : public DayTables {
protected:
    SyncedFiles() {
        year = Lines(372, kEmptyDiaryCell);
        year[YearLine(1, 1)] = "#####seen by both";
        reminders = Lines(366, "");
        putLines("\\Diary\\2030", year);
        putLines("\\Reminder", reminders);
        app::LoadDayTables(platform.memoryFiles(), *module);
        loadYear(2030);
    }
    // Writes the other copy's lines, as the sync client renames its file over the old one.
    void arrive() {
        putLines("\\Diary\\2030", year);
        putLines("\\Reminder", reminders);
    }
    std::vector<std::string> year;
    std::vector<std::string> reminders;
};

TEST_F(SyncedFiles, LinesChangedOutsideAndHereAreBothSavedAndAClashKeepsBoth) {
    module->Diary(1, 2) = "#####typed here";
    module->Diary(1, 4) = "BR###here";
    module->Reminders(1, 2) = "note here";
    module->Reminders(1, 4) = "note from here";
    module->DiaryDirty = true;
    module->RemindersDirty = true;
    year[YearLine(1, 3)] = "#####arrived";
    year[YearLine(1, 4)] = "#G###there";
    year[YearLine(1, 1)] = kEmptyDiaryCell;  // cleared on the other computer
    reminders[NoteLine(1, 3)] = "arrived note";
    reminders[NoteLine(1, 4)] = "note from there";
    arrive();

    const auto report = save();
    EXPECT_TRUE(report.failures.empty());
    EXPECT_FALSE(module->DiaryDirty);
    EXPECT_FALSE(module->RemindersDirty);

    const auto written = lines("\\Diary\\2030");
    ASSERT_EQ(written.size(), 372u);
    EXPECT_EQ(written[YearLine(1, 1)], kEmptyDiaryCell);
    EXPECT_EQ(written[YearLine(1, 2)], "#####typed here");
    EXPECT_EQ(written[YearLine(1, 3)], "#####arrived");
    EXPECT_EQ(written[YearLine(1, 4)], "BR###here <> there");
    const auto writtenNotes = lines("\\Reminder");
    ASSERT_EQ(writtenNotes.size(), 366u);
    EXPECT_EQ(writtenNotes[NoteLine(1, 2)], "note here");
    EXPECT_EQ(writtenNotes[NoteLine(1, 3)], "arrived note");
    EXPECT_EQ(writtenNotes[NoteLine(1, 4)], "note from here <> note from there");
    // The tables hold what was written, so the calendar shows the merge.
    for (int m = 1; m <= 12; ++m) {
        for (int d = 1; d <= 31; ++d) EXPECT_EQ(module->Diary(m, d), written[YearLine(m, d)]) << d << "." << m;
        for (int d = 1; d <= module->DaysInMonth[static_cast<std::size_t>(m)]; ++d) {
            EXPECT_EQ(module->Reminders(m, d), writtenNotes[NoteLine(m, d)]);
        }
    }

    ASSERT_EQ(report.clashes.size(), 2u);
    EXPECT_EQ(report.clashes[0].file, "Diary\\2030");
    EXPECT_EQ(report.clashes[1].file, "Reminder");
    for (const auto& clash : report.clashes) {
        EXPECT_EQ(std::pair(clash.month, clash.day), std::pair(1, 4)) << clash.file;
        EXPECT_EQ(clash.conflictFile, "") << clash.file;
    }
    EXPECT_EQ(file(app::ConflictFile(kToday)), "<missing>");

    // What was written is what the next save compares with: nothing clashes again.
    module->Diary(1, 5) = "#####later";
    module->DiaryDirty = true;
    EXPECT_TRUE(save().clashes.empty());
    EXPECT_EQ(lines("\\Diary\\2030")[YearLine(1, 4)], "BR###here <> there");
}

TEST_F(SyncedFiles, AClashTooLongForTheLineKeepsOursAndPutsBothTextsIntoTheConflictFile) {
    const std::string here(200, 'h');
    const std::string there(100, 't');
    module->Diary(3, 5) = "B####" + here;
    module->Reminders(6, 7) = "note " + here;
    module->DiaryDirty = true;
    module->RemindersDirty = true;
    year[YearLine(3, 5)] = "#####" + there;
    reminders[NoteLine(6, 7)] = "note " + there;
    arrive();
    putFile("\\Conflicts\\2026-12-07.txt", "earlier entry\r\n");

    const auto report = save();
    EXPECT_TRUE(report.failures.empty());
    EXPECT_EQ(module->Diary(3, 5), "B####" + here);
    EXPECT_EQ(lines("\\Diary\\2030")[YearLine(3, 5)], "B####" + here);
    EXPECT_EQ(module->Reminders(6, 7), "note " + here);

    const std::string conflicts = file(app::ConflictFile(kToday));
    EXPECT_EQ(conflicts.rfind("earlier entry\r\n", 0), 0u) << "entries are appended";
    const auto diaryEntry = conflicts.find("Diary\\2030 5.3.");
    const auto reminderEntry = conflicts.find("Reminder 7.6.");
    ASSERT_NE(diaryEntry, std::string::npos) << conflicts;
    ASSERT_NE(reminderEntry, std::string::npos) << conflicts;
    // Each entry holds both texts, the diary's without their codes.
    const std::string diaryPart = conflicts.substr(diaryEntry, reminderEntry - diaryEntry);
    EXPECT_NE(diaryPart.find(" " + here + "\r\n"), std::string::npos) << diaryPart;
    EXPECT_NE(diaryPart.find(" " + there + "\r\n"), std::string::npos) << diaryPart;
    EXPECT_NE(conflicts.find(" note " + here + "\r\n", reminderEntry), std::string::npos);
    EXPECT_NE(conflicts.find(" note " + there + "\r\n", reminderEntry), std::string::npos);

    ASSERT_EQ(report.clashes.size(), 2u);
    for (const auto& clash : report.clashes) EXPECT_EQ(clash.conflictFile, data(app::ConflictFile(kToday)));
}

TEST_F(SyncedFiles, AYearFileRemovedOutsideIsWrittenFromTheTable) {
    module->Diary(2, 2) = "#####mine";
    module->DiaryDirty = true;
    ASSERT_TRUE(platform.memoryFiles().removeFile(data("\\Diary\\2030")));
    const auto report = save();
    EXPECT_TRUE(report.failures.empty());
    EXPECT_TRUE(report.clashes.empty());
    EXPECT_EQ(lines("\\Diary\\2030")[YearLine(1, 1)], "#####seen by both");
    EXPECT_EQ(lines("\\Diary\\2030")[YearLine(2, 2)], "#####mine");
}

TEST_F(SyncedFiles, AYearIsMergedWithItsOwnLinesOnly) {
    // 2031 had no file when it was shown; its first file arrives from the other computer.
    loadYear(2031);
    module->Diary(1, 2) = "#####mine";
    module->DiaryDirty = true;
    auto other = Lines(372, kEmptyDiaryCell);
    other[YearLine(1, 1)] = "#####their 2031";
    putLines("\\Diary\\2031", other);

    const auto report = save();
    EXPECT_TRUE(report.clashes.empty());
    EXPECT_EQ(lines("\\Diary\\2031")[YearLine(1, 1)], "#####their 2031");
    EXPECT_EQ(lines("\\Diary\\2031")[YearLine(1, 2)], "#####mine");
    EXPECT_EQ(lines("\\Diary\\2030"), year);
}

// Lets the other copy arrive while the save runs: when the save's copy is complete under its
// ".new" name, just before it would take the file's place.
class ArrivalDuringSave : public testing_support::FaultyFileSystem {
public:
    using FaultyFileSystem::FaultyFileSystem;
    std::function<void()> arrive;

    platform::Status moveReplacing(const std::string& from, const std::string& to) override {
        if (arrive && to.ends_with(app::kWrittenSuffix)) arrive();
        return FaultyFileSystem::moveReplacing(from, to);
    }
};

TEST_F(SyncedFiles, ALineArrivingDuringTheSaveIsMergedAgain) {
    module->Diary(2, 1) = "#####mine";
    module->DiaryDirty = true;
    ArrivalDuringSave files(platform.memoryFiles());
    int arrivals = 0;
    files.arrive = [&] {
        if (arrivals++ > 0) return;
        year[YearLine(3, 1)] = "#####late";
        arrive();
    };

    const auto report = app::SaveDiary(files, *module, kToday);
    EXPECT_TRUE(report.failures.empty());
    EXPECT_EQ(arrivals, 2) << "written once more after the arrival";
    const auto written = lines("\\Diary\\2030");
    EXPECT_EQ(written[YearLine(2, 1)], "#####mine");
    EXPECT_EQ(written[YearLine(3, 1)], "#####late");
    EXPECT_EQ(module->Diary(3, 1), "#####late");
    EXPECT_EQ(platform.memoryFiles().listFiles(data("\\Diary")), (std::vector<std::string>{"2030"}));
}

TEST_F(SyncedFiles, AFileRewrittenAtEverySaveIsStillSaved) {
    module->Diary(2, 1) = "#####mine";
    module->DiaryDirty = true;
    ArrivalDuringSave files(platform.memoryFiles());
    int arrivals = 0;
    files.arrive = [&] {
        year[YearLine(3, 1)] = "#####late " + std::to_string(++arrivals);
        arrive();
    };

    const auto report = app::SaveDiary(files, *module, kToday);
    EXPECT_TRUE(report.failures.empty());
    EXPECT_FALSE(module->DiaryDirty);
    const auto written = lines("\\Diary\\2030");
    EXPECT_EQ(written[YearLine(2, 1)], "#####mine");
    // The last write waits for nothing, so the arrival during it is the one line lost.
    EXPECT_EQ(written[YearLine(3, 1)], "#####late " + std::to_string(arrivals - 1));
    EXPECT_EQ(platform.memoryFiles().listFiles(data("\\Diary")), (std::vector<std::string>{"2030"}));
}

class WithoutDiaryFolder : public AppTest {
protected:
    WithoutDiaryFolder() {
        module->DataPath = kDataPath;
        platform.memoryFiles().putFolder(kDataPath);
    }
    app::SaveReport save() { return app::SaveDiary(platform.memoryFiles(), *module, platform.now()); }
};

TEST_F(WithoutDiaryFolder, SaveMakesTheFolderAgain) {
    module->CurYear = 2030;
    module->Diary(1, 1) = "#####x";
    module->DiaryDirty = true;
    EXPECT_TRUE(save().failures.empty());
    EXPECT_TRUE(platform.memoryFiles().hasFolder(data("\\Diary")));
    EXPECT_EQ(file("\\Diary\\2030").substr(0, 8), "#####x\r\n");
}

}  // namespace
