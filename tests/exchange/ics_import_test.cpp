// The iCalendar import: what it plans and writes, the round trip through the program's own export,
// a second import that adds nothing, texts added after a day's text and never over it, the code
// page, and damaged files that change nothing.
#include "exchange/ics_import.h"

#include <gtest/gtest.h>

#include "alarm/alarm_file.h"
#include "app/data_file_names.h"
#include "app/datafiles.h"
#include "exchange/ics_export.h"
#include "platform/headless/memory_file_system.h"

namespace {

using exchange::ImportPlan;
using exchange::PlanImport;
using exchange::ReadCalendar;

constexpr platform::DateTime kToday{2026, 12, 7, 10, 0, 0};
constexpr const char* kData = "C:\\Orvane\\NotesDat";
constexpr const char* kOther = "C:\\Elsewhere\\NotesDat";

std::string Calendar(const std::string& events) {
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//EN\r\n" + events + "END:VCALENDAR\r\n";
}

std::string Event(const std::string& lines) {
    return "BEGIN:VEVENT\r\nUID:x\r\n" + lines + "END:VEVENT\r\n";
}

class IcsImportTest : public ::testing::Test {
protected:
    IcsImportTest() {
        for (const char* folder : {kData, kOther}) {
            files.putFolder(folder);
            files.putFolder(std::string(folder) + "\\Diary");
        }
        Open(values, kData);
    }

    void Open(app::SharedValues& v, const std::string& folder) {
        v.DataPath = folder;
        v.CurYear = 2026;
        app::LoadDayTables(files, v);
        app::LoadYear(files, v);
    }

    ImportPlan Plan(const std::string& content, int offset = 0) {
        return PlanImport(
            ReadCalendar(content, offset), [&](int year) { return exchange::CellsOf(files, values, year); },
            values.Reminders);
    }

    app::SaveReport Import(const std::string& content) {
        return exchange::ApplyImport(files, values, Plan(content), kToday);
    }

    std::string Cell(int year, int month, int day) {
        const auto lines = app::ReadLines(files, values.Path(app::YearFile(year)));
        if (!lines) return "<no file>";
        return (*lines)[static_cast<std::size_t>((month - 1) * 31 + day - 1)];
    }

    platform::headless::MemoryFileSystem files;
    app::SharedValues values;
};

TEST_F(IcsImportTest, EventsBecomeLinesAndYearlyEventsNotes) {
    const auto report =
        Import(Calendar(Event("DTSTART;VALUE=DATE:20261224\r\nDTEND;VALUE=DATE:20261225\r\nSUMMARY:Christmas Eve\r\n") +
                        Event("DTSTART:20250310T090500\r\nSUMMARY:Dentist\\, room 4\r\n") +
                        Event("DTSTART;VALUE=DATE:19800704\r\nRRULE:FREQ=YEARLY\r\nSUMMARY:Sam's birthday\r\n") +
                        Event("DTSTART:20000101T073000\r\nRRULE:FREQ=YEARLY;INTERVAL=1\r\nSUMMARY:New year run\r\n")));
    EXPECT_TRUE(report.failures.empty());
    EXPECT_EQ(Cell(2026, 12, 24), "#####Christmas Eve");
    EXPECT_EQ(Cell(2025, 3, 10), "#####[9:05] Dentist, room 4") << "another year's file";
    EXPECT_EQ(values.Reminders(7, 4), "Sam's birthday");
    EXPECT_EQ(values.Reminders(1, 1), "[7:30] New year run");
    const auto reminder = app::ReadLines(files, values.Path(app::kReminderFile));
    ASSERT_TRUE(reminder);
    EXPECT_EQ((*reminder)[183 + 3 - 1], "Sam's birthday") << "July begins at line 183";
    EXPECT_FALSE(values.DiaryDirty);
    EXPECT_FALSE(values.RemindersDirty);
}

TEST_F(IcsImportTest, UtcTimesAreMovedToLocalTime) {
    Import(Calendar(Event("DTSTART:20261207T130000Z\r\nSUMMARY:Call\r\n") +
                    Event("DTSTART;TZID=Europe/Paris:20261208T130000\r\nSUMMARY:Wall clock\r\n")));
    EXPECT_EQ(Cell(2026, 12, 7), "#####[13:00] Call") << "no offset given";
    const auto plan = Plan(Calendar(Event("DTSTART:20261231T233000Z\r\nSUMMARY:Midnight\r\n")), 60);
    ASSERT_EQ(plan.changes.size(), 1u);
    EXPECT_EQ(plan.changes[0].year, 2027);
    EXPECT_EQ(plan.changes[0].month, 1);
    EXPECT_EQ(plan.changes[0].day, 1);
    EXPECT_EQ(plan.changes[0].texts, std::vector<std::string>{"[0:30] Midnight"});
    EXPECT_EQ(Cell(2026, 12, 8), "#####[13:00] Wall clock");
}

TEST_F(IcsImportTest, AClashIsAddedAfterTheTextThereAndNeverOverIt) {
    values.Diary(12, 9) = "BR###Meeting";
    values.Reminders(3, 3) = "Mum";
    const auto plan = Plan(Calendar(Event("DTSTART;VALUE=DATE:20261209\r\nSUMMARY:Dentist\r\n") +
                                    Event("DTSTART;VALUE=DATE:20001203\r\nRRULE:FREQ=YEARLY\r\nSUMMARY:Dad\r\n") +
                                    Event("DTSTART;VALUE=DATE:20000303\r\nRRULE:FREQ=YEARLY\r\nSUMMARY:Dad\r\n")));
    ASSERT_EQ(plan.changes.size(), 3u);
    EXPECT_TRUE(plan.changes[0].clash());
    EXPECT_EQ(plan.changes[0].after, "BR###Meeting <> Dentist") << "the line keeps its format";
    EXPECT_TRUE(plan.changes[1].clash()) << "3 March comes before 3 December";
    EXPECT_EQ(plan.changes[1].after, "Mum <> Dad");
    EXPECT_FALSE(plan.changes[2].clash());
    const auto preview = exchange::PreviewLines(plan);
    EXPECT_NE(std::find(preview.begin(), preview.end(), "9.12.2026  after \"Meeting\":  Dentist"), preview.end());
    EXPECT_TRUE(exchange::ApplyImport(files, values, plan, kToday).failures.empty());
    EXPECT_EQ(Cell(2026, 12, 9), "BR###Meeting <> Dentist");
    EXPECT_EQ(values.Reminders(3, 3), "Mum <> Dad");
}

TEST_F(IcsImportTest, ATextTooLongForItsLineIsLeftOutAndCounted) {
    const std::string long_text(250, 'a');
    values.Diary(12, 9) = "#####" + long_text;
    values.DiaryDirty = true;
    ASSERT_TRUE(app::SaveDiary(files, values, kToday).failures.empty());
    const std::string before = Cell(2026, 12, 9);
    const auto plan = Plan(Calendar(Event("DTSTART;VALUE=DATE:20261209\r\nSUMMARY:Dentist at the hospital\r\n") +
                                    Event("DTSTART;VALUE=DATE:20261210\r\nSUMMARY:" + std::string(257, 'b') + "\r\n")));
    EXPECT_TRUE(plan.changes.empty());
    ASSERT_EQ(plan.notFitting.size(), 2u);
    EXPECT_EQ(plan.notFitting[0], "9.12.2026: Dentist at the hospital");
    const auto preview = exchange::PreviewLines(plan);
    EXPECT_NE(std::find(preview.begin(), preview.end(), "Left out: 9.12.2026: Dentist at the hospital"), preview.end());
    EXPECT_NE(std::find(preview.begin(), preview.end(), "2 text(s) too long for their line, left out (listed below)."),
              preview.end());
    exchange::ApplyImport(files, values, plan, kToday);
    EXPECT_EQ(Cell(2026, 12, 9), before);
}

TEST_F(IcsImportTest, CharactersOutsideTheCodePageAreReplacedAndCounted) {
    const auto plan =
        Plan(Calendar(Event("DTSTART;VALUE=DATE:20261209\r\nSUMMARY:\xC4\x8D"
                            "aj for 5 \xE2\x82\xAC "
                            "\xE2\x9C\x93\r\n")));
    ASSERT_EQ(plan.changes.size(), 1u);
    EXPECT_EQ(plan.changes[0].texts[0], "?aj for 5 \x80 ?");
    EXPECT_EQ(plan.replaced, 2);
    const auto preview = exchange::PreviewLines(plan);
    EXPECT_NE(std::find(preview.begin(), preview.end(),
                        "2 character(s) the calendar's code page cannot hold, written as \"?\"."),
              preview.end());
}

TEST_F(IcsImportTest, WhatTheCalendarCannotHoldIsCountedNotTaken) {
    const auto plan = Plan(Calendar(
        Event("DTSTART;VALUE=DATE:20261209\r\nRRULE:FREQ=WEEKLY;BYDAY=MO\r\nSUMMARY:Weekly\r\n") +
        Event("DTSTART;VALUE=DATE:20260510\r\nRRULE:FREQ=YEARLY;BYMONTH=5;BYDAY=2SU\r\nSUMMARY:Mother's day\r\n") +
        Event("DTSTART;VALUE=DATE:00501209\r\nSUMMARY:Too early\r\n") +
        Event("DTSTART;VALUE=DATE:20261209\r\nSTATUS:CANCELLED\r\nSUMMARY:Off\r\n") +
        Event("DTSTART;VALUE=DATE:20261209\r\n") + Event("DTSTART:2026-12-09\r\nSUMMARY:Odd date\r\n") +
        Event("DTSTART;VALUE=DATE:20260230\r\nSUMMARY:No such day\r\n") + Event("SUMMARY:No start\r\n")));
    EXPECT_TRUE(plan.changes.empty());
    EXPECT_EQ(plan.otherRepeats, 2);
    EXPECT_EQ(plan.outsideYears, 1);
    EXPECT_EQ(plan.cancelled, 1);
    EXPECT_EQ(plan.withoutText, 1);
    EXPECT_EQ(plan.unreadable, 3);
}

TEST_F(IcsImportTest, ADamagedOrEmptyFileIsSaidAndChangesNothing) {
    values.Diary(12, 9) = "#####Meeting";
    const struct {
        std::string content;
        std::string error;
    } cases[] = {
        {"", "The file is empty."},
        {"\r\n\r\n", "The file is empty."},
        {"Dear Anna,\r\nsee you soon\r\n", "not an iCalendar file"},
        {"BEGIN:VEVENT\r\nEND:VEVENT\r\n", "not an iCalendar file"},
        {"BEGIN:VCALENDAR\r\n" + Event("DTSTART;VALUE=DATE:20261209\r\nSUMMARY:x\r\n"), "ends before END:VCALENDAR"},
        {"BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nDTSTART;VALUE=DATE:20261209\r\nSUMMARY:x\r\n", "ends before END:VEVENT"},
        {"BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nSUMMARY:x\r\nEND:VCALENDAR\r\n",
         "line 4 ends VCALENDAR, but VEVENT is open"},
    };
    for (const auto& c : cases) {
        const auto read = ReadCalendar(c.content, 0);
        EXPECT_NE(read.error.find(c.error), std::string::npos) << read.error;
        EXPECT_TRUE(read.events.empty());
        const auto plan = PlanImport(
            read, [&](int year) { return exchange::CellsOf(files, values, year); }, values.Reminders);
        EXPECT_TRUE(plan.changes.empty());
    }
    EXPECT_EQ(values.Diary(12, 9), "#####Meeting");
}

TEST_F(IcsImportTest, AFailedWriteIsReportedAndKeepsTheImportInMemory) {
    files.setReadOnly(kData);
    files.setReadOnly(std::string(kData) + "\\Diary");
    const auto report = Import(Calendar(Event("DTSTART;VALUE=DATE:20261209\r\nSUMMARY:Dentist\r\n") +
                                        Event("DTSTART;VALUE=DATE:20000303\r\nRRULE:FREQ=YEARLY\r\nSUMMARY:Mum\r\n")));
    EXPECT_EQ(report.failures.size(), 2u);
    EXPECT_EQ(values.Diary(12, 9), "#####Dentist");
    EXPECT_TRUE(values.DiaryDirty) << "the next save tries again";
    EXPECT_EQ(values.Reminders(3, 3), "Mum");
    EXPECT_TRUE(values.RemindersDirty);
}

// The program's own export, imported into an empty data folder, gives the same lines and notes;
// importing it again adds nothing.
TEST_F(IcsImportTest, TheOwnExportComesBackWholeAndASecondImportAddsNothing) {
    app::SharedValues source;
    source.DataPath = kOther;
    source.CurYear = 2026;
    app::LoadDayTables(files, source);
    app::LoadYear(files, source);
    source.Diary(12, 7) = "BR###Dentist [14:15], bring the card; ask about \\ fees";
    source.Diary(12, 8) = "#G###Caf\xE9 [9:00] and lunch [12:30]";
    source.Diary(1, 1) = "#B###" + std::string(250, 'n');
    source.Diary(3, 1) = "B####";
    source.DiaryDirty = true;
    source.Reminders(2, 29) = "Leap day";
    source.Reminders(5, 1) = "May day [7:30]";
    source.Reminders(12, 31) = "Eve; party, \x80 10";
    source.RemindersDirty = true;
    ASSERT_TRUE(app::SaveDiary(files, source, kToday).failures.empty());
    app::SharedValues past = source;
    past.CurYear = 2024;
    app::LoadYear(files, past);
    past.Diary(2, 29) = "#Y###Leap";
    past.DiaryDirty = true;
    ASSERT_TRUE(app::SaveDiary(files, past, kToday).failures.empty());
    files.putFile(std::string(kOther) + "\\Alarm", app::JoinLines(alarms::AlarmLines(1, {"", "8:00 pills"}, {})));

    std::string why;
    const auto data = exchange::ReadCalendarData(files, kOther, std::nullopt, &why);
    ASSERT_TRUE(data) << why;
    const std::string file = exchange::WriteCalendar(*data, kToday);

    const auto plan = Plan(file);
    EXPECT_EQ(plan.otherRepeats, 1) << "the alarm table's monthly time is not taken";
    EXPECT_TRUE(plan.notFitting.empty());
    EXPECT_EQ(plan.replaced, 0);
    ASSERT_TRUE(exchange::ApplyImport(files, values, plan, kToday).failures.empty());
    for (const int year : {2024, 2026}) {
        const auto imported = app::ReadLines(files, values.Path(app::YearFile(year)));
        const auto original = app::ReadLines(files, std::string(kOther) + app::YearFile(year));
        ASSERT_TRUE(imported) << year;
        ASSERT_TRUE(original) << year;
        ASSERT_EQ(imported->size(), original->size());
        // A code without a text is no line, and has no event.
        for (std::size_t i = 0; i < imported->size(); ++i) {
            const std::string& line = (*original)[i];
            EXPECT_EQ((*imported)[i], app::HasDiaryLine(line) ? line : app::kEmptyDiaryCell) << year << " " << i;
        }
    }
    EXPECT_EQ(app::ReadLines(files, values.Path(app::kReminderFile)),
              app::ReadLines(files, std::string(kOther) + app::kReminderFile));

    const auto again = Plan(file);
    EXPECT_TRUE(again.changes.empty());
    EXPECT_EQ(again.added, 0);
    EXPECT_GT(again.alreadyThere, 0);
}

}  // namespace
