#include "alarm/day_message.h"

#include "alarm/alarm_rules.h"
#include "alarm/message_window.h"
#include "alarm/todays_entries.h"
#include "app/tray_icon.h"

namespace alarms {

void Sprava(app::Module& module) {
    const auto today = module.platform.now();
    const TodaysEntries entries = EntriesOf(module, today);
    const bool noted = !entries.diaryLine.empty() || !entries.note.empty();
    if (module.Tray) module.Tray->NotifyPicture->setPicture(app::NotifyICO(noted ? 1 : 0));
    module.TrayTip = entries.nameDay + '\0';
    if (!noted || !DayMessageWanted(module.ResumeMode, today)) return;
    module.MsgText = DayMessageText(entries.diaryLine, entries.note);
    if (module.Message) module.Message->Present();
}

}  // namespace alarms
