// The exchange button on the calendar window, its menu and the system's choosers: an export of the
// year on screen (lines not yet saved too), a file that cannot be written, the notes as files, and
// an import shown in the preview first and then saved once, or refused with nothing changed.
#include "exchange/exchange_window.h"

#include <gtest/gtest.h>

#include "app/datafiles.h"
#include "app/main_window.h"
#include "diary/day_tables.h"
#include "support/app_fixture.h"

namespace {

using platform::headless::DialogCall;
using testing_support::AppTest;

constexpr platform::DateTime kNow{2026, 12, 7, 9, 0, 0};

std::string Calendar(const std::string& events) {
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//EN\r\n" + events + "END:VCALENDAR\r\n";
}

class ExchangeTest : public AppTest {
protected:
    void SetUp() override {
        platform.setTime(kNow);
        platform.utcOffsetMinutes = 60;
        platform.memoryFiles().putFolder("C:\\Out");
        ASSERT_TRUE(Start());
        module->Diar->form().show();
    }
    exchange::ExchangeWindow& window() { return *module->Exchange; }
    // Chooses the menu item, answering the chooser that follows with `path`.
    void Choose(const std::string& item, std::optional<std::string> path) {
        platform.answerMenu(item);
        platform.answerChooser(std::move(path));
        platform.click(*window().ButExchange);
    }
    const DialogCall* LastMessage() {
        for (auto it = platform.dialogs.rbegin(); it != platform.dialogs.rend(); ++it) {
            if (it->kind == DialogCall::Kind::Message) return &*it;
        }
        return nullptr;
    }
    std::string Out(const std::string& name) { return platform.memoryFiles().file("C:\\Out\\" + name).value_or(""); }
};

TEST_F(ExchangeTest, TheButtonSitsLeftOfRestoreOnItsLineAndOpensItsMenu) {
    platform::Control* button = window().ButExchange;
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(module->Diar->form().find("ButExchange"), button);
    EXPECT_FALSE(button->tooltip().empty());
    const auto& diar = module->Diar->form();
    const platform::Rect mine = button->rect();
    const platform::Rect restore = diar.find("ButRestore")->rect();
    EXPECT_LE(mine.x + mine.w, restore.x);
    EXPECT_EQ(mine.y, restore.y);
    EXPECT_EQ(mine.w, restore.w) << "the restore button's size";
    for (const auto& control : diar.controls()) {
        if (control.get() == button || !control->visible()) continue;
        const platform::Rect other = control->rect();
        const bool apart = other.x >= mine.x + mine.w || mine.x >= other.x + other.w || other.y >= mine.y + mine.h ||
                           mine.y >= other.y + other.h;
        EXPECT_TRUE(apart) << control->name();
    }
    platform.click(*button);
    ASSERT_FALSE(platform.dialogs.empty());
    EXPECT_EQ(platform.dialogs.back().kind, DialogCall::Kind::Menu);
    EXPECT_EQ(platform.dialogs.back().text, "mExportYear|mExportAll|mExportNotes|mSep|mImport");
}

TEST_F(ExchangeTest, TheYearOnScreenIsExportedWithALineNotYetSaved) {
    platform.focus(*module->Diar->DenLine[7]);
    platform.type(*module->Diar->DenLine[7], "Dentist [14:15]");
    Choose("mExportYear", "C:\\Out\\year.ics");
    const auto& chooser = platform.dialogs[platform.dialogs.size() - 2];
    EXPECT_EQ(chooser.kind, DialogCall::Kind::SaveFile);
    EXPECT_EQ(chooser.text, "*.ics|Orvane Notes 2026.ics");
    const std::string file = Out("year.ics");
    EXPECT_NE(file.find("SUMMARY:Dentist [14:15]\r\n"), std::string::npos);
    EXPECT_NE(file.find("DTSTAMP:20261207T080000Z\r\n"), std::string::npos) << "UTC, an hour behind";
    ASSERT_NE(LastMessage(), nullptr);
    EXPECT_EQ(LastMessage()->icon, platform::MessageIcon::Information);
    EXPECT_NE(LastMessage()->text.find("Exported 1 diary line(s)"), std::string::npos) << LastMessage()->text;
}

TEST_F(ExchangeTest, AFileThatCannotBeWrittenIsSaidAndTheOldOneStays) {
    platform.memoryFiles().putFile("C:\\Out\\year.ics", "older");
    platform.memoryFiles().setReadOnly("C:\\Out");
    Choose("mExportAll", "C:\\Out\\year.ics");
    ASSERT_NE(LastMessage(), nullptr);
    EXPECT_EQ(LastMessage()->icon, platform::MessageIcon::Stop);
    EXPECT_NE(LastMessage()->text.find("C:\\Out\\year.ics cannot be written"), std::string::npos);
    EXPECT_EQ(Out("year.ics"), "older");
}

TEST_F(ExchangeTest, ACancelledChooserDoesNothing) {
    const auto files = platform.memoryFiles().paths();
    Choose("mExportYear", std::nullopt);
    Choose("mImport", std::nullopt);
    EXPECT_EQ(platform.memoryFiles().paths(), files);
    EXPECT_EQ(LastMessage(), nullptr);
    EXPECT_EQ(platform.findForm("FrmImport"), nullptr);
}

TEST_F(ExchangeTest, TheNotesBecomeFilesInTheChosenFolder) {
    platform.trayMessage(0x203);
    ASSERT_EQ(module->Notes.size(), 1u);
    Choose("mExportNotes", "C:\\Out");
    EXPECT_EQ(platform.dialogs[platform.dialogs.size() - 2].kind, DialogCall::Kind::Folder);
    EXPECT_EQ(Out("Note 40.txt"), "Note 40\r\n\r\n");
    EXPECT_EQ(LastMessage()->text, "Exported 1 note(s) to C:\\Out.");
}

TEST_F(ExchangeTest, AnImportIsPreviewedThenSavedOnce) {
    platform.focus(*module->Diar->DenLine[9]);
    platform.type(*module->Diar->DenLine[9], "Meeting");
    platform.memoryFiles().putFile(
        "C:\\Out\\in.ics",
        Calendar("BEGIN:VEVENT\r\nDTSTART;VALUE=DATE:20261209\r\nSUMMARY:Dentist\r\nEND:VEVENT\r\n"
                 "BEGIN:VEVENT\r\nDTSTART:20261210T130000Z\r\nSUMMARY:Call \xC4\x8D\r\nEND:VEVENT\r\n"));
    Choose("mImport", "C:\\Out\\in.ics");
    platform::Form* preview = platform.findForm("FrmImport");
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(preview->visible());
    const std::string shown = window().TxtPreview->text();
    EXPECT_NE(shown.find("9.12.2026  after \"Meeting\":  Dentist"), std::string::npos) << shown;
    EXPECT_NE(shown.find("10.12.2026:  [14:00] Call ?"), std::string::npos) << "local time, one hour ahead";
    EXPECT_NE(shown.find("1 character(s) the calendar's code page cannot hold"), std::string::npos);
    EXPECT_EQ(file(app::YearFile(2026)), "<missing>") << "nothing written before Import";
    platform.click(*window().ButImport);
    EXPECT_FALSE(preview->visible());
    const auto lines = app::ReadLines(platform.files(), data(app::YearFile(2026)));
    ASSERT_TRUE(lines);
    EXPECT_EQ((*lines)[11 * 31 + 8], "#####Meeting <> Dentist");
    EXPECT_EQ((*lines)[11 * 31 + 9], "#####[14:00] Call ?");
    EXPECT_EQ(module->Diar->DenLine[9]->text(), "Meeting <> Dentist") << "the calendar shows it";
    EXPECT_EQ(LastMessage()->text, "Imported 2 text(s) into the calendar and saved it.");

    // The same file again adds nothing, and offers no Import.
    Choose("mImport", "C:\\Out\\in.ics");
    EXPECT_TRUE(window().plan().changes.empty());
    EXPECT_FALSE(window().ButImport->visible());
    EXPECT_NE(window().TxtPreview->text().find("2 text(s) already there"), std::string::npos);
}

TEST_F(ExchangeTest, ADamagedFileIsRefusedAndNothingChanges) {
    platform.memoryFiles().putFile("C:\\Out\\bad.ics", "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nSUMMARY:x\r\n");
    const auto before = platform.memoryFiles().paths();
    Choose("mImport", "C:\\Out\\bad.ics");
    ASSERT_NE(LastMessage(), nullptr);
    EXPECT_EQ(LastMessage()->icon, platform::MessageIcon::Stop);
    EXPECT_NE(LastMessage()->text.find("ends before END:VEVENT"), std::string::npos) << LastMessage()->text;
    EXPECT_NE(LastMessage()->text.find("Nothing was changed."), std::string::npos);
    EXPECT_EQ(platform.findForm("FrmImport"), nullptr);
    EXPECT_EQ(platform.memoryFiles().paths(), before);
}

}  // namespace
