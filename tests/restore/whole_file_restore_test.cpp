// A whole data file restored from a copy: what the file held is kept first so that restoring from
// that copy undoes it, the windows show the restored file, and the next save keeps it.
#include <gtest/gtest.h>

#include "app/datafiles.h"
#include "app/main_window.h"
#include "diary/day_tables.h"
#include "notes/note_record.h"
#include "notes/note_sync.h"
#include "notes/note_window.h"
#include "restore/restore_window.h"
#include "restore/whole_file.h"
#include "support/app_fixture.h"

namespace {

using platform::headless::DialogCall;
using testing_support::AppTest;

constexpr platform::DateTime kNow{2026, 12, 7, 9, 0, 0};
constexpr const char* kCopy = "\\Backup\\2026-12-05";

std::string YearFileWith(int month, int day, const std::string& cell) {
    std::vector<std::string> lines(372, app::kEmptyDiaryCell);
    lines[static_cast<std::size_t>((month - 1) * 31 + day - 1)] = cell;
    return app::JoinLines(lines);
}

std::string NotesWith(int record, const std::string& text) {
    std::string database = app::RecordFile::EmptyDatabase(app::kNoteRecordCount);
    notes::NoteFields fields{400, 300, 200, 150, false, 0, false, 10, "Arial", 0x000080, 0xC0FFC0};
    app::RecordFile::Put(database, record, notes::BuildNoteString(fields, text));
    return database;
}

class WholeFileRestoreTest : public AppTest {
protected:
    void SetUp() override {
        platform.setTime(kNow);
        ASSERT_TRUE(Start());
        module->Diar->form().show();
    }
    restore::RestoreWindow& window() { return *module->Restore; }
    void PutCopy(const std::string& name, const std::string& bytes) {
        platform.memoryFiles().putFolder(data(std::string(kCopy) + "\\Diary"));
        putFile(std::string(kCopy) + name, bytes);
    }
    // Picks the list's line that reads `caption` in a freshly opened window.
    void PickLine(const std::string& caption) {
        platform.click(*window().ButRestore);
        for (int row = 0; row < restore::RestoreWindow::kRows; ++row) {
            if (window().Row[static_cast<std::size_t>(row)]->caption() == caption) {
                platform.click(*window().Row[static_cast<std::size_t>(row)]);
                return;
            }
        }
        FAIL() << "no line " << caption;
    }
    // Steps to the file `shown` ("Diary\2026") and restores it, answering the question with yes.
    void RestoreFile(const std::string& shown) {
        for (int step = 0; step < 6 && window().LabFileName->caption() != shown; ++step) {
            platform.click(*window().FileNext);
        }
        ASSERT_EQ(window().LabFileName->caption(), shown);
        platform.answerYesNo(true);
        platform.click(*window().ButFile);
    }
    std::vector<std::string> KeptBeforeRestores() {
        return restore::BeforeRestoreCopiesNewestFirst(platform.files(), kDataPath);
    }
    std::vector<std::string> OpenNoteTexts() {
        std::vector<std::string> texts;
        for (const auto& note : module->Notes) {
            if (!note->closed()) texts.push_back(note->NoteText->text());
        }
        return texts;
    }
    void SaveLine(int month, int day, const std::string& cell) {
        module->Diary(month, day) = cell;
        module->DiaryDirty = true;
        ASSERT_TRUE(app::SaveDiary(platform.files(), *module, platform.now()).failures.empty());
    }
};

TEST_F(WholeFileRestoreTest, AYearFileComesBackWholeAndRestoringTheKeptCopyUndoesIt) {
    SaveLine(12, 3, "#####now");
    const std::string before = file("\\Diary\\2026");
    PutCopy("\\Diary\\2026", YearFileWith(12, 4, "#R###then"));
    PickLine("Daily copy of 5.12.2026");
    RestoreFile("Diary\\2026");
    const DialogCall& question = platform.dialogs.at(0);
    EXPECT_EQ(question.kind, DialogCall::Kind::YesNo);
    EXPECT_NE(question.text.find("Diary\\2026"), std::string::npos);
    EXPECT_NE(question.text.find("5.12.2026"), std::string::npos);
    EXPECT_EQ(file("\\Diary\\2026"), file(std::string(kCopy) + "\\Diary\\2026"));
    EXPECT_EQ(module->Diary(12, 4), "#R###then");
    EXPECT_EQ(module->Diary(12, 3), app::kEmptyDiaryCell);
    ASSERT_EQ(KeptBeforeRestores().size(), 1u);
    EXPECT_EQ(file("\\Backup\\" + KeptBeforeRestores()[0] + "\\Diary\\2026"), before);

    platform.setTime({2026, 12, 7, 9, 5, 0});
    PickLine("Before the restore of 7.12.2026 9:00");
    RestoreFile("Diary\\2026");
    EXPECT_EQ(file("\\Diary\\2026"), before);
    EXPECT_EQ(module->Diary(12, 3), "#####now");
    EXPECT_EQ(KeptBeforeRestores().size(), 2u);  // the undo can be undone too
}

TEST_F(WholeFileRestoreTest, NotesComeBackWholeAndTheUndoOpensTheNotesThatWereThere) {
    putFile("\\Notes", NotesWith(40, "today's note"));
    notes::PickUpArrivedNotes(*module);
    ASSERT_EQ(OpenNoteTexts(), std::vector<std::string>{"today's note"});
    PutCopy("\\Notes", NotesWith(5, "from the copy"));
    PickLine("Daily copy of 5.12.2026");
    RestoreFile("Notes");
    EXPECT_EQ(OpenNoteTexts(), std::vector<std::string>{"from the copy"});
    EXPECT_FALSE(notes::PickUpArrivedNotes(*module)) << "what the program last saw is the restored file";

    PickLine("Before the restore of 7.12.2026 9:00");
    RestoreFile("Notes");
    EXPECT_EQ(OpenNoteTexts(), std::vector<std::string>{"today's note"});
}

TEST_F(WholeFileRestoreTest, ANoteTypedButNotSavedIsInTheKeptCopy) {
    putFile("\\Notes", NotesWith(40, "draft"));
    notes::PickUpArrivedNotes(*module);
    platform.type(*module->Notes.back()->NoteText, " and more");
    PutCopy("\\Notes", NotesWith(5, "from the copy"));
    PickLine("Daily copy of 5.12.2026");
    RestoreFile("Notes");
    app::RecordFile kept(platform.files(), data("\\Backup\\" + KeptBeforeRestores()[0] + "\\Notes"));
    ASSERT_TRUE(kept.Load());
    EXPECT_NE(notes::NoteTextOf(kept.Read(40)).find("and more"), std::string::npos);
}

TEST_F(WholeFileRestoreTest, TheNextSaveKeepsTheRestoredLines) {
    SaveLine(12, 4, "#####written since");
    PutCopy("\\Diary\\2026", YearFileWith(12, 4, "#####from the copy"));
    PickLine("Daily copy of 5.12.2026");
    RestoreFile("Diary\\2026");
    SaveLine(12, 9, "#####typed after");
    const auto lines = app::ReadLines(platform.files(), data("\\Diary\\2026"));
    ASSERT_TRUE(lines);
    EXPECT_EQ((*lines)[11 * 31 + 3], "#####from the copy");
    EXPECT_EQ((*lines)[11 * 31 + 8], "#####typed after");
}

TEST_F(WholeFileRestoreTest, AKeptCopyThatCannotBeMadeRestoresNothingAndSaysSo) {
    SaveLine(12, 3, "#####now");
    const std::string before = file("\\Diary\\2026");
    PutCopy("\\Diary\\2026", YearFileWith(12, 4, "#####then"));
    platform.memoryFiles().setReadOnly(data("\\Backup"));
    PickLine("Daily copy of 5.12.2026");
    RestoreFile("Diary\\2026");
    EXPECT_EQ(file("\\Diary\\2026"), before);
    EXPECT_EQ(module->Diary(12, 3), "#####now");
    EXPECT_TRUE(KeptBeforeRestores().empty());
    ASSERT_FALSE(platform.dialogs.empty());
    EXPECT_EQ(platform.dialogs.back().kind, DialogCall::Kind::Message);
    EXPECT_NE(platform.dialogs.back().text.find("Nothing was restored"), std::string::npos);
}

}  // namespace
