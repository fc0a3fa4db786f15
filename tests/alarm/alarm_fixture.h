// A started program with its alarm dialog, and the moves a user makes in the dialog.
#pragma once

#include <string>

#include "alarm/alarm_dialog.h"
#include "app/datafiles.h"
#include "app/main_window.h"
#include "support/app_fixture.h"

namespace testing_support {

class AlarmTest : public AppTest {
protected:
    AlarmTest() { platform.setTime({2026, 12, 7, 10, 0, 0}); }

    // The dialog with its window made, as the first press of ButAlarm makes it.
    alarms::AlarmDialog& dialog() {
        module->AlarmDialog->form();
        return *module->AlarmDialog;
    }
    platform::Form& dialogForm() { return dialog().form(); }

    // From the tray to the dialog: the main window shown, ButAlarm clicked, and the dialog
    // activated, as the system activates a window that is shown.
    void openDialog() {
        module->Diar->form().show();
        platform.click(*dialog().ButAlarm);
        activate();
    }
    void activate() {
        if (dialogForm().onActivate) dialogForm().onActivate();
    }

    void typeInto(platform::Control& box, const std::string& text) {
        platform.focus(box);
        platform.type(box, text);
    }

    std::string alarmLine(int line) {
        const auto lines = app::SplitLines(file("\\Alarm"));
        return line <= static_cast<int>(lines.size()) ? lines[static_cast<std::size_t>(line - 1)] : "<missing>";
    }
};

}  // namespace testing_support
