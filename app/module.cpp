#include "app/module.h"

#include "alarm/alarm_clock.h"
#include "alarm/alarm_dialog.h"
#include "alarm/message_window.h"
#include "app/main_window.h"
#include "app/screen_rescue.h"
#include "app/tray_icon.h"
#include "exchange/exchange_window.h"
#include "notes/note_window.h"
#include "restore/restore_window.h"
#include "search/search_window.h"

namespace app {

Module::Module(platform::Platform& p) : platform(p) {}

Module::~Module() = default;

}  // namespace app
