// The program's run: the values it shares (SharedValues) and the windows that read and write
// them. One Module exists per run; every window reads and writes it directly.
#pragma once

#include <memory>
#include <vector>

#include "app/shared_values.h"
#include "platform/platform.h"

namespace notes {
class FrmNote;
}

namespace alarms {
class AlarmClock;
class AlarmDialog;
class MessageWindow;
}  // namespace alarms

namespace restore {
class RestoreWindow;
}

namespace search {
class SearchWindow;
}

namespace exchange {
class ExchangeWindow;
}

namespace app {

class FrmDiar;
class ScreenRescue;
class TrayIcon;

struct Module : SharedValues {
    explicit Module(platform::Platform& p);
    ~Module();
    Module(const Module&) = delete;
    Module& operator=(const Module&) = delete;

    platform::Platform& platform;

    // Windows. The main window lives for the whole run.
    std::unique_ptr<FrmDiar> Diar;
    // Hidden window that carries the pop-up menu and owns shell dialogs.
    std::unique_ptr<platform::Form> Menu;
    // The desktop notes opened during the run (a removed note's window is closed).
    std::vector<std::unique_ptr<notes::FrmNote>> Notes;
    // The notification-area icon, on the main window.
    std::unique_ptr<TrayIcon> Tray;
    // The alarm clock with its timer on the main window, and the message window it rings in.
    std::unique_ptr<alarms::AlarmClock> Clock;
    std::unique_ptr<alarms::MessageWindow> Message;
    // The alarm dialog FrmAlarm, loaded hidden from the alarm settings' load on.
    std::unique_ptr<alarms::AlarmDialog> AlarmDialog;
    // The restore window FrmRestore, made at the first press of its button on the main window.
    std::unique_ptr<restore::RestoreWindow> Restore;
    // The search over every year, the notes and the alarms: ButFind and Ctrl+F on the main window,
    // its own window FrmSearch made at the first search.
    std::unique_ptr<search::SearchWindow> Search;
    // Keeps the windows and notes on the monitors as monitors come and go.
    std::unique_ptr<ScreenRescue> Screens;
    // The exports and the import: ButExchange on the main window, its menu, and the import's
    // preview FrmImport made at the first import.
    std::unique_ptr<exchange::ExchangeWindow> Exchange;
};

}  // namespace app
