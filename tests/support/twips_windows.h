// The program's windows whose size is given in twips, and a started program on a screen of a given
// DPI: what the DPI tests lay side by side.
#pragma once

#include <cmath>
#include <memory>

#include "alarm/alarm_clock.h"
#include "alarm/alarm_dialog.h"
#include "alarm/message_window.h"
#include "alarm/missed_window.h"
#include "app/main_window.h"
#include "app/module.h"
#include "app/startup.h"
#include "platform/headless/headless_platform.h"
#include "restore/restore_window.h"
#include "search/search_window.h"

namespace testing_support {

inline double TwipsPerPixel(int dpi) {
    return 1440.0 / dpi;
}

// A started program on a screen of the given DPI; its windows open on a monitor of `monitorDpi`
// when one is given.
struct DpiProgram {
    explicit DpiProgram(int dpi, int monitorDpi = 0) {
        platform.setProgramFolder("C:\\Programs\\Orvane");
        platform.memoryFiles().putFolder("C:\\Programs\\Orvane");
        platform.setTime({2026, 12, 7, 10, 0, 0});
        platform.setScreen({2560, 1600, TwipsPerPixel(dpi), TwipsPerPixel(dpi), {{0, 0, 2560, 1600}}});
        platform.setNewFormDpi(monitorDpi);
        started = app::Main(*module);
    }

    platform::headless::HeadlessPlatform platform;
    std::unique_ptr<app::Module> module = std::make_unique<app::Module>(platform);
    bool started = false;
};

struct TwipsWindow {
    const char* name;
    int widthTwips;
    int heightTwips;
    platform::Form& (*form)(app::Module&);  // made when first asked for, as the program does
};

inline const TwipsWindow kTwipsWindows[] = {
    {"FrmDiar", 11730, 8100, [](app::Module& m) -> platform::Form& { return m.Diar->form(); }},
    {"FrmAlarm", 7890, 7950, [](app::Module& m) -> platform::Form& { return m.AlarmDialog->form(); }},
    {"FrmMessage", 4860, 3480, [](app::Module& m) -> platform::Form& { return m.Message->form(); }},
    {"FrmMissed", 6600, 5400, [](app::Module& m) -> platform::Form& { return m.Clock->missedWindow().form(); }},
    {"FrmSearch", 8400, 6000, [](app::Module& m) -> platform::Form& { return m.Search->form(); }},
    {"FrmRestore", 8400, 6900, [](app::Module& m) -> platform::Form& { return m.Restore->form(); }},
};

// The window's size at `dpi`, from its twips.
inline platform::Rect TwipsSize(const TwipsWindow& window, int dpi) {
    return {0, 0, static_cast<int>(std::lround(window.widthTwips / TwipsPerPixel(dpi))),
            static_cast<int>(std::lround(window.heightTwips / TwipsPerPixel(dpi)))};
}

}  // namespace testing_support
