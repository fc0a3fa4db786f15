#include "search/search_window.h"

#include <gtest/gtest.h>

#include "alarm/alarm_dialog.h"
#include "app/datafiles.h"
#include "app/main_window.h"
#include "diary/day_tables.h"
#include "notes/note_window.h"
#include "notes/notes_database.h"
#include "support/app_fixture.h"

namespace {

using platform::kCtrl;
using search::HitKind;
using testing_support::AppTest;

class SearchWindowTest : public AppTest {
protected:
    SearchWindowTest() { platform.setTime({2026, 12, 7, 10, 0, 0}); }
    void SetUp() override {
        ASSERT_TRUE(Start());
        diar().form().show();
    }

    app::FrmDiar& diar() { return *module->Diar; }
    search::SearchWindow& searching() { return *module->Search; }
    platform::Control& line(int day) { return *diar().DenLine[static_cast<std::size_t>(day)]; }
    platform::Control& box() { return *searching().TxtFind; }
    void putYear(int year, int month, int day, const std::string& cell) {
        std::vector<std::string> lines(372, app::kEmptyDiaryCell);
        lines[static_cast<std::size_t>((month - 1) * 31 + day - 1)] = cell;
        putFile(app::YearFile(year), app::JoinLines(lines));
    }
    std::string yearLine(int year, int month, int day) {
        const auto lines = app::SplitLines(file(app::YearFile(year)));
        const auto index = static_cast<std::size_t>((month - 1) * 31 + day - 1);
        return index < lines.size() ? lines[index] : "<missing>";
    }
    void typeInto(int day, const std::string& text) {
        platform.focus(line(day));
        platform.type(line(day), text);
    }
    void openWithCtrlF(platform::Control& from) {
        platform.focus(from);
        platform.keyDown(from, platform::kKeyF, kCtrl);
    }
    void search(const std::string& text) {
        box().select(0, static_cast<int>(box().text().size()));
        platform.type(box(), text);
    }
};

TEST_F(SearchWindowTest, TheStartMakesOnlyTheButtonTheFirstSearchMakesTheWindow) {
    EXPECT_EQ(platform.findForm("FrmSearch"), nullptr);
    platform::Control* button = searching().ButFind;
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(diar().form().find("ButFind"), button);
    EXPECT_FALSE(button->tooltip().empty());
    EXPECT_NE(button->picture(), nullptr);
    // A free place of its own: over no other element of the calendar that takes the mouse.
    for (const auto& control : diar().form().controls()) {
        if (control.get() == button || !control->visible()) continue;
        const auto a = button->rect();
        const auto b = control->rect();
        const bool overlaps = a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
        EXPECT_FALSE(overlaps && control->kind() == platform::ControlKind::Image) << control->name();
    }
    platform.click(*button);
    ASSERT_NE(platform.findForm("FrmSearch"), nullptr);
    EXPECT_TRUE(searching().form().visible());
    EXPECT_TRUE(box().hasFocus());
}

TEST_F(SearchWindowTest, CtrlFOpensFromEveryBoxOfTheCalendarAndTypesNothing) {
    typeInto(3, "kept");
    for (platform::Control* from : {&line(3), diar().Focus}) {
        openWithCtrlF(*from);
        EXPECT_TRUE(searching().form().visible()) << from->name();
        platform.keyDown(box(), platform::kKeyEscape);
        EXPECT_FALSE(searching().form().visible());
    }
    EXPECT_EQ(line(3).text(), "kept");
    EXPECT_EQ(module->Diary(12, 3), "#####kept");
}

TEST_F(SearchWindowTest, TypingListsUnsavedLinesAndTheNotesAsTheyAreTyped) {
    typeInto(5, "Caf\xE9 with Eva");
    notes::NewNote(*module);
    auto& note = *module->Notes.back();
    platform.type(*note.NoteText, "ask Eva about the cafe");
    diar().form().show();
    openWithCtrlF(line(5));
    search("cafe eva");
    const auto& hits = searching().results().hits;
    ASSERT_EQ(hits.size(), 2u);
    EXPECT_EQ(hits[0].kind, HitKind::DiaryLine);
    EXPECT_EQ(hits[0].day, 5);
    EXPECT_EQ(hits[1].kind, HitKind::Note);
    EXPECT_EQ(searching().RowDate[0]->caption(), "5.12.2026");
    EXPECT_EQ(searching().RowKind[0]->caption(), "diary line");
    EXPECT_NE(searching().RowText[0]->caption().find("\xAB"
                                                     "Caf\xE9\xBB"),
              std::string::npos);
    EXPECT_EQ(searching().RowDate[1]->caption(), "note " + std::to_string(note.RecordNumber()));
    EXPECT_FALSE(searching().RowHit[2]->visible());
}

TEST_F(SearchWindowTest, EnterOnALineOfAnotherYearSavesTheShownYearFirstAndShowsTheDay) {
    putYear(2019, 3, 14, "#####dentist in spring");
    typeInto(7, "typed before the search");
    openWithCtrlF(line(7));
    search("dent");
    platform.keyDown(box(), platform::kKeyReturn);
    EXPECT_FALSE(searching().form().visible());
    EXPECT_EQ(yearLine(2026, 12, 7), "#####typed before the search");
    EXPECT_FALSE(module->DiaryDirty);
    EXPECT_EQ(module->CurYear, 2019);
    EXPECT_EQ(module->ShownMonth, 3);
    EXPECT_EQ(diar().Titul->caption(), "MARCH 2019");
    EXPECT_TRUE(line(14).hasFocus());
    EXPECT_EQ(line(14).text(), "dentist in spring");
}

TEST_F(SearchWindowTest, AYearThatCannotBeSavedIsNotLeftAndTheUserIsTold) {
    putYear(2019, 3, 14, "#####dentist in spring");
    typeInto(7, "must not be lost");
    platform.memoryFiles().setReadOnly(data("\\Diary"));
    openWithCtrlF(line(7));
    search("dentist");
    platform.keyDown(box(), platform::kKeyReturn);
    EXPECT_EQ(module->CurYear, 2026);
    EXPECT_EQ(module->Diary(12, 7), "#####must not be lost");
    ASSERT_FALSE(platform.dialogs.empty());
    EXPECT_NE(platform.dialogs.back().text.find("Diary\\2026"), std::string::npos);
}

TEST_F(SearchWindowTest, ArrowsChooseARowAndADoubleClickGoesThere) {
    putYear(2019, 3, 14, "#####dentist in spring");
    putYear(2020, 8, 2, "#####dentist in summer");
    platform.click(*searching().ButFind);
    search("dentist");
    EXPECT_TRUE(searching().RowMark[0]->visible());
    platform.keyDown(box(), platform::kKeyDown);
    EXPECT_EQ(searching().chosen(), 1u);
    EXPECT_FALSE(searching().RowMark[0]->visible());
    EXPECT_TRUE(searching().RowMark[1]->visible());
    platform.keyDown(box(), platform::kKeyUp);
    EXPECT_EQ(searching().chosen(), 0u);
    platform.doubleClick(*searching().RowHit[1]);
    EXPECT_EQ(module->CurYear, 2019);
    EXPECT_TRUE(line(14).hasFocus());
}

TEST_F(SearchWindowTest, RecurringNotesAndAlarmsGoToTheirDayAndRow) {
    module->Reminders(2, 29) = "leap day party";
    module->WeekdayAlarms[3] = "18:00 choir";
    platform.click(*searching().ButFind);
    search("party");
    platform.keyDown(box(), platform::kKeyReturn);
    // 2026 has no 29 February: its last day stands for it.
    EXPECT_EQ(module->CurYear, 2026);
    EXPECT_EQ(module->ShownMonth, 2);
    EXPECT_TRUE(line(28).hasFocus());

    platform.click(*searching().ButFind);
    search("choir");
    platform.keyDown(box(), platform::kKeyReturn);
    auto& alarms = *module->AlarmDialog;
    EXPECT_TRUE(alarms.form().visible());
    EXPECT_TRUE(alarms.AlW[3]->hasFocus());
}

TEST_F(SearchWindowTest, ANoteResultBringsItsNoteForwardWithTheFocusInIt) {
    notes::NewNote(*module);
    notes::NewNote(*module);
    auto& wanted = *module->Notes.front();
    platform.type(*wanted.NoteText, "the plumber's number");
    wanted.form().hide();
    platform.click(*searching().ButFind);
    search("plumber");
    ASSERT_EQ(searching().results().hits.size(), 1u);
    platform.keyDown(box(), platform::kKeyReturn);
    EXPECT_TRUE(wanted.form().visible());
    EXPECT_TRUE(wanted.NoteText->hasFocus());
}

TEST_F(SearchWindowTest, EscPutsTheWindowAwayAndTheTextStaysForTheNextOpening) {
    platform.click(*searching().ButFind);
    search("dentist");
    platform.keyDown(box(), platform::kKeyEscape);
    EXPECT_FALSE(searching().form().visible());
    openWithCtrlF(*diar().Focus);
    EXPECT_EQ(box().text(), "dentist");
    EXPECT_EQ(box().selectionLength(), 7);
    EXPECT_EQ(searching().LabFound->caption(), "Nothing found.");
}

}  // namespace
