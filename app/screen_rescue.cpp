#include "app/screen_rescue.h"

#include "alarm/alarm_clock.h"
#include "alarm/alarm_dialog.h"
#include "alarm/message_window.h"
#include "alarm/missed_window.h"
#include "app/main_window.h"
#include "app/monitor_rescue.h"
#include "notes/note_window.h"
#include "restore/restore_window.h"
#include "search/search_window.h"

namespace app {

using platform::Point;
using platform::Rect;

std::vector<Rect> WorkAreas(const platform::ScreenInfo& screen) {
    if (!screen.monitors.empty()) return screen.monitors;
    return {{0, 0, screen.width, screen.height}};
}

ScreenRescue::ScreenRescue(Module& module)
    : module_(module),
      displayChanged_(module.platform.onDisplayChanged.add([this] { FollowMonitors(); })),
      // A computer put to sleep docked may wake up on its own screen alone.
      resumed_(module.platform.onResume.add([this] { FollowMonitors(); })) {}

void ScreenRescue::FollowMonitors() {
    const std::vector<Rect> workAreas = WorkAreas(module_.platform.screen());
    // The calendar shows again where it was hidden; the dialogs are placed afresh each time they
    // show, so only a shown one can be stranded.
    std::vector<platform::Form*> forms;
    if (module_.Diar) forms.push_back(&module_.Diar->form());
    if (module_.Message) forms.push_back(&module_.Message->form());
    if (module_.AlarmDialog && module_.AlarmDialog->Shown()) forms.push_back(&module_.AlarmDialog->form());
    if (module_.Restore && module_.Restore->Made()) forms.push_back(&module_.Restore->form());
    if (module_.Search && module_.Search->Made()) forms.push_back(&module_.Search->form());
    if (module_.Clock && module_.Clock->hasMissedWindow()) forms.push_back(&module_.Clock->missedWindow().form());
    for (platform::Form* form : forms) Follow(*form, workAreas);
    for (const auto& note : module_.Notes) {
        if (!note->closed()) note->FollowMonitors(workAreas);
    }
}

void ScreenRescue::Follow(platform::Form& form, const std::vector<Rect>& workAreas) {
    const Rect now = form.bounds();
    Point home{now.x, now.y};
    if (const auto found = moved_.find(&form); found != moved_.end()) {
        if (found->second.placed == home) home = found->second.home;
        moved_.erase(found);
    }
    const Rect shown = PlaceOnWorkAreas({home.x, home.y, now.w, now.h}, workAreas, SizeRule::KeepSize);
    if (shown.x != home.x || shown.y != home.y) moved_[&form] = Moved{home, Point{shown.x, shown.y}};
    if (shown.x != now.x || shown.y != now.y) form.move(shown.x, shown.y);
}

}  // namespace app
