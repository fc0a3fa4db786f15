// The day message: at start-up and at each new date, the tray icon's picture and tip describe
// today, and today's diary line and yearly note are shown in the message window unless today's
// message was already seen or the day message is switched off.
#pragma once

#include "app/module.h"

namespace alarms {

// Sets the tray picture and TrayTip for today and may show the message window. The caller adds
// the tray icon afterwards, so that it shows them.
void Sprava(app::Module& module);

}  // namespace alarms
