// Windows that stay on the monitors there are: when a monitor is unplugged, or the computer wakes
// up with another set of monitors, a window or note that is left on none of them comes onto the
// nearest one; its own place is kept (a note's record too) until the user moves it, and when its
// monitor returns it goes back there. The rule of where is `app/monitor_rescue.h`.
#pragma once

#include <map>
#include <vector>

#include "app/module.h"
#include "platform/platform.h"

namespace app {

// The work areas of the screen's monitors; without a list of monitors, the whole screen.
std::vector<platform::Rect> WorkAreas(const platform::ScreenInfo& screen);

class ScreenRescue {
public:
    // Follows the platform's changes of the monitors and its wake-ups.
    explicit ScreenRescue(Module& module);

    // Brings every window the program has made, and every note, onto the monitors as they are.
    void FollowMonitors();

private:
    void Follow(platform::Form& form, const std::vector<platform::Rect>& workAreas);

    // A window the program moved onto another monitor: where it was, and where it was put. Once it
    // is no longer where it was put, someone else moved it, and its new place is its own.
    struct Moved {
        platform::Point home;
        platform::Point placed;
    };

    Module& module_;
    // The program's windows live for the whole run: their addresses name them.
    std::map<const platform::Form*, Moved> moved_;
    platform::Notification::Subscription displayChanged_;
    platform::Notification::Subscription resumed_;
};

}  // namespace app
