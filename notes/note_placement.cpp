#include "notes/note_placement.h"

#include "app/monitor_rescue.h"
#include "app/screen_rescue.h"

namespace notes {

platform::Rect OpeningBounds(const platform::Rect& stored, const platform::ScreenInfo& screen) {
    return app::PlaceOnWorkAreas(stored, app::WorkAreas(screen), app::SizeRule::FitWorkArea);
}

}  // namespace notes
