// The calendar window shown on December 2026, with a few lines and notes in its files: the base
// of the tests that edit day lines and recurring notes.
#pragma once

#include <string>
#include <vector>

#include "app/datafiles.h"
#include "app/main_window.h"
#include "support/app_fixture.h"

namespace testing_support {

class ShownCalendar : public AppTest {
protected:
    // Lines of the year file, line (m - 1) * 31 + d - 1 for day d of month m.
    static std::size_t YearLine(int month, int day) { return static_cast<std::size_t>((month - 1) * 31 + day - 1); }
    // Lines of "\Reminder": the months in order, February with 29 days.
    static std::size_t ReminderLine(int month, int day) {
        static const int kFirstLine[13] = {0, 0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335};
        return static_cast<std::size_t>(kFirstLine[month] + day - 1);
    }

    ShownCalendar() {
        platform.setTime({2026, 12, 7, 10, 0, 0});
        yearLines[YearLine(12, 3)] = "BR###Dentist";
        reminderLines[ReminderLine(12, 24)] = "Christmas Eve";
    }

    void SetUp() override {
        putFile("\\Diary\\2026", app::JoinLines(yearLines));
        putFile("\\Reminder", app::JoinLines(reminderLines));
        ASSERT_TRUE(Start());
        diar().form().show();
    }

    app::FrmDiar& diar() { return *module->Diar; }
    platform::Control& line(int day) { return *diar().DenLine[static_cast<std::size_t>(day)]; }
    platform::Control& marker(int day) { return *diar().DenSv[static_cast<std::size_t>(day)]; }
    platform::Control& dayArea(int day) { return *diar().MenuDni[static_cast<std::size_t>(day)]; }
    platform::Control& noteEditor() { return *diar().SviatkyEd; }

    void showMonth(int month) {
        module->ShownMonth = month;
        diar().ShowMonth();
    }
    // Selects all of a text box and deletes it, as the user does before typing a new text.
    void clear(platform::Control& box) {
        box.select(0, static_cast<int>(box.text().size()));
        platform.keyDown(box, platform::kKeyBack);
    }
    // Types into a day line and leaves it, as clicking elsewhere in the window does.
    void typeAndLeave(int day, const std::string& text) {
        platform.focus(line(day));
        clear(line(day));
        platform.type(line(day), text);
        diar().ParkFocus();
    }
    std::vector<std::string> savedFile(const std::string& name) { return app::SplitLines(file(name)); }

    std::vector<std::string> yearLines = std::vector<std::string>(372, "#####");
    std::vector<std::string> reminderLines = std::vector<std::string>(366, "");
};

}  // namespace testing_support
