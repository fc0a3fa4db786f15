// Alt+F4 on the calendar window: it is the hide image without a modifier, never an unload.
#include <gtest/gtest.h>

#include "app/datafiles.h"
#include "app/main_window.h"
#include "app/tray_icon.h"
#include "diary/day_tables.h"
#include "support/app_fixture.h"

namespace {

using testing_support::AppTest;

class CalendarClose : public AppTest {
protected:
    CalendarClose() { platform.setTime({2026, 12, 7, 10, 0, 0}); }
    void SetUp() override { ASSERT_TRUE(Start()); }
    app::FrmDiar& diar() { return *module->Diar; }
    std::string yearLine(int month, int day) {
        const auto lines = app::SplitLines(file(app::YearFile(2026)));
        const auto index = static_cast<std::size_t>((month - 1) * 31 + day - 1);
        return index < lines.size() ? lines[index] : "<missing>";
    }
};

TEST_F(CalendarClose, CloseRequestSavesTheLineBeingEditedAndHides) {
    diar().form().show();
    platform::Control& line = *diar().DenLine[9];
    platform.focus(line);
    platform.type(line, "typed just before");
    platform.requestClose(diar().form());
    EXPECT_FALSE(diar().form().visible());
    EXPECT_FALSE(diar().form().closed());
    EXPECT_FALSE(platform.quitRequested);
    EXPECT_TRUE(platform.dialogs.empty());
    EXPECT_EQ(yearLine(12, 9), "#####typed just before");
    // The tray's right press shows it again, whole.
    platform.trayMessage(app::kTrayRightPress);
    EXPECT_TRUE(diar().form().visible());
    EXPECT_EQ(line.text(), "typed just before");
}

// Day lines commit by comparing their text when they lose the focus: a paste from the box's own
// menu, which presses no key, is kept as well as typing.
TEST_F(CalendarClose, PasteIntoADayLineIsKept) {
    diar().form().show();
    platform::Control& line = *diar().DenLine[4];
    platform.focus(line);
    platform.paste(line, "pasted line");
    diar().ParkFocus();
    EXPECT_EQ(module->Diary(12, 4), "#####pasted line");
    EXPECT_TRUE(module->DiaryDirty);
}

}  // namespace
