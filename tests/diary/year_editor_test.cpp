#include <gtest/gtest.h>

#include "app/datafiles.h"
#include "app/main_window.h"
#include "diary/day_tables.h"
#include "diary/year_range.h"
#include "support/app_fixture.h"

namespace {

using testing_support::AppTest;

class YearEditor : public AppTest {
protected:
    YearEditor() { platform.setTime({2026, 12, 7, 10, 0, 0}); }
    void SetUp() override {
        ASSERT_TRUE(Start());
        diar().form().show();
        platform.click(*diar().MesiacClick[6]);
    }

    app::FrmDiar& diar() { return *module->Diar; }
    platform::Control& editor() { return *diar().RokEdit; }
    void open() { platform.click(*diar().RokTit); }
    void press(int key) { platform.keyDown(editor(), key); }
    bool focusParked() { return diar().form().focused() == diar().Focus; }
};

TEST_F(YearEditor, OpensOverTheTitleWithTheYearSelected) {
    EXPECT_FALSE(editor().visible());
    open();
    EXPECT_TRUE(editor().visible());
    EXPECT_EQ(diar().form().focused(), &editor());
    EXPECT_EQ(editor().text(), "2026");
    EXPECT_EQ(editor().selectionStart(), 0);
    EXPECT_EQ(editor().selectionLength(), 4);
    EXPECT_EQ(editor().maxLength(), 4);
    EXPECT_EQ(editor().alignment(), platform::Align::Center);
    EXPECT_EQ(editor().foreColor(), platform::rgb(0xFF, 0xFF, 0xFF));
    // It lies over the title, so the title cannot be clicked while it is open.
    EXPECT_EQ(diar().form().hitTest(640, 110), &editor());
}

TEST_F(YearEditor, TakesOnlyDigitsAndBackspace) {
    open();
    platform.type(editor(), "1a9 -9.9");
    EXPECT_EQ(editor().text(), "1999");
    press(platform::kKeyBack);
    platform.type(editor(), "8");
    EXPECT_EQ(editor().text(), "1998");
    platform.type(editor(), "7");  // a fifth digit does not fit
    EXPECT_EQ(editor().text(), "1998");
}

TEST_F(YearEditor, EnterShowsJanuaryOfAYearFromOneHundredOn) {
    const struct {
        const char* typed;
        int year;
        int month;
    } cases[] = {
        {"1999", 1999, 1},  // a new year opens on January
        {"100", 100, 1},    // the first year the calendar shows
        {"99", 2026, 6},    // below 100: only closes
        {"", 2026, 6},      // empty counts as 0
        {"2026", 2026, 6},  // the shown year again keeps the month
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        module->CurYear = 2026;
        module->ShownMonth = 6;
        diar().ShowYear();
        open();
        press(platform::kKeyBack);
        platform.type(editor(), c.typed);
        press(platform::kKeyReturn);
        EXPECT_EQ(module->CurYear, c.year);
        EXPECT_EQ(module->ShownMonth, c.month);
        EXPECT_EQ(diar().RokTit->caption(), std::to_string(c.year));
        EXPECT_EQ(diar().RokTitSH->caption(), std::to_string(c.year));
        EXPECT_FALSE(editor().visible());
        EXPECT_TRUE(focusParked());
    }
    EXPECT_EQ(diar().Titul->caption(), "JUNE 2026");
}

TEST_F(YearEditor, EscapeClosesAndKeepsTheYear) {
    open();
    platform.type(editor(), "1999");
    press(platform::kKeyEscape);
    EXPECT_EQ(module->CurYear, 2026);
    EXPECT_EQ(module->ShownMonth, 6);
    EXPECT_FALSE(editor().visible());
    EXPECT_EQ(editor().text(), "");
    EXPECT_TRUE(focusParked());
}

TEST_F(YearEditor, AnyLossOfFocusAppliesTheTypedYear) {
    open();
    platform.type(editor(), "2001");
    platform.focus(*diar().DenLine[3]);
    EXPECT_EQ(module->CurYear, 2001);
    EXPECT_FALSE(editor().visible());
    EXPECT_EQ(diar().DenLine[3]->text(), "");  // the line now shows January 2001

    // Plus first applies the typed year, then steps from it.
    open();
    platform.type(editor(), "1999");
    platform.click(*diar().Plus);
    EXPECT_EQ(module->CurYear, 2000);
    EXPECT_EQ(module->ShownMonth, 1);
}

TEST_F(YearEditor, OpeningCommitsTheLineBeingTyped) {
    platform.focus(*diar().DenLine[8]);
    platform.type(*diar().DenLine[8], "June line");
    open();
    EXPECT_EQ(module->Diary(6, 8), "#####June line");
    platform.type(editor(), "2030");
    press(platform::kKeyReturn);
    EXPECT_EQ(app::SplitLines(file(app::YearFile(2026)))[5 * 31 + 7], "#####June line");
}

TEST_F(YearEditor, TextThatIsNotAYearChangesNothing) {
    open();
    editor().setText("19x9");  // as text pasted past the key filter would leave it
    diar().ParkFocus();
    EXPECT_EQ(module->CurYear, 2026);
    EXPECT_FALSE(editor().visible());
    EXPECT_TRUE(platform.dialogs.empty());
}

TEST(YearEditorValue, ReadsTheLeadingDigits) {
    const struct {
        const char* text;
        int value;
    } cases[] = {{"", 0}, {"2026", 2026}, {"0100", 100}, {"19x9", 19}, {"x19", 0}, {" 12", 0}};
    for (const auto& c : cases) EXPECT_EQ(app::YearEditorValue(c.text), c.value) << c.text;
    EXPECT_GT(app::YearEditorValue("123456789012"), app::kLastYear);
}

}  // namespace
