// The window FrmMissed: a quiet, borderless list of the alarms that fell due while the clock did
// not look (the "List missed alarms" option), each with its date, time and text, and one OK.
// It plays no sound. Made at its first use by the alarm clock, then only shown and hidden; a list
// that comes while it is shown is added below what it shows.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "alarm/double_frame.h"
#include "alarm/missed_alarms.h"
#include "app/module.h"
#include "app/window_look.h"
#include "platform/form.h"

namespace alarms {

class MissedWindow {
public:
    using Control = platform::Control;

    explicit MissedWindow(app::Module& module);

    platform::Form& form() { return *form_; }

    // Adds these missed alarms to the list (the latest kMissedListLength stay, the others are
    // counted) and shows it.
    void Add(MissedAlarms missed);

    Control* TitleMissed = nullptr;
    Control* LabMissed = nullptr;  // what the list is
    Control* TxtMissed = nullptr;  // the list: read-only, scrolls
    FrameLines Line{};             // Line1..Line8: the double frame
    Control* ButOK = nullptr;

private:
    void Build();
    // OK: the list has been seen; it goes, and the window with it.
    void OK();

    app::Module& module_;
    app::TwipsLayout layout_;
    std::unique_ptr<platform::Form> form_;
    std::vector<MissedAlarm> alarms_;
    long long earlier_ = 0;
    bool notAllLooked_ = false;
};

}  // namespace alarms
