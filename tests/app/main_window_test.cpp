#include "app/main_window.h"

#include <gtest/gtest.h>

#include "app/datafiles.h"
#include "app/settings.h"
#include "app/tray_icon.h"
#include "diary/day_tables.h"
#include "support/app_fixture.h"

namespace {

using platform::kCtrl;
using platform::kLeftButton;
using platform::kRightButton;
using platform::kShift;
using platform::headless::DialogCall;
using testing_support::AppTest;

class MainWindow : public AppTest {
protected:
    MainWindow() { platform.setTime({2026, 12, 7, 10, 0, 0}); }
    void SetUp() override { ASSERT_TRUE(Start()); }

    app::FrmDiar& diar() { return *module->Diar; }
    platform::Form& form() { return diar().form(); }
    void showWindow() { form().show(); }
    // A diary line typed and committed: the state that the line editing leaves.
    void changeLine(int month, int day, const std::string& text) {
        module->Diary(month, day) = "#####" + text;
        module->DiaryDirty = true;
    }
    std::string yearLine(int year, int month, int day) {
        const auto lines = app::SplitLines(file(app::YearFile(year)));
        const auto index = static_cast<std::size_t>((month - 1) * 31 + day - 1);
        return index < lines.size() ? lines[index] : "<missing>";
    }
    int yesNoQuestions() const {
        int count = 0;
        for (const auto& dialog : platform.dialogs) count += dialog.kind == DialogCall::Kind::YesNo;
        return count;
    }
    bool ended() const { return platform.quitRequested; }
    void makeDataReadOnly(bool readOnly = true) { platform.memoryFiles().setReadOnly(kDataPath, readOnly); }
};

TEST_F(MainWindow, StartLeavesTheWindowHiddenOnTodaysMonth) {
    EXPECT_FALSE(form().visible());
    EXPECT_EQ(form().bounds(), (platform::Rect{121, 84, 782, 540}));
    EXPECT_EQ(form().backColor(), platform::rgb(0x00, 0x60, 0x90));
    EXPECT_EQ(form().title(), "Diar");
    EXPECT_EQ(diar().LabToday->caption(), "7.12.2026");
    EXPECT_EQ(module->CurYear, 2026);
    EXPECT_EQ(module->ShownMonth, 12);
    EXPECT_FALSE(module->DiaryDirty);
    EXPECT_EQ(diar().Verzia->caption(), "v3.31");
    EXPECT_EQ(diar().RokTit->caption(), "2026");
    EXPECT_EQ(diar().Titul->caption(), "DECEMBER 2026");
}

class SmallScreen : public AppTest {
protected:
    SmallScreen() { platform.setScreen({640, 480, 15, 15, {{0, 0, 640, 480}}}); }
};

TEST_F(SmallScreen, WindowIsPlacedPartlyOffScreen) {
    ASSERT_TRUE(Start());
    EXPECT_EQ(module->Diar->form().bounds(), (platform::Rect{-71, -22, 782, 540}));
}

TEST_F(MainWindow, FocusLiesBelowTheVisibleArea) {
    EXPECT_GE(diar().Focus->rect().y, form().bounds().h);
    showWindow();
    diar().DenLine[3]->setFocus();
    diar().ParkFocus();
    EXPECT_EQ(form().focused(), diar().Focus);
}

TEST_F(MainWindow, LeftDragMovesTheWindowRightDragDoesNot) {
    showWindow();
    const auto start = form().bounds();
    platform.pressBackground(form(), kRightButton, 0, 300, 10);
    platform.moveOnBackground(form(), kRightButton, 0, 340, 30);
    platform.releaseBackground(form(), kRightButton, 0, 340, 30);
    EXPECT_EQ(form().bounds(), start);

    platform.pressBackground(form(), kLeftButton, 0, 300, 10);
    platform.moveOnBackground(form(), kLeftButton, 0, 340, 30);
    EXPECT_EQ(form().bounds().x, start.x + 40);
    EXPECT_EQ(form().bounds().y, start.y + 20);
    platform.releaseBackground(form(), kLeftButton, 0, 340, 30);
    EXPECT_FALSE(module->DragActive);
    // Moving without a button pressed moves nothing.
    platform.moveOnBackground(form(), 0, 0, 400, 100);
    EXPECT_EQ(form().bounds().x, start.x + 40);
}

TEST_F(MainWindow, PressOnAnElementDoesNotDrag) {
    showWindow();
    const auto start = form().bounds();
    platform.press(*diar().Titul, kLeftButton, 0, 5, 5);
    platform.moveMouse(*diar().Titul, kLeftButton, 0, 60, 25);
    platform.release(*diar().Titul, kLeftButton, 0, 60, 25);
    platform.press(*diar().DenLine[4], kLeftButton, 0, 5, 5);
    platform.moveMouse(*diar().DenLine[4], kLeftButton, 0, 60, 25);
    platform.release(*diar().DenLine[4], kLeftButton, 0, 60, 25);
    // The decorative pictures are elements too, not background.
    platform.press(*diar().Image1, kLeftButton, 0, 2, 200);
    platform.moveMouse(*diar().Image1, kLeftButton, 0, 12, 190);
    EXPECT_EQ(form().bounds(), start);
}

TEST_F(MainWindow, ClickOnTheBackgroundCommitsTheLineBeingEdited) {
    showWindow();
    diar().DenLine[5]->setFocus();
    platform.pressBackground(form(), kLeftButton, 0, 500, 520);
    platform.releaseBackground(form(), kLeftButton, 0, 500, 520);
    EXPECT_EQ(form().focused(), diar().Focus);
}

TEST_F(MainWindow, ExitAnsweredNoHasSavedEverythingAndStays) {
    showWindow();
    changeLine(12, 24, "Christmas Eve");
    platform.answerYesNo(false);
    platform.click(*diar().Exitor);
    ASSERT_EQ(platform.dialogs.size(), 1u);
    EXPECT_EQ(platform.dialogs[0].title, "Orvane Notes");
    EXPECT_EQ(platform.dialogs[0].text, "Are you sure you want to exit?");
    EXPECT_EQ(platform.dialogs[0].icon, platform::MessageIcon::Question);
    EXPECT_EQ(yearLine(2026, 12, 24), "#####Christmas Eve");
    EXPECT_FALSE(module->DiaryDirty);
    EXPECT_NE(file(app::kSettingsFile), "<missing>");
    EXPECT_FALSE(ended());
    EXPECT_TRUE(form().visible());
}

TEST_F(MainWindow, ExitAnsweredYesEnds) {
    showWindow();
    platform.answerYesNo(true);
    platform.click(*diar().Exitor, kRightButton);  // any button
    EXPECT_TRUE(ended());
    EXPECT_EQ(platform.headlessTray().calls.back(), "remove");
}

TEST_F(MainWindow, ExitWithAModifierAsksNothing) {
    for (int shift : {kShift, kCtrl, platform::kAlt}) {
        platform.quitRequested = false;
        platform.click(*diar().Exitor, kLeftButton, shift);
        EXPECT_TRUE(ended()) << shift;
    }
    EXPECT_EQ(yesNoQuestions(), 0);
}

TEST_F(MainWindow, ExitOverAFailedSaveLetsTheUserStay) {
    showWindow();
    changeLine(12, 24, "Christmas Eve");
    makeDataReadOnly();
    platform.answerYesNo(false);
    platform.click(*diar().Exitor, kLeftButton, kShift);
    ASSERT_EQ(platform.dialogs.size(), 1u);
    EXPECT_EQ(platform.dialogs[0].kind, DialogCall::Kind::YesNo);
    EXPECT_NE(platform.dialogs[0].text.find(data("\\Diary\\2026")), std::string::npos) << platform.dialogs[0].text;
    EXPECT_NE(platform.dialogs[0].text.find(data("\\Notes.ini")), std::string::npos) << platform.dialogs[0].text;
    EXPECT_FALSE(ended());
    EXPECT_TRUE(module->DiaryDirty);
    EXPECT_EQ(module->Diary(12, 24), "#####Christmas Eve");

    // Once the folder can be written again, the next exit saves what was kept.
    makeDataReadOnly(false);
    platform.answerYesNo(true);
    platform.click(*diar().Exitor);
    EXPECT_EQ(yearLine(2026, 12, 24), "#####Christmas Eve");
    EXPECT_TRUE(ended());
}

TEST_F(MainWindow, ExitOverAFailedSaveEndsWhenTheUserSaysSo) {
    makeDataReadOnly();
    changeLine(1, 1, "lost on purpose");
    platform.answerYesNo(true);
    platform.click(*diar().Exitor);
    EXPECT_EQ(yesNoQuestions(), 1);  // not asked again whether to exit
    EXPECT_TRUE(ended());
}

TEST_F(MainWindow, HideSavesAndHides) {
    showWindow();
    changeLine(12, 1, "Advent");
    platform.click(*diar().Minimalizator);
    EXPECT_FALSE(form().visible());
    EXPECT_FALSE(ended());
    EXPECT_TRUE(platform.dialogs.empty());
    EXPECT_EQ(yearLine(2026, 12, 1), "#####Advent");
}

TEST_F(MainWindow, HideTellsOnceWhichDaysClashedWithAnotherCopyAndShowsTheMerge) {
    showWindow();
    changeLine(12, 7, "here");
    module->Reminders(12, 9) = "note " + std::string(200, 'h');
    module->RemindersDirty = true;
    // The other computer's copies arrive, as a sync client writes them.
    std::vector<std::string> year(372, "#####");
    year[11 * 31 + 6] = "#####there";
    year[11 * 31 + 7] = "#####arrived";
    putFile(app::YearFile(2026), app::JoinLines(year));
    auto notes = app::SplitLines(file("\\Reminder"));
    ASSERT_EQ(notes.size(), 366u);
    notes[366 - 31 + 8] = "note " + std::string(100, 't');
    putFile("\\Reminder", app::JoinLines(notes));

    platform.click(*diar().Minimalizator);
    EXPECT_FALSE(form().visible());
    ASSERT_EQ(platform.dialogs.size(), 1u);
    const auto& message = platform.dialogs[0];
    EXPECT_EQ(message.kind, DialogCall::Kind::Message);
    EXPECT_NE(message.text.find("Diary\\2026: 7.12."), std::string::npos) << message.text;
    EXPECT_NE(message.text.find("Reminder: 9.12."), std::string::npos) << message.text;
    EXPECT_NE(message.text.find(data(app::ConflictFile(platform.now()))), std::string::npos) << message.text;
    // The calendar shows what was saved.
    EXPECT_EQ(diar().DenLine[7]->text(), "here <> there");
    EXPECT_EQ(diar().DenLine[8]->text(), "arrived");
    EXPECT_EQ(yearLine(2026, 12, 8), "#####arrived");
}

// What another computer wrote while the calendar was hidden shows when it is shown again, merged
// with what is unsaved here, and the next save keeps both; a line that clashes waits for that
// save, which keeps both texts and says so.
TEST_F(MainWindow, ShowingTheCalendarTakesInWhatAnotherCopyWrote) {
    const auto arrive = [&](const std::string& name, std::size_t line, const std::string& text) {
        auto lines = app::SplitLines(file(name));
        ASSERT_LT(line, lines.size());
        lines[line] = text;
        putFile(name, app::JoinLines(lines));
    };
    const std::size_t december = 11 * 31;
    showWindow();
    changeLine(12, 2, "typed here");
    platform.click(*diar().Minimalizator);
    changeLine(12, 3, "unsaved here");  // as a note's or the alarm clock's work can leave it
    arrive(app::YearFile(2026), december + 0, "#####arrived");
    arrive("\\Reminder", 366 - 31 + 4, "arrived note");

    platform.trayMessage(app::kTrayRightPress);
    ASSERT_TRUE(form().visible());
    EXPECT_EQ(diar().DenLine[1]->text(), "arrived");
    EXPECT_EQ(diar().DenLine[3]->text(), "unsaved here");
    EXPECT_EQ(module->Reminders(12, 5), "arrived note");
    EXPECT_TRUE(module->DiaryDirty);
    EXPECT_FALSE(module->RemindersDirty);
    platform.click(*diar().Minimalizator);
    EXPECT_TRUE(platform.dialogs.empty());
    EXPECT_EQ(yearLine(2026, 12, 1), "#####arrived");
    EXPECT_EQ(yearLine(2026, 12, 2), "#####typed here");
    EXPECT_EQ(yearLine(2026, 12, 3), "#####unsaved here");

    changeLine(12, 4, "mine");
    arrive(app::YearFile(2026), december + 3, "#####theirs");
    platform.trayMessage(app::kTrayRightPress);
    EXPECT_EQ(module->Diary(12, 4), "#####mine");  // left to the save
    platform.click(*diar().Minimalizator);
    EXPECT_EQ(yearLine(2026, 12, 4), "#####mine <> theirs");
    EXPECT_EQ(platform.dialogs.size(), 1u);
}

TEST_F(MainWindow, HideReactsToTheLeftButtonOnly) {
    showWindow();
    platform.click(*diar().Minimalizator, kRightButton);
    EXPECT_TRUE(form().visible());
}

TEST_F(MainWindow, HideWithCtrlEndsWithoutAQuestion) {
    showWindow();
    changeLine(12, 1, "Advent");
    platform.click(*diar().Minimalizator, kLeftButton, kCtrl);
    EXPECT_TRUE(ended());
    EXPECT_TRUE(platform.dialogs.empty());
    EXPECT_EQ(yearLine(2026, 12, 1), "#####Advent");
}

TEST_F(MainWindow, HideReturnsTheViewToToday) {
    showWindow();
    module->CurYear = 2030;
    module->ShownMonth = 4;
    diar().ShowYear();
    changeLine(4, 2, "In another year");
    platform.click(*diar().Minimalizator);
    EXPECT_EQ(module->CurYear, 2026);
    EXPECT_EQ(module->ShownMonth, 12);
    EXPECT_EQ(diar().Titul->caption(), "DECEMBER 2026");
    EXPECT_EQ(yearLine(2030, 4, 2), "#####In another year");
    EXPECT_FALSE(form().visible());
}

TEST_F(MainWindow, HideOverAFailedSaveTellsTheUserAndKeepsTheChanges) {
    showWindow();
    module->CurYear = 2030;
    diar().ShowYear();
    changeLine(4, 2, "Kept");
    module->Reminders(4, 2) = "Kept too";
    module->RemindersDirty = true;
    makeDataReadOnly();
    platform.click(*diar().Minimalizator);

    ASSERT_EQ(platform.dialogs.size(), 1u);
    EXPECT_EQ(platform.dialogs[0].kind, DialogCall::Kind::Message);
    EXPECT_EQ(platform.dialogs[0].icon, platform::MessageIcon::Stop);
    EXPECT_NE(platform.dialogs[0].text.find(data("\\Diary\\2030")), std::string::npos);
    EXPECT_NE(platform.dialogs[0].text.find(data("\\Reminder")), std::string::npos);
    EXPECT_FALSE(ended());
    EXPECT_FALSE(form().visible());
    // The year that could not be saved is still the one in memory.
    EXPECT_EQ(module->CurYear, 2030);
    EXPECT_EQ(module->Diary(4, 2), "#####Kept");
    EXPECT_TRUE(module->DiaryDirty);
    EXPECT_TRUE(module->RemindersDirty);

    makeDataReadOnly(false);
    showWindow();
    platform.click(*diar().Minimalizator);
    EXPECT_EQ(yearLine(2030, 4, 2), "#####Kept");
    EXPECT_FALSE(module->DiaryDirty);
    EXPECT_FALSE(module->RemindersDirty);
    EXPECT_EQ(module->CurYear, 2026);
}

TEST_F(MainWindow, HideWithCtrlOverAFailedSaveAsksWhetherToEnd) {
    showWindow();
    changeLine(12, 1, "Advent");
    platform.memoryFiles().setCapacity(0);
    platform.answerYesNo(false);
    platform.click(*diar().Minimalizator, kLeftButton, kCtrl);
    EXPECT_EQ(yesNoQuestions(), 1);
    EXPECT_FALSE(ended());
    EXPECT_TRUE(form().visible());
    EXPECT_TRUE(module->DiaryDirty);
}

TEST_F(MainWindow, TodayInTheSameYearKeepsLinesThatCouldNotBeSaved) {
    module->ShownMonth = 3;
    diar().ShowMonth();
    changeLine(3, 3, "March line");
    makeDataReadOnly();
    const auto report = diar().ShowToday();
    EXPECT_EQ(report.failures.size(), 1u);
    EXPECT_EQ(module->ShownMonth, 12);
    EXPECT_EQ(module->Diary(3, 3), "#####March line");
    EXPECT_TRUE(module->DiaryDirty);
}

TEST_F(MainWindow, SessionEndSavesWithoutAQuestion) {
    changeLine(12, 31, "New Year's Eve");
    module->Reminders(1, 1) = "New Year";
    module->RemindersDirty = true;
    platform.endSession();
    EXPECT_TRUE(platform.dialogs.empty());
    EXPECT_EQ(yearLine(2026, 12, 31), "#####New Year's Eve");
    EXPECT_EQ(app::SplitLines(file("\\Reminder"))[0], "New Year");
}

TEST_F(MainWindow, ClearingTranslucentIsRememberedForTheRun) {
    showWindow();
    platform.click(*diar().ChkTranslut);
    EXPECT_FALSE(module->TranslucentCleared);
    platform.click(*diar().ChkTranslut);
    EXPECT_TRUE(module->TranslucentCleared);
    platform.click(*diar().ChkTranslut);
    EXPECT_EQ(diar().ChkTranslut->value(), 1);
    EXPECT_TRUE(module->TranslucentCleared);
}

TEST_F(MainWindow, HelpAndLogoOpenTheirDocuments) {
    // Hidden or not, a page that is there is the browser's to open.
    for (const bool hidden : {false, true}) {
        platform.shellOpened.clear();
        platform.memoryFiles().putFile(data("\\Help\\_Help.htm"), "<html></html>", hidden);
        showWindow();
        platform.click(*diar().ButHelp);
        platform.click(*diar().OrvaneLogo);
        ASSERT_EQ(platform.shellOpened.size(), 2u);
        EXPECT_EQ(platform.shellOpened[0].target, data("\\Help\\_Help.htm"));
        EXPECT_EQ(platform.shellOpened[0].workingFolder, kProgramFolder);
        EXPECT_EQ(platform.shellOpened[1].target, app::kMakerWebSite);
        EXPECT_TRUE(platform.dialogs.empty());
    }
}

TEST_F(MainWindow, MissingHelpPageIsReportedWithWhereItBelongs) {
    // Only the .exe was copied: the start made NotesDat, but nothing put the page into it. A
    // folder of that name is no page either.
    showWindow();
    for (const bool folderInItsPlace : {false, true}) {
        platform.dialogs.clear();
        if (folderInItsPlace) platform.memoryFiles().putFolder(data("\\Help\\_Help.htm"));
        platform.click(*diar().ButHelp);
        EXPECT_TRUE(platform.shellOpened.empty());
        ASSERT_EQ(platform.dialogs.size(), 1u);
        EXPECT_EQ(platform.dialogs[0].kind, DialogCall::Kind::Message);
        EXPECT_EQ(platform.dialogs[0].title, app::kProductName);
        EXPECT_NE(platform.dialogs[0].text.find(data("\\Help\\_Help.htm")), std::string::npos)
            << platform.dialogs[0].text;
        EXPECT_TRUE(form().visible());
    }
}

TEST_F(MainWindow, EveryPictureFitsItsElement) {
    int pictures = 0;
    for (const auto& control : form().controls()) {
        if (!control->picture() || control->stretch()) continue;
        ++pictures;
        EXPECT_EQ(control->picture()->width, control->rect().w) << control->name() << control->index();
        EXPECT_EQ(control->picture()->height, control->rect().h) << control->name() << control->index();
    }
    EXPECT_GE(pictures, 12 + 11);  // the month title bands and the window's own images
}

TEST_F(MainWindow, RecurringNoteMarkerIsAYellowBadgeWithARedMark) {
    const auto& marker = *diar().DenSv[0]->picture();
    auto rgbOf = [](std::uint32_t argb) { return argb & 0xFFFFFFu; };
    EXPECT_EQ(marker.at(0, 0) >> 24, 0u);                     // round: the corners are clear
    EXPECT_EQ(marker.at(7, 6) >> 24, 255u);                   // the mark's stem
    EXPECT_GT((rgbOf(marker.at(7, 6)) >> 16) & 0xFF, 0xB0u);  // red
    EXPECT_LT((rgbOf(marker.at(7, 6)) >> 8) & 0xFF, 0x40u);
    const auto badge = rgbOf(marker.at(3, 7));  // beside the mark: yellow
    EXPECT_GT((badge >> 16) & 0xFF, 0xE0u);
    EXPECT_GT((badge >> 8) & 0xFF, 0xA0u);
    EXPECT_LT(badge & 0xFF, 0x80u);
}

}  // namespace
