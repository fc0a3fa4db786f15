#include "diary/format_menu.h"

#include <gtest/gtest.h>

#include "diary/day_tables.h"
#include "support/shown_calendar.h"

namespace {

using platform::headless::DialogCall;
using testing_support::ShownCalendar;

class FormatMenu : public ShownCalendar {
protected:
    FormatMenu() {
        yearLines[YearLine(12, 5)] = "#R123Lunch";
        yearLines[YearLine(12, 6)] = "B####Meeting";
        yearLines[YearLine(12, 31)] = "#####New Year's Eve";
    }
    int menusShown() const {
        int shown = 0;
        for (const auto& dialog : platform.dialogs) shown += dialog.kind == DialogCall::Kind::Menu ? 1 : 0;
        return shown;
    }
    // Right-clicks the day's number and chooses an item of the menu.
    void choose(int day, const std::string& item) {
        platform.answerMenu(item);
        platform.click(dayArea(day), platform::kRightButton);
    }
    // How the panel paints the day's stored cell.
    platform::ColorRef paintedColor(int day) { return app::DiaryColor(module->Diary(12, day)); }
};

TEST_F(FormatMenu, OffersBoldThenTheFiveColoursAfterASeparator) {
    std::vector<std::string> shown;
    for (const auto& item : app::FormatMenuItems()) shown.push_back(item.name + " " + item.caption);
    EXPECT_EQ(shown, (std::vector<std::string>{"mBold Bold", "mSpace1 -", "mCblack Black", "mCred Red",
                                               "mCyellow Yellow", "mCgreen Green", "mCblue Blue"}));
}

TEST_F(FormatMenu, OpensAtTheMouseForTheDayClicked) {
    platform.press(dayArea(5), platform::kRightButton, 0, 7, 4);
    platform.release(dayArea(5), platform::kRightButton, 0, 7, 4);
    ASSERT_EQ(menusShown(), 1);
    const auto& menu = platform.dialogs.back();
    const auto window = diar().form().bounds();
    EXPECT_EQ(menu.x, window.x + dayArea(5).rect().x + 7);
    EXPECT_EQ(menu.y, window.y + dayArea(5).rect().y + 4);
    EXPECT_EQ(diar().MenuDay, 5);
    EXPECT_FALSE(module->DiaryDirty) << "closing the menu without a choice changes nothing";
}

TEST_F(FormatMenu, BoldTurnsTheWeightOverAndTwiceBack) {
    for (int day : {5, 6}) {
        const std::string before = module->Diary(12, day);
        const bool wasBold = before[0] == 'B';
        choose(day, "mBold");
        EXPECT_EQ(line(day).font().bold, !wasBold) << "day " << day;
        EXPECT_EQ(module->Diary(12, day), (wasBold ? "#" : "B") + before.substr(1)) << "day " << day;
        choose(day, "mBold");
        EXPECT_EQ(line(day).font().bold, wasBold) << "day " << day;
        EXPECT_EQ(module->Diary(12, day), before) << "day " << day;
    }
    EXPECT_TRUE(module->DiaryDirty);
}

TEST_F(FormatMenu, AColourWritesItsLetterAndTouchesNoOtherCodeCharacter) {
    const struct {
        const char* item;
        char letter;
        platform::ColorRef color;
    } colours[] = {{"mCred", 'R', 0x001020D0},
                   {"mCyellow", 'Y', 0x000090B0},
                   {"mCgreen", 'G', 0x00208000},
                   {"mCblue", 'B', 0x00A04000},
                   {"mCblack", '#', 0x00000000}};
    // Black comes last: it writes "#", as on a line never coloured.
    for (const auto& colour : colours) {
        choose(5, colour.item);
        EXPECT_EQ(module->Diary(12, 5), std::string("#") + colour.letter + "123Lunch") << colour.item;
        EXPECT_EQ(line(5).foreColor(), colour.color) << colour.item;
        EXPECT_EQ(paintedColor(5), colour.color) << colour.item << ": the panel paints the code the same way";
    }
    EXPECT_FALSE(line(5).font().bold);
    EXPECT_TRUE(module->DiaryDirty);
}

TEST_F(FormatMenu, ALineBeingTypedKeepsTheFocusAndCommitsWithTheNewCode) {
    platform.focus(line(8));
    platform.type(line(8), "call back");
    choose(8, "mCgreen");
    choose(8, "mBold");
    EXPECT_TRUE(line(8).hasFocus());
    EXPECT_EQ(module->Diary(12, 8), "BG###");
    diar().ParkFocus();
    EXPECT_EQ(module->Diary(12, 8), "BG###call back");
}

TEST_F(FormatMenu, DoesNotOpenWhereThereIsNothingToFormat) {
    platform.click(dayArea(9), platform::kRightButton);
    EXPECT_EQ(menusShown(), 0) << "an empty line";
    platform.click(dayArea(5), platform::kLeftButton);
    EXPECT_EQ(menusShown(), 0) << "the left button";
    showMonth(11);
    EXPECT_FALSE(line(31).visible());
    platform.click(dayArea(31), platform::kRightButton);
    EXPECT_EQ(menusShown(), 0) << "past the end of a 30-day month";
    showMonth(12);
    platform.click(marker(20));
    ASSERT_TRUE(noteEditor().visible());
    platform.click(dayArea(5), platform::kRightButton);
    EXPECT_EQ(menusShown(), 0) << "while the recurring-note editor is open";
    EXPECT_FALSE(module->DiaryDirty);
}

TEST_F(FormatMenu, AFormattedEmptyLineStoresOnlyItsCode) {
    platform.focus(line(9));
    platform.type(line(9), "x");
    choose(9, "mCblue");
    clear(line(9));
    diar().ParkFocus();
    // The text is as empty as it was, so the commit leaves the new code alone.
    EXPECT_EQ(module->Diary(12, 9), "#B###");
    EXPECT_FALSE(app::HasDiaryLine(module->Diary(12, 9)));
}

}  // namespace
