// Where a stored note opens on the monitors there are now.
#pragma once

#include "platform/platform.h"

namespace notes {

// A note opens where it was stored while its title strip lies on a monitor's work area; a note
// whose monitor is gone opens whole on the nearest one. Either way it opens no larger than the
// work area of the monitor it opens on.
platform::Rect OpeningBounds(const platform::Rect& stored, const platform::ScreenInfo& screen);

}  // namespace notes
