// The restore window: its button beside the Alarms button, the list of binned notes and daily
// copies newest first, and the restores of a binned note, a day line, a recurring note and a note
// of a copy, each written through the calendar's own save.
#include "restore/restore_window.h"

#include <gtest/gtest.h>

#include "app/datafiles.h"
#include "app/main_window.h"
#include "diary/day_tables.h"
#include "notes/note_bin.h"
#include "notes/note_record.h"
#include "notes/note_window.h"
#include "support/app_fixture.h"

namespace {

using platform::headless::DialogCall;
using testing_support::AppTest;

constexpr platform::DateTime kNow{2026, 12, 7, 9, 0, 0};

// A year file of 372 empty days with one line set.
std::string YearFileWith(int month, int day, const std::string& cell) {
    std::vector<std::string> lines(372, app::kEmptyDiaryCell);
    lines[static_cast<std::size_t>((month - 1) * 31 + day - 1)] = cell;
    return app::JoinLines(lines);
}

std::string NoteString(const std::string& text, platform::ColorRef back) {
    notes::NoteFields fields{400, 300, 200, 150, false, 0, false, 10, "Arial", 0x000080, back};
    return notes::BuildNoteString(fields, text);
}

class RestoreTest : public AppTest {
protected:
    void SetUp() override {
        platform.setTime(kNow);
        ASSERT_TRUE(Start());
        module->Diar->form().show();
    }
    restore::RestoreWindow& window() { return *module->Restore; }
    // A daily copy of `day` holding the given files.
    void PutCopy(const std::string& day, const std::map<std::string, std::string>& copied) {
        platform.memoryFiles().putFolder(data("\\Backup\\" + day + "\\Diary"));
        for (const auto& [name, bytes] : copied) putFile("\\Backup\\" + day + name, bytes);
    }
    void Open() { platform.click(*window().ButRestore); }
    // Types a date into the day box, over what it held.
    void TypeDate(const std::string& text) {
        window().DateBox->setText("");
        platform.type(*window().DateBox, text);
    }
    // Picks the list's line that reads `caption`.
    void PickLine(const std::string& caption) {
        for (int row = 0; row < restore::RestoreWindow::kRows; ++row) {
            if (window().Row[static_cast<std::size_t>(row)]->caption() == caption) {
                platform.click(*window().Row[static_cast<std::size_t>(row)]);
                return;
            }
        }
        FAIL() << "no line " << caption;
    }
    std::vector<std::string> Lines() {
        std::vector<std::string> lines;
        for (auto* row : window().Row) {
            if (!row->caption().empty()) lines.push_back(row->caption());
        }
        return lines;
    }
    int OpenNotes() {
        int open = 0;
        for (const auto& note : module->Notes) open += note->closed() ? 0 : 1;
        return open;
    }
};

TEST_F(RestoreTest, ItsButtonSitsBesideTheAlarmsButtonAndTheFirstPressMakesTheWindow) {
    platform::Control* button = window().ButRestore;
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(module->Diar->form().find("ButRestore"), button);
    EXPECT_FALSE(button->tooltip().empty());
    const platform::Rect alarms = module->Diar->form().find("ButAlarm")->rect();
    const platform::Rect mine = button->rect();
    EXPECT_EQ(mine.y, alarms.y);
    EXPECT_LE(mine.x + mine.w, alarms.x);
    EXPECT_GT(mine.x + mine.w, alarms.x - alarms.h);  // beside it, not across the window
    EXPECT_EQ(window().RestTit, nullptr);
    Open();
    ASSERT_NE(window().RestTit, nullptr);
    EXPECT_TRUE(window().form().visible());
    platform.click(*window().ButExit);
    EXPECT_FALSE(window().form().visible());
}

TEST_F(RestoreTest, TheListShowsTheBinThenTheCopiesNewestFirst) {
    auto& files = platform.files();
    ASSERT_TRUE(notes::PutInBin(files, kDataPath, NoteString("older note", 0xFFFFFF), 3, {2026, 12, 1, 8, 0, 0}));
    ASSERT_TRUE(notes::PutInBin(files, kDataPath, NoteString("newer note", 0xFFFFFF), 4, {2026, 12, 6, 18, 30, 0}));
    for (const char* day : {"2026-12-05", "2026-12-16", "2026-12-06"}) PutCopy(day, {{"\\Notes.ini", "x"}});
    putFile("\\BackupsMade", "2026-12-16\r\n2026-12-05\r\n2026-12-06\r\n");  // made in this order
    Open();
    EXPECT_EQ(Lines(), (std::vector<std::string>{"Note removed 6.12.2026 18:30: newer note",
                                                 "Note removed 1.12.2026 8:00: older note", "Daily copy of 6.12.2026",
                                                 "Daily copy of 5.12.2026", "Daily copy of 16.12.2026"}));
}

TEST_F(RestoreTest, ABinnedNoteComesBackWithItsTextAndColour) {
    ASSERT_TRUE(notes::PutInBin(platform.files(), kDataPath, NoteString("call Anna", 0x80FFFF), 7, kNow));
    Open();
    PickLine("Note removed 7.12.2026 9:00: call Anna");
    EXPECT_EQ(window().NoteView->caption(), "call Anna");
    platform.click(*window().ButNote);
    ASSERT_EQ(OpenNotes(), 1);
    const auto& note = *module->Notes.back();
    EXPECT_EQ(note.NoteText->text(), "call Anna");
    EXPECT_EQ(note.NoteText->backColor(), 0x80FFFFu);
    EXPECT_EQ(note.form().bounds().x, 400);
    EXPECT_TRUE(notes::NotesInBin(platform.files(), kDataPath).empty());
    EXPECT_TRUE(Lines().empty());
}

TEST_F(RestoreTest, ADayLineShowsBesideTodaysAndIsSavedThroughTheCalendar) {
    module->Diary(12, 3) = "#R###Dentist";
    module->DiaryDirty = true;
    ASSERT_TRUE(app::SaveDiary(platform.files(), *module, kNow).failures.empty());
    PutCopy("2026-12-05", {{"\\Diary\\2026", YearFileWith(12, 3, "B####Dentist [14:15]")}});
    Open();
    PickLine("Daily copy of 5.12.2026");
    TypeDate("3.12.2026");
    EXPECT_EQ(window().LabCopyLine->caption(), "Line in the copy: Dentist [14:15]");
    EXPECT_EQ(window().LabNowLine->caption(), "Line now: Dentist");
    platform.click(*window().ButLine);
    EXPECT_EQ(module->Diary(12, 3), "B####Dentist [14:15]");
    EXPECT_FALSE(module->DiaryDirty);
    const auto lines = app::ReadLines(platform.files(), data("\\Diary\\2026"));
    ASSERT_TRUE(lines);
    EXPECT_EQ((*lines)[11 * 31 + 2], "B####Dentist [14:15]");
    EXPECT_EQ(window().LabNowLine->caption(), "Line now: Dentist [14:15]");
}

TEST_F(RestoreTest, ALineOfAnotherYearIsSavedInItsFileAndTheShownYearStays) {
    putFile("\\Diary\\2025", YearFileWith(6, 1, "#####written later"));
    PutCopy("2026-12-05", {{"\\Diary\\2025", YearFileWith(6, 1, "#G###holiday plans")}});
    const app::DayTable shown = module->Diary;
    Open();
    PickLine("Daily copy of 5.12.2026");
    TypeDate("1.6.2025");
    EXPECT_EQ(window().LabNowLine->caption(), "Line now: written later");
    platform.click(*window().ButLine);
    EXPECT_EQ((*app::ReadLines(platform.files(), data("\\Diary\\2025")))[5 * 31], "#G###holiday plans");
    EXPECT_EQ(module->CurYear, 2026);
    EXPECT_EQ(module->Diary(6, 1), shown(6, 1));
}

TEST_F(RestoreTest, ARecurringNoteComesBackFromACopy) {
    std::vector<std::string> reminders(366);
    reminders[31 + 28] = "Anna's birthday";  // 29 February
    PutCopy("2026-12-05", {{"\\Reminder", app::JoinLines(reminders)}});
    Open();
    PickLine("Daily copy of 5.12.2026");
    TypeDate("29.2.2028");
    EXPECT_EQ(window().LabCopyNote->caption(), "Recurring note in the copy: Anna's birthday");
    EXPECT_EQ(window().LabNowNote->caption(), "Recurring note now: (empty)");
    platform.click(*window().ButReminder);
    EXPECT_EQ(module->Reminders(2, 29), "Anna's birthday");
    EXPECT_EQ((*app::ReadLines(platform.files(), data("\\Reminder")))[31 + 28], "Anna's birthday");
}

TEST_F(RestoreTest, ANoteOfACopyOpensInAFreeRecordAndTheCopyKeepsIt) {
    std::string notesFile = app::RecordFile::EmptyDatabase(app::kNoteRecordCount);
    const std::string note = NoteString("from the copy", 0xC0FFC0);
    notesFile.replace(4 * app::kRecordLength, 2 + note.size(),
                      std::string{static_cast<char>(note.size() % 256), static_cast<char>(note.size() / 256)} + note);
    PutCopy("2026-12-05", {{"\\Notes", notesFile}});
    Open();
    PickLine("Daily copy of 5.12.2026");
    EXPECT_EQ(window().LabNoteStep->caption(), "Note 1 of 1");
    EXPECT_EQ(window().NoteView->caption(), "from the copy");
    platform.click(*window().ButNote);
    ASSERT_EQ(OpenNotes(), 1);
    EXPECT_EQ(module->Notes.back()->NoteText->text(), "from the copy");
    EXPECT_EQ(module->Notes.back()->RecordNumber(), app::kNoteRecordCount);
    EXPECT_EQ(file("\\Backup\\2026-12-05\\Notes"), notesFile);
}

TEST_F(RestoreTest, ALineThatCannotBeSavedIsReportedAndKeptInTheCalendar) {
    PutCopy("2026-12-05", {{"\\Diary\\2026", YearFileWith(12, 3, "#####back again")}});
    Open();
    PickLine("Daily copy of 5.12.2026");
    TypeDate("3.12.2026");
    platform.memoryFiles().setReadOnly(data("\\Diary"));
    platform.click(*window().ButLine);
    EXPECT_EQ(module->Diary(12, 3), "#####back again");
    EXPECT_TRUE(module->DiaryDirty);
    ASSERT_FALSE(platform.dialogs.empty());
    EXPECT_NE(platform.dialogs.back().text.find(data("\\Diary\\2026")), std::string::npos);
}

TEST_F(RestoreTest, ADateThatIsNoDateRestoresNothing) {
    PutCopy("2026-12-05", {{"\\Diary\\2026", YearFileWith(12, 3, "#####x")}});
    Open();
    PickLine("Daily copy of 5.12.2026");
    for (const char* text : {"31.2.2026", "29.2.2027", "3.12.", "3.13.2026", "x"}) {
        TypeDate(text);
        EXPECT_EQ(window().LabCopyLine->caption(), "Write a date as 7.12.2026") << text;
        platform.click(*window().ButLine);
    }
    EXPECT_FALSE(module->DiaryDirty);
}

}  // namespace
