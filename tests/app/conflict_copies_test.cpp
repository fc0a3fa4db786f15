// The copies sync clients leave beside a data file when two computers changed it at once.
#include "app/conflict_copies.h"

#include <gtest/gtest.h>

#include "app/conflict_file.h"
#include "app/datafiles.h"
#include "app/main_window.h"
#include "app/tray_icon.h"
#include "support/app_fixture.h"

namespace {

using testing_support::AppTest;

struct NameCase {
    const char* name;
    const char* dataName;
    bool copy;
};

TEST(ConflictCopyNames, TheClientsMarksBetweenStemAndExtensionAreCopiesAndNothingElse) {
    const NameCase cases[] = {
        {"Notes (conflicted copy 2026-12-07)", "Notes", true},
        {"Notes (LAPTOP's conflicted copy 2026-12-07)", "Notes", true},
        {"Notes (conflicted copy 2026-12-07 101500).ini", "Notes.ini", true},
        {"Notes.sync-conflict-20261207-101500-ABC1234", "Notes", true},
        {"Notes.sync-conflict-20261207-101500-ABC1234.ini", "Notes.ini", true},
        {"2026-LAPTOP", "2026", true},
        {"Alarm-DESK_2", "Alarm", true},
        {"Notes-LAPTOP.ini", "Notes.ini", true},
        // Not copies: the files themselves, other data files, scratch names, other marks.
        {"Notes", "Notes", false},
        {"Notes.ini", "Notes", false},
        {"Notes.new", "Notes", false},
        {"Notes.tmp", "Notes", false},
        {"Notes (conflicted copy 2026-12-07).ini", "Notes", false},
        {"Notes.sync-conflict-20261207-101500-ABC1234.ini", "Notes", false},
        {"Notes-LAPTOP.ini", "Notes", false},
        {"Notes (copy)", "Notes", false},
        {"Notes-", "Notes", false},
        {"Alarm.wav", "Alarm", false},
        {"Reminder", "Names", false},
    };
    for (const auto& c : cases) EXPECT_EQ(app::IsConflictCopyOf(c.name, c.dataName), c.copy) << c.name;
}

class ConflictCopies : public AppTest {
protected:
    static std::vector<std::string> Year() { return std::vector<std::string>(372, "#####"); }
};

TEST_F(ConflictCopies, AYearCopyIsMergedAtStartAndMovedIntoTheConflictsFolder) {
    auto ours = Year();
    ours[0] = "#####ours";
    ours[1] = "#####both";
    auto theirs = Year();
    theirs[1] = "B####theirs";
    theirs[2] = "#####only theirs";
    putFile("\\Diary\\2026", app::JoinLines(ours));
    putFile("\\Diary\\2026-LAPTOP", app::JoinLines(theirs));
    platform.setTime({2026, 12, 7, 10, 0, 0});
    ASSERT_TRUE(Start());

    const auto written = app::SplitLines(file("\\Diary\\2026"));
    ASSERT_EQ(written.size(), 372u);
    EXPECT_EQ(written[0], "#####ours");
    EXPECT_EQ(written[1], "#####both <> theirs");
    EXPECT_EQ(written[2], "#####only theirs");
    EXPECT_EQ(module->Diary(1, 3), "#####only theirs");
    EXPECT_EQ(file("\\Diary\\2026-LAPTOP"), "<missing>");
    EXPECT_EQ(file("\\Conflicts\\2026-LAPTOP"), app::JoinLines(theirs));
}

TEST_F(ConflictCopies, ACopyArrivingWhileRunningIsMergedAtTheNextLookAndNeverOverwritesAnotherKeptCopy) {
    ASSERT_TRUE(Start());
    std::string copy = app::RecordFile::EmptyDatabase(40);
    app::RecordFile::Put(copy, 40, "a note from the laptop");
    putFile("\\Conflicts\\Notes (conflicted copy 2026-12-07)", "kept earlier");
    putFile("\\Notes (conflicted copy 2026-12-07)", copy);
    platform.trayMessage(app::kTrayRightPress);

    EXPECT_EQ(app::RecordFile::RecordIn(file("\\Notes"), 40), "a note from the laptop");
    EXPECT_EQ(file("\\Notes (conflicted copy 2026-12-07)"), "<missing>");
    EXPECT_EQ(file("\\Conflicts\\Notes (conflicted copy 2026-12-07)"), "kept earlier");
    EXPECT_EQ(file("\\Conflicts\\Notes (conflicted copy 2026-12-07) (2)"), copy);
    // The note opens as one that arrived.
    EXPECT_EQ(module->Notes.size(), 1u);
}

TEST_F(ConflictCopies, ANoteBothHoldDifferentlyGoesIntoAFreeRecord) {
    std::string ours = app::RecordFile::EmptyDatabase(40);
    app::RecordFile::Put(ours, 3, "ours");
    std::string theirs = app::RecordFile::EmptyDatabase(40);
    app::RecordFile::Put(theirs, 3, "theirs");
    putFile("\\Notes", ours);
    putFile("\\Notes.sync-conflict-20261207-101500-ABC1234", theirs);
    ASSERT_TRUE(Start());
    EXPECT_EQ(app::RecordFile::RecordIn(file("\\Notes"), 3), "ours");
    EXPECT_EQ(app::RecordFile::RecordIn(file("\\Notes"), 40), "theirs");
}

}  // namespace
